// The main window's file commands: open, save sample, the CSV and bitmap
// exports and printing.

#include "app/Globals.h"
#include "app/Prompts.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/CRecordBar.h"
#include "gui/CommandIds.h"
#include "display/COndrixView.h"
#include "display/PictureFile.h"
#include "display/PrintReport.h"
#include "files/CsvExport.h"
#include "settings/OutputFile.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSlider>

void CMainFrame::OnFileOpen() {
  const QString path = CurrentPrompts().GetOpenFileName(WaveFilter());
  if (!path.isEmpty()) OpenWaveFile(path);
}

void CMainFrame::OpenWaveFile(const QString& path) {
  if (!MayDropRecording()) return;
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
  // PNG beside the bitmap: the same picture, for a ".png" name (which the
  // PNG filter gives a name typed without one).
  const QString filters = tr("位图文件(*.bmp)") + QStringLiteral(";;") + tr("PNG 图像(*.png)");
  const QString path = CurrentPrompts().GetSaveFileName(filters, QStringLiteral("BMP"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0) {
    view_->ExportBitmap(path);
    return;
  }
  QString reason;
  if (!WritePictureFile(view_->ExportPicture(), "PNG", path, {}, &reason))
    CurrentPrompts().ShowMessage(tr("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), reason));
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
    writer.setTitle(ReportDocumentTitle());
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
