// The view's signal generator: synthesis into the recording, the looped
// output through the sound card, and the files the start button writes.

#include "display/COndrixView.h"

#include "app/Globals.h"
#include "app/Prompts.h"
#include "display/SoundCard.h"

bool COndrixView::TakeSignal(std::optional<GeneratedSignal> signal, const QString& refusal) {
  if (!signal) {
    CurrentPrompts().ShowMessage(refusal);
    return false;
  }
  RecordingBuffer recording;
  if (!recording.Append(signal->bytes.data(), signal->bytes.size())) {
    CurrentPrompts().ShowMessage(tr("内存不足，无法生成信号"));
    return false;
  }
  // The generator's rate and sample width stay in force for sampling too.
  g_settings.sampleRate = static_cast<int32_t>(signal->format.samplesPerSec);
  g_settings.bitsPerSample = 16;
  engine_.recBuf16 = std::move(recording);
  engine_.SetHeldFormat(signal->format);
  signalFormat_ = signal->format;
  if (!signal->note.isEmpty()) CurrentPrompts().ShowStatus(signal->note);
  return true;
}

bool COndrixView::GenerateFunctionSignal(int32_t leftWave, int32_t rightWave, int32_t leftFreq, int32_t rightFreq,
                                         int32_t leftPeak, int32_t rightPeak) {
  QString refusal;
  return TakeSignal(MakeFunctionSignal(leftWave, rightWave, leftFreq, rightFreq, leftPeak, rightPeak,
                                       g_settings.sampleRate, g_settings.channels, &refusal),
                    refusal);
}

bool COndrixView::GenerateSweepSignal(int32_t wave, int32_t startFreq, int32_t endFreq, int32_t peak,
                                      int32_t riseMs) {
  QString refusal;
  return TakeSignal(
      MakeSweepSignal(wave, startFreq, endFreq, peak, riseMs, g_settings.sampleRate, g_settings.channels, &refusal),
      refusal);
}

bool COndrixView::GenerateSignal() {
  QString refusal;
  return TakeSignal(MakeGeneratorSignal(g_generator, g_settings.sampleRate, g_settings.channels, &refusal), refusal);
}

WaveFormat COndrixView::SignalFormat() const {
  // Before any synthesis: the shared channels and rate, at 16 bits.
  return signalFormat_.channels != 0
             ? signalFormat_
             : MakePcmFormat(g_settings.channels, static_cast<uint32_t>(g_settings.sampleRate), 16);
}

bool COndrixView::StartSignalOutput() {
  // The output plays its own copy: a new signal, a recording or a file loaded
  // while it plays changes only the recording.
  const std::size_t bytes = engine_.recBuf16.Size();
  QByteArray copy(static_cast<qsizetype>(bytes), Qt::Uninitialized);
  engine_.recBuf16.CopyOut(0, reinterpret_cast<uint8_t*>(copy.data()), bytes);
  QString reason;
  if (!output_->Start(SignalFormat(), std::move(copy), &reason)) {
    CurrentPrompts().ShowStatus(tr("信号输出没有启动：%1").arg(reason));
    return false;
  }
  return true;
}

void COndrixView::StopSignalOutput() { output_->Stop(); }

bool COndrixView::SignalOutputRunning() const { return output_->IsPlaying(); }

void COndrixView::SetAudioOutput(std::unique_ptr<AudioOutput> output) {
  output_->Stop();
  output_ = output ? std::move(output) : MakeSoundCardOutput();
  output_->SetDevice(devicesInUse_.output);
  WatchAudioHealth();
}

bool COndrixView::WriteGeneratorParams() {
  QString error;
  if (!SaveGeneratorParams(AppFilePath(QStringLiteral("wavedata.ini")), g_generator, &error)) {
    CurrentPrompts().ShowMessage(error);
    return false;
  }
  return true;
}

bool COndrixView::WriteSignalWavFile() {
  return engine_.WriteWavFile(AppFilePath(QStringLiteral("signal.wav")), SignalFormat()) != 0;
}

bool COndrixView::StartGenerator() {
  // Checked before anything is written: a refused set changes nothing.
  QString refusal;
  std::optional<GeneratedSignal> signal =
      MakeGeneratorSignal(g_generator, g_settings.sampleRate, g_settings.channels, &refusal);
  if (!signal) {
    CurrentPrompts().ShowMessage(refusal);
    return false;
  }
  WriteGeneratorParams();
  if (!TakeSignal(std::move(signal), refusal)) return false;
  WriteSignalWavFile();  // a failure is shown; the output still starts
  StartSignalOutput();
  return true;
}
