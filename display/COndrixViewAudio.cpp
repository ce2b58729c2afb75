// The view's sound card as the sound server sees it: the devices chosen on
// the settings sheet, and what the user sees when a stream is lost and when
// it runs again.

#include "display/COndrixView.h"

#include "acquisition/AudioDevices.h"
#include "app/Globals.h"
#include "app/Prompts.h"
#include "display/SoundCard.h"

#include <QStringList>

namespace {

// How long start-up waits for the sound server's device lists.
constexpr int kDeviceListWaitMs = 2000;

}  // namespace

AudioDevices& COndrixView::Devices() { return devices_ ? *devices_ : SoundCardDevices(); }

void COndrixView::LoadAudioDevices() {
  QString problem;
  storedDevices_ = ReadAudioDeviceChoice(AppFilePath(QString::fromLatin1(kAudioDeviceFile)), &problem);
  QStringList notes;
  if (!problem.isEmpty()) notes << problem;
  devicesInUse_ = storedDevices_;
  const bool chosen = !storedDevices_.input.isEmpty() || !storedDevices_.output.isEmpty();
  // A chosen device that is not there now gives way to the default for this
  // run; the file keeps it for when it is plugged in again.
  if (chosen && Devices().WaitForLists(kDeviceListWaitMs)) {
    if (!devicesInUse_.input.isEmpty() && !FindAudioDevice(Devices().Inputs(), devicesInUse_.input)) {
      notes << tr("所选的输入设备“%1”不在，改用默认设备").arg(QString::fromUtf8(devicesInUse_.input));
      devicesInUse_.input.clear();
    }
    if (!devicesInUse_.output.isEmpty() && !FindAudioDevice(Devices().Outputs(), devicesInUse_.output)) {
      notes << tr("所选的输出设备“%1”不在，改用默认设备").arg(QString::fromUtf8(devicesInUse_.output));
      devicesInUse_.output.clear();
    }
  }
  input_->SetDevice(devicesInUse_.input);
  output_->SetDevice(devicesInUse_.output);
  if (!notes.isEmpty()) CurrentPrompts().ShowStatus(notes.join(tr("；")));
}

void COndrixView::UseAudioDevices(const AudioDeviceChoice& choice) {
  storedDevices_ = devicesInUse_ = choice;
  input_->SetDevice(choice.input);
  output_->SetDevice(choice.output);
}

void COndrixView::WatchAudioHealth() {
  input_->SetHealthHandler([this](bool live, const QString& reason) { OnInputHealth(live, reason); });
  output_->SetHealthHandler([this](bool live, const QString& reason) { OnOutputHealth(live, reason); });
}

void COndrixView::OnInputHealth(bool live, const QString& reason) {
  inputLost_ = !live;
  inputWasLost_ = true;  // also a return after a failed open, never reported lost
  inputLostReason_ = reason;
  // The picture must not go on showing the last sound as if it were live:
  // the live input falls silent, so the traces lie flat and the readouts
  // read nothing. The frozen sample and the recording keep what they hold.
  if (!live) {
    engine_.liveBuf8.fill(128);
    engine_.liveBuf16.fill(0);
  }
  ShowAudioStatus();
}

void COndrixView::OnOutputHealth(bool live, const QString& reason) {
  outputLost_ = !live;
  outputWasLost_ = true;
  outputLostReason_ = reason;
  ShowAudioStatus();
  if (onSignalOutputChanged) onSignalOutputChanged();
}

void COndrixView::ShowAudioStatus() {
  QStringList lost;
  if (inputLost_ && outputLost_ && inputLostReason_ == outputLostReason_) {
    lost << tr("声音输入和信号输出中断：%1").arg(inputLostReason_);
  } else {
    if (inputLost_) lost << tr("声音输入中断：%1").arg(inputLostReason_);
    if (outputLost_) lost << tr("信号输出中断：%1").arg(outputLostReason_);
  }
  if (!lost.isEmpty()) {
    CurrentPrompts().ShowStatus(tr("%1。每秒重试一次。").arg(lost.join(tr("；"))));
    return;
  }
  // Everything runs again: say what came back since the last time it did.
  CurrentPrompts().ShowStatus(inputWasLost_ && outputWasLost_ ? tr("声音输入和信号输出已恢复")
                              : inputWasLost_                 ? tr("声音输入已恢复")
                                                              : tr("信号输出已恢复"));
  inputWasLost_ = outputWasLost_ = false;
}
