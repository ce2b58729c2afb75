#include "acquisition/SamplingEngine.h"

#include "acquisition/AudioInput.h"
#include "acquisition/SamplingPlugin.h"
#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"
#include "app/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <algorithm>
#include <cstring>

SamplingEngine::SamplingEngine(AudioInput* input) { SetAudioInput(input); }

SamplingEngine::~SamplingEngine() {
  if (input_) input_->SetBlockHandler(nullptr);
}

void SamplingEngine::SetAudioInput(AudioInput* input) {
  if (input_) input_->SetBlockHandler(nullptr);
  input_ = input;
  if (input_) input_->SetBlockHandler([this](const uint8_t* data, std::size_t count) { OnWaveInData(data, count); });
}

// ---------------------------------------------------------------- the input

namespace {

// The input format the settings ask for.
WaveFormat SettingsInputFormat() {
  return MakePcmFormat(g_settings.channels, static_cast<uint32_t>(g_settings.sampleRate), g_settings.bitsPerSample);
}

}  // namespace

void SamplingEngine::OpenWaveIn() {
  waveFormat = SettingsInputFormat();
  recent_.Clear();
  if (input_ && input_->IsOpen()) input_->Close();
  // The format the input runs in, or keeps trying to open in.
  inputFormat_ = waveFormat;
  if (input_ && input_->Open(waveFormat)) return;
  // What is missing and what to do (no sound server, no device) goes beside
  // "Init fail!" when the input can tell.
  QString text = QCoreApplication::translate("SamplingEngine", "Init fail!");
  if (const QString problem = input_ ? input_->OpenProblem() : QString(); !problem.isEmpty())
    text += QStringLiteral("\n\n") + problem;
  CurrentPrompts().ShowMessage(text);
}

void SamplingEngine::CloseWaveIn() {
  recent_.Clear();
  if (input_ && !input_->Close())
    CurrentPrompts().ShowMessage(QCoreApplication::translate("SamplingEngine", "Error No.1"));
}

void SamplingEngine::StartWaveIn() {
  // What arrives after a pause does not continue what came before it.
  recent_.Clear();
  if (input_) input_->Start();
}

void SamplingEngine::StopWaveIn() {
  if (input_) input_->Stop();
}

bool SamplingEngine::WaveInOpen() const { return input_ && input_->IsOpen(); }

void SamplingEngine::ResumeInput() {
  if (!WaveInOpen() || inputFormat_ != SettingsInputFormat())
    OpenWaveIn();
  else
    StartWaveIn();
}

void SamplingEngine::OnWaveInData(const uint8_t* data, std::size_t count) {
  // A plug-in replaces the sound card: its blocks are neither shown nor recorded.
  if (g_pluginEnabled) return;
  count = std::min(count, kBlockBytes);
  // The ring takes the block as shown, in the format the input runs in;
  // a block the live buffer reads in another width is no such sample.
  const bool recent = inputFormat_.bitsPerSample == g_settings.bitsPerSample;
  if (g_settings.bitsPerSample == 8) {
    std::memcpy(liveBuf8.data(), data, count);
    if (recent) recent_.Append(inputFormat_, liveBuf8.data(), count);
  } else {
    std::memcpy(liveBuf16.data(), data, count);
    // The calibration offset corrects what is shown; the recording keeps the
    // device's own samples.
    if (const int16_t offset = g_settings.calibrationOffset; offset != 0)
      for (int16_t& v : liveBuf16) v = static_cast<int16_t>(v - offset);
    if (recent) recent_.Append(inputFormat_, liveBuf16.data(), count / 2);
  }
  if (g_recordState == Recording) AppendToRecording(data, count);
}

void SamplingEngine::AppendToRecording(const uint8_t* data, std::size_t count) {
  if (recordingHalted_) return;
  RecordingBuffer& recording = CurrentRecording();
  if (recording.Append(data, count)) {
    QString reason;
    if (spool_.IsOpen() && !spool_.Append(data, count, &reason)) SpoolFailed(reason);
  } else {
    recordingHalted_ = true;
    const QString cause =
        count > recording.MaxBytes() - recording.Size()
            ? QCoreApplication::translate("SamplingEngine", "录音已达到上限 %1")
                  .arg(QLocale().formattedDataSize(static_cast<qint64>(recording.MaxBytes())))
            : QCoreApplication::translate("SamplingEngine", "内存不足");
    CurrentPrompts().ShowMessage(
        QCoreApplication::translate("SamplingEngine", "%1，录制已停止。已录制的数据全部保留，按“停止”可保存。")
            .arg(cause));
  }
}

// ----------------------------------------------------------- the display tick

void SamplingEngine::ConvertFrame() {
  if (g_settings.bitsPerSample == 8)
    ConvertFrame8();
  else
    ConvertFrame16();
}

// A plug-in that is the source fills the live buffer first. When it has no
// export for the current sample width (the width was changed on the settings
// page), nothing is called and the live picture keeps its last frame.
void SamplingEngine::ConvertFrame8() {
  const bool pluginTick = g_pluginEnabled && g_displayMode != FunctionSignal;
  if (pluginTick && g_pluginWrite8) {
    g_pluginWrite8(liveBuf8.data(), kPluginBufferLength);
    recent_.Append(SettingsInputFormat(), liveBuf8.data(), kPluginBufferLength);
  }
  ConvertFrameFrom(liveBuf8.data(), sampleBuf8.data(), pluginTick && !g_pluginWrite8,
                   [](uint8_t v) { return int32_t{v} - 128; });
}

void SamplingEngine::ConvertFrame16() {
  const bool pluginTick = g_pluginEnabled && g_displayMode != FunctionSignal;
  if (pluginTick && g_pluginWrite16) {
    g_pluginWrite16(liveBuf16.data(), kPluginBufferLength);
    recent_.Append(SettingsInputFormat(), liveBuf16.data(), kPluginBufferLength);
  }
  ConvertFrameFrom(liveBuf16.data(), sampleBuf16.data(), pluginTick && !g_pluginWrite16,
                   [](int16_t v) { return int32_t{v}; });
}

template <typename Element, typename ToValue>
void SamplingEngine::ConvertFrameFrom(const Element* live, const Element* sample, bool liveStalled,
                                      ToValue toValue) {
  const bool stereo = g_settings.channels == 2;
  const std::size_t frameElements = stereo ? 2 * kTraceLength : kTraceLength;
  const std::size_t elements = RecElements();
  auto* stage = reinterpret_cast<uint8_t*>(frameStage_.data());
  const Element* source = nullptr;
  bool fromRecording = false;

  if (g_displayMode == FunctionSignal) {
    // The generated signal from the start of the recording; a signal shorter
    // than a frame leaves the rest of the frame at zero.
    ch1Trace.fill(0);
    ch2Trace.fill(0);
    const std::size_t n = std::min(elements, frameElements);
    std::memset(stage, 0, frameElements * sizeof(Element));
    CurrentRecording().CopyOut(0, stage, n * sizeof(Element));
    source = reinterpret_cast<const Element*>(stage);
  } else if (g_recordState == Playing || g_recordState == Paused) {
    // Only a whole frame inside the recording is shown; otherwise the display
    // keeps the last one.
    if (g_playbackPos < 0 || static_cast<std::size_t>(g_playbackPos) + frameElements > elements) return;
    CurrentRecording().CopyOut(static_cast<std::size_t>(g_playbackPos) * sizeof(Element), stage,
                        frameElements * sizeof(Element));
    source = reinterpret_cast<const Element*>(stage);
    fromRecording = true;
  } else {
    if (g_showRealTime && liveStalled) return;
    source = g_showRealTime ? live : sample;
  }

  if (stereo) {
    for (int i = 0; i < kTraceLength; ++i) {
      ch1Trace[i] = toValue(source[2 * i]);
      ch2Trace[i] = toValue(source[2 * i + 1]);
    }
  } else {
    for (int i = 0; i < kTraceLength; ++i) ch1Trace[i] = toValue(source[i]);
  }

  if (fromRecording && g_recordState == Playing) {
    g_playbackPos += kPlaybackStep;
    if (onPlaybackAdvanced) onPlaybackAdvanced(g_playbackPos);
  }

  if (g_displayMode == FrequencyDomain) {
    g_settings.ch1Frequency =
        SpectrumAndPeak(ch1Trace.data(), kTraceLength, g_settings.sampleRate, g_settings.gainDivisor);
    if (stereo)
      g_settings.ch2Frequency =
          SpectrumAndPeak(ch2Trace.data(), kTraceLength, g_settings.sampleRate, g_settings.gainDivisor);
  }
}

// --------------------------------------------------------- the frozen sample

void SamplingEngine::CaptureSample() {
  if (g_settings.bitsPerSample == 8)
    sampleBuf8 = liveBuf8;
  else
    sampleBuf16 = liveBuf16;
}

void SamplingEngine::ClearSample() {
  if (g_settings.bitsPerSample == 8)
    sampleBuf8.fill(0);
  else
    sampleBuf16.fill(0);
}

// ------------------------------------------------------------- the recording

RecordingBuffer& SamplingEngine::CurrentRecording() { return g_settings.bitsPerSample == 8 ? recBuf8 : recBuf16; }

const RecordingBuffer& SamplingEngine::UserRecording() const {
  return recordFormat_.bitsPerSample == 8 ? recBuf8 : recBuf16;
}

const RecordingBuffer& SamplingEngine::CurrentRecording() const {
  return g_settings.bitsPerSample == 8 ? recBuf8 : recBuf16;
}

std::size_t SamplingEngine::RecElements() const {
  return g_settings.bitsPerSample == 8 ? recBuf8.Size() : recBuf16.Size() / 2;
}

int32_t SamplingEngine::ReplaySliderMax() const {
  const std::size_t elements = RecElements();
  return elements > 2048 ? static_cast<int32_t>(elements - 2048) : 0;
}

void SamplingEngine::SetPlaybackPos(int32_t position) { g_playbackPos = position; }

// ------------------------------------------------- recording and replay commands

TransportResult SamplingEngine::Record(bool samplingOn) {
  TransportResult r;
  // A plug-in's data is never recorded: the record bar offers no Record then.
  if (g_pluginEnabled) {
    r.refused = true;
    return r;
  }
  // The generator's view shows a signal of its own, not the input.
  if (g_displayMode == FunctionSignal) {
    CurrentPrompts().ShowMessage(
        QCoreApplication::translate("SamplingEngine", "函数信号视图中不能录制：请先选择“时域”或“频域”。"));
    r.refused = true;
    return r;
  }
  // Extending a recording: the input runs in the recording's format, even
  // when the rate, channels or width were changed since it was made or
  // loaded; two formats in one file would play at the wrong speed.
  if (g_recordState != Idle && heldFormat_.channels != 0 && heldFormat_ != SettingsInputFormat()) {
    g_settings.channels = heldFormat_.channels;
    g_settings.sampleRate = static_cast<int32_t>(heldFormat_.samplesPerSec);
    g_settings.bitsPerSample = heldFormat_.bitsPerSample;
  }
  // A recording needs input: Record starts it, in the format in force.
  if (!samplingOn || !WaveInOpen() || inputFormat_ != SettingsInputFormat()) {
    ResumeInput();
    if (!WaveInOpen()) {  // "Init fail!" has been shown
      r.refused = true;
      return r;
    }
    r.samplingStarted = true;
  }
  if (g_recordState == Idle) CurrentRecording().Clear();
  heldFormat_ = inputFormat_;
  if (g_recordState == Idle || !userRecording_) recordFormat_ = waveFormat;
  userRecording_ = true;
  recordingHalted_ = false;
  g_recordState = Recording;
  StartSpool();
  return r;
}

void SamplingEngine::StartSpool() {
  if (spoolFolder_.isEmpty() || spool_.IsOpen() || spoolFailed_) return;
  // A recording that extends a loaded file or a saved recording spools
  // what it holds already, so a recovered spool is the whole recording.
  QString reason;
  if (!spool_.Create(spoolFolder_, recordFormat_, &reason)) {
    SpoolFailed(reason);
    return;
  }
  for (const std::span<const uint8_t> piece : UserRecording().Pieces()) {
    if (!spool_.Append(piece.data(), piece.size(), &reason)) {
      SpoolFailed(reason);
      return;
    }
  }
}

void SamplingEngine::SpoolFailed(const QString& reason) {
  // Once per recording: a failed spool takes nothing more.
  spoolFailed_ = true;
  const QString where = QDir::toNativeSeparators(spool_.Path().isEmpty() ? spoolFolder_ : spool_.Path());
  CurrentPrompts().ShowStatus(
      QCoreApplication::translate("SamplingEngine", "录音暂存文件（%1）出错：%2。录音只在内存中，程序崩溃时无法恢复。")
          .arg(where, reason));
}

void SamplingEngine::EndUserRecording() {
  userRecording_ = false;
  spoolFailed_ = false;
  spool_.Remove();
}

TransportResult SamplingEngine::Playback() {
  TransportResult r;
  if (RecBytes() == 0) {
    r.noData = true;
    return r;
  }
  StopWaveIn();
  r.samplingStopped = true;
  g_recordState = Playing;
  return r;
}

TransportResult SamplingEngine::Pause() {
  if (g_recordState == Playing) g_recordState = Paused;
  return {};
}

TransportResult SamplingEngine::Stop() {
  TransportResult r;
  switch (g_recordState) {
    case Recording:
      // From this moment no block is appended, however long the user takes
      // to choose a file.
      g_recordState = Idle;
      r.setSliderRange = true;
      r.sliderMax = ReplaySliderMax();
      r.setSliderPos = true;
      r.sliderPos = 0;
      r.askForFile = true;
      break;
    case Playing:
      g_playbackPos = 0;
      r.setSliderPos = true;
      r.sliderPos = 0;
      g_recordState = Paused;
      break;
    default:
      g_recordState = Idle;
      r.askForFile = userRecording_;
      break;
  }
  return r;
}

TransportResult SamplingEngine::StartSampling(bool samplingOn) {
  TransportResult r;
  if ((g_recordState == Idle || g_recordState == Paused) && !samplingOn && g_displayMode != FunctionSignal) {
    // The generator (and an opened file) put their own rate and width in
    // force while the input stays open, paused, in the format it had.
    // Resuming that would read an 8-bit stream as 16-bit samples, or time
    // the picture at the wrong rate: such an input is reopened in the format
    // now in force. A plug-in keeps the card as it is (its rate is not the
    // card's).
    if (!g_pluginEnabled && WaveInOpen() && inputFormat_ != SettingsInputFormat())
      OpenWaveIn();
    else
      StartWaveIn();
    g_recordState = Idle;
    r.samplingStarted = true;
  }
  return r;
}

TransportResult SamplingEngine::StopSampling(bool samplingOn) {
  TransportResult r;
  if (samplingOn) {
    StopWaveIn();
    r.samplingStopped = true;
  }
  return r;
}
