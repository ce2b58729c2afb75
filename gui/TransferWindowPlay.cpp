// The transfer-function window's excitation: one signal on both output
// channels through the program's own kind of output, on the output device
// the program uses.

#include "gui/TransferWindow.h"

#include "acquisition/SamplingEngine.h"
#include "app/Globals.h"
#include "app/Prompts.h"
#include "display/COndrixView.h"
#include "display/SoundCard.h"
#include "generator/Excitation.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

namespace {

// The rate the input runs at, so the excitation needs no resampling on the
// way round.
int32_t InputRate(const SamplingEngine& engine) {
  const double rate = engine.Recent().SampleRate();
  return rate > 0 ? static_cast<int32_t>(rate) : g_settings.sampleRate;
}

}  // namespace

bool TransferWindow::Playing() const { return output_ && output_->IsPlaying(); }

void TransferWindow::Play() {
  if (g_view && g_view->SignalOutputRunning()) {
    CurrentPrompts().ShowMessage(tr("信号发生器正在输出。请先停止信号发生器，再播放激励。"));
    return;
  }
  if (!output_) output_ = MakeSoundCardOutput();
  output_->SetHealthHandler([this](bool live, const QString& reason) { OnOutputHealth(live, reason); });
  output_->SetDevice(g_view ? g_view->DevicesInUse().output : QByteArray());
  const GeneratedSignal signal = MakeExcitation(static_cast<Excitation>(excitation_->currentData().toInt()),
                                                level_->value(), InputRate(engine_));
  QString reason;
  outputProblem_.clear();
  if (!output_->Start(signal.format,
                      QByteArray(reinterpret_cast<const char*>(signal.bytes.data()), qsizetype(signal.bytes.size())),
                      &reason))
    outputProblem_ = tr("激励没有播放：%1").arg(reason);
  started_ = outputProblem_.isEmpty();
  ShowPlaying();
  Refresh(true);
}

void TransferWindow::Stop() {
  if (output_) output_->Stop();
  started_ = false;
  outputProblem_.clear();
  ShowPlaying();
}

void TransferWindow::Replay() {
  if (started_) Play();
}

void TransferWindow::ShowPlaying() { play_->setText(started_ ? tr("停止") : tr("播放")); }

void TransferWindow::OnOutputHealth(bool live, const QString& reason) {
  // The output tries again by itself; the note says so meanwhile.
  outputProblem_ = live ? QString() : tr("激励输出中断：%1。每秒重试一次。").arg(reason);
  ShowPlaying();
  shownAverages_ = -1;
  Refresh(true);
}

void TransferWindow::StopForGenerator() {
  if (!started_ || !g_view || !g_view->SignalOutputRunning()) return;
  Stop();
  outputProblem_ = tr("信号发生器开始输出，激励已停止。");
  shownAverages_ = -1;
}
