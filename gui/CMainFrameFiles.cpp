// The main window's recorder and file commands: the record bar, open, save
// sample, the CSV and bitmap exports and printing.

#include "app/Globals.h"
#include "app/Prompts.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/CRecordBar.h"
#include "gui/CommandIds.h"
#include "display/COndrixView.h"
#include "display/PrintReport.h"
#include "files/CsvExport.h"
#include "settings/OutputFile.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSlider>

namespace {

QString WaveFilter() { return CMainFrame::tr("波形文件(*.wav)"); }

}  // namespace

// Enable states and selection of the four record-bar buttons.
void CMainFrame::ShowRecordButtons(bool record, bool playback, bool pause, bool stop, int selected) {
  recordBar_->SetEnabled(IDC_RECORD, record);
  recordBar_->SetEnabled(IDC_PLAYBACK, playback);
  recordBar_->SetEnabled(IDC_PAUSE, pause);
  recordBar_->SetEnabled(IDC_STOP, stop);
  recordBar_->Select(selected);
}

void CMainFrame::ApplyTransport(const TransportResult& r) {
  if (r.samplingStopped) samplingOn_ = false;
  if (r.samplingStarted) samplingOn_ = true;
  if (r.setSliderRange) recordBar_->SetSliderRange(0, r.sliderMax);
  if (r.setSliderPos) {
    recordBar_->SetSliderPosition(r.sliderPos);
    g_playbackPos = r.sliderPos;
  }
  UpdateCheckMarks();
}

void CMainFrame::OnRecord() {
  ShowRecordButtons(false, false, true, true, IDC_RECORD);
  ApplyTransport(view_->Engine().Record());
}

void CMainFrame::OnPlayback() {
  const TransportResult r = view_->Engine().Playback();
  if (r.noData) {
    recordBar_->Select(IDC_STOP);
    CurrentPrompts().ShowMessage(tr("No data played!"));
    return;
  }
  ShowRecordButtons(false, false, true, true, IDC_PLAYBACK);
  ApplyTransport(r);
}

void CMainFrame::OnPause() {
  ShowRecordButtons(g_recordState == Recording, g_recordState == Playing, false, true, IDC_PAUSE);
  ApplyTransport(view_->Engine().Pause());
}

void CMainFrame::OnStop() {
  ShowRecordButtons(true, true, false, false, IDC_STOP);
  const TransportResult r = view_->Engine().Stop();
  ApplyTransport(r);
  if (!r.askForFile) return;
  // Cancelling keeps the recording going.
  const QString path = CurrentPrompts().GetSaveFileName(WaveFilter(), QStringLiteral("wav"));
  if (!path.isEmpty()) view_->Engine().FinishRecording(path);
}

void CMainFrame::OnPlaybackSlider(int position) { view_->Engine().SetPlaybackPos(position); }

void CMainFrame::SyncPlaybackSlider() {
  if (!recordBar_) return;
  recordBar_->SetSliderPosition(g_playbackPos);
  // The slider keeps its position inside its range, and the replay with it:
  // replay stops advancing at the range's upper end.
  g_playbackPos = recordBar_->Slider()->value();
}

void CMainFrame::OnFileOpen() {
  const QString path = CurrentPrompts().GetOpenFileName(WaveFilter());
  if (path.isEmpty()) return;
  QString reason;
  SamplingEngine& engine = view_->Engine();
  if (engine.ReadWavFile(path, &reason) == 0 && !reason.isEmpty()) {
    // A file that is not a usable WAV file changes nothing.
    CurrentPrompts().ShowMessage(tr("无法打开 %1：%2").arg(path, reason));
    return;
  }
  g_recordState = Paused;
  samplingOn_ = false;
  view_->StopWaveIn();
  g_displayMode = TimeDomain;
  recordBar_->SetSliderRange(0, engine.ReplaySliderMax());
  recordBar_->SetSliderPosition(0);
  // The file's rate stands; the panel's rate slider shows it.
  controlPanel_->SyncSampleRateSlider();
  UpdateCheckMarks();
}

void CMainFrame::OnSaveSample() {
  const QString path = CurrentPrompts().GetSaveFileName(WaveFilter(), QStringLiteral("wav"));
  if (!path.isEmpty()) view_->Engine().WriteSampleWavFile(path);
}

void CMainFrame::ExportCsv(const QString& path) {
  QString error;
  if (!::ExportCsv(view_->Engine().sampleBuf16, path, &error)) CurrentPrompts().ShowMessage(error);
}

void CMainFrame::OnExportCsv() {
  const QString path = CurrentPrompts().GetSaveFileName(tr("波形数据(*.csv)"), QStringLiteral("csv"));
  if (!path.isEmpty()) ExportCsv(path);
}

void CMainFrame::OnExportBitmap() {
  const QString path = CurrentPrompts().GetSaveFileName(tr("位图文件(*.bmp)"), QStringLiteral("BMP"));
  if (!path.isEmpty()) view_->ExportBitmap(path);
}

// ------------------------------------------------------------------ printing

void CMainFrame::PrintPage(QPrinter* printer) {
  QPainter painter(printer);
  const QRect printable(QPoint(0, 0), printer->pageLayout().paintRectPixels(printer->resolution()).size());
  PrintReport(painter, printable, view_->Engine().ch1Trace, view_->Engine().ch2Trace, view_->Geometry());
}

bool CMainFrame::PrintToFile(const QString& path) {
  // The printer would write the file itself, truncating it first and never
  // noticing a failed write.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setPageLayout(printer_->pageLayout());
    writer.setResolution(printer_->resolution());
    QPainter painter(&writer);
    const QRect printable(QPoint(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
    PrintReport(painter, printable, view_->Engine().ch1Trace, view_->Engine().ch2Trace, view_->Geometry());
  }
  QString reason;
  if (WriteOutputFile(path, pdf.data(), {}, &reason)) return true;
  CurrentPrompts().ShowMessage(tr("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), reason));
  return false;
}

void CMainFrame::OnFilePrint() {
  QPrintDialog dialog(printer_.get(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!printer_->outputFileName().isEmpty())
    PrintToFile(printer_->outputFileName());
  else
    PrintPage(printer_.get());
}

void CMainFrame::OnFilePrintPreview() {
  QPrintPreviewDialog preview(printer_.get(), this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, &CMainFrame::PrintPage);
  preview.exec();
}

void CMainFrame::OnFilePrintSetup() {
  QPageSetupDialog dialog(printer_.get(), this);
  dialog.exec();
}
