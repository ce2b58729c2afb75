// The main window's recorder: the record bar's buttons and slider, the save
// dialog that follows Stop, and the question asked before anything drops a
// recording the user has not saved.

#include "app/Globals.h"
#include "app/Prompts.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/CRecordBar.h"
#include "gui/CommandIds.h"
#include "display/COndrixView.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QSlider>

QString CMainFrame::WaveFilter() { return tr("波形文件(*.wav)"); }

// Enable states and selection of the four record-bar buttons.
void CMainFrame::ShowRecordButtons(bool record, bool playback, bool pause, bool stop, int selected) {
  recordLook_ = {record, playback, pause, stop, selected};
  ApplyRecordLook();
}

// The look the commands gave the bar, with two exceptions: Record is greyed
// while a plug-in is the source (its data is never recorded), and Stop stays
// enabled while a recording waits to be saved.
void CMainFrame::ApplyRecordLook() {
  const RecordLook& look = recordLook_;
  recordBar_->SetEnabled(IDC_RECORD, look.record && !g_pluginEnabled);
  recordBar_->SetEnabled(IDC_PLAYBACK, look.playback);
  recordBar_->SetEnabled(IDC_PAUSE, look.pause);
  recordBar_->SetEnabled(IDC_STOP, look.stop || view_->Engine().HasUserRecording());
  recordBar_->Select(look.selected);
}

void CMainFrame::RefreshRecordAvailability() {
  ApplyRecordLook();
  const bool blocked = g_pluginEnabled != 0;
  if (blocked && !recordBlocked_) CurrentPrompts().ShowStatus(tr("采样插件是输入源时不能录制（插件的数据不录制）。"));
  recordBlocked_ = blocked;
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
  // Record from Idle starts a new recording over the one that waits.
  if (g_recordState == Idle && !MayDropRecording()) {
    ApplyRecordLook();
    return;
  }
  const TransportResult r = view_->Engine().Record(samplingOn_);
  if (r.refused) {
    ApplyRecordLook();  // the click selected Record: the bar shows what holds
    return;
  }
  ShowRecordButtons(false, false, true, true, IDC_RECORD);
  ApplyTransport(r);
  // A recording extended in its own format brings its rate back.
  controlPanel_->SyncSampleRateSlider();
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
  if (r.askForFile) SaveUnsavedRecording();
  ApplyRecordLook();
}

bool CMainFrame::SaveUntilDone(const std::function<bool(const QString& path)>& save) {
  for (;;) {
    const QString path = CurrentPrompts().GetSaveFileName(WaveFilter(), QStringLiteral("wav"));
    if (path.isEmpty()) return false;
    if (save(path)) return true;
  }
}

bool CMainFrame::SaveUnsavedRecording() {
  // Cancelled, the recording waits and Stop offers it again.
  return SaveUntilDone([this](const QString& path) { return view_->Engine().SaveUserRecording(path); });
}

bool CMainFrame::MayDropRecording() {
  SamplingEngine& engine = view_->Engine();
  if (!engine.HasUserRecording()) return true;
  const bool recording = g_recordState == Recording;
  const Prompts::SaveChoice choice = CurrentPrompts().AskSaveRecording(
      recording ? tr("正在录音。录音将被丢弃，要先保存吗？") : tr("录音还没有保存，将被丢弃。要先保存吗？"));
  if (choice == Prompts::SaveChoice::Cancel) return false;
  // Either way the recording ends here, as Stop would end it.
  if (recording) {
    ShowRecordButtons(true, true, false, false, IDC_STOP);
    ApplyTransport(engine.Stop());
  }
  bool goAhead = true;
  if (choice == Prompts::SaveChoice::Discard)
    engine.DiscardUserRecording();
  else
    goAhead = SaveUnsavedRecording();
  ApplyRecordLook();
  return goAhead;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (closeWithoutAsking_ || MayDropRecording())
    event->accept();
  else
    event->ignore();
}

void CMainFrame::OnPlaybackSlider(int position) { view_->Engine().SetPlaybackPos(position); }

void CMainFrame::SyncPlaybackSlider() {
  if (!recordBar_) return;
  recordBar_->SetSliderPosition(g_playbackPos);
  // The slider keeps its position inside its range, and the replay with it:
  // replay stops advancing at the range's upper end.
  g_playbackPos = recordBar_->Slider()->value();
}

void CMainFrame::CloseWithoutAsking() {
  closeWithoutAsking_ = true;
  close();
  // Also out of a dialog that is open now.
  QCoreApplication::exit(0);
}
