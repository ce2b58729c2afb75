#include "generator/SignalGenerator.h"

#include "generator/SignalSynthesis.h"

#include <QCoreApplication>

namespace {

constexpr int32_t kMinPeak = 10;
constexpr int32_t kMaxPeak = 32767;

// The generator's messages, in the program's language.
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(SignalGenerator)
};

QString ChannelName(bool left) { return left ? Texts::tr("左声道") : Texts::tr("右声道"); }

bool PeakInRange(int32_t peak) { return peak >= kMinPeak && peak <= kMaxPeak; }

// Empty when the channel can be synthesised at `rate`; `heard` says whether
// its waveform and peak matter (the right channel of a mono signal only sets
// the loop length).
QString CheckChannel(bool left, bool heard, int32_t wave, int32_t freq, int32_t peak, int32_t rate, int channels) {
  if (freq <= 0) return Texts::tr("%1的频率必须大于 0 Hz（现为 %2 Hz）").arg(ChannelName(left)).arg(freq);
  // A heard channel needs kMinHeardPeriodFrames a period; one that is not
  // heard only sets the loop's length and needs one frame.
  const int64_t minFrames = heard ? kMinHeardPeriodFrames : 1;
  if (PeriodFrames(rate, channels, wave, freq, heard) < minFrames) {
    return Texts::tr("%1的频率 %2 Hz 太高：在 %3 Hz 采样率下最高 %4 Hz")
        .arg(ChannelName(left))
        .arg(freq)
        .arg(rate)
        .arg(HighestFrequency(rate, channels, wave, heard, minFrames));
  }
  if (heard && !PeakInRange(peak))
    return Texts::tr("%1的峰值必须在 10 到 32767 之间（现为 %2）").arg(ChannelName(left)).arg(peak);
  return {};
}

WaveFormat SignalFormat(int channels, int32_t rate) {
  return MakePcmFormat(static_cast<uint16_t>(channels), static_cast<uint32_t>(rate), 16);
}

}  // namespace

int32_t GeneratorSampleRate(int32_t sampleRate) {
  return sampleRate < 44100 || sampleRate > 200000 ? 44100 : sampleRate;
}

std::optional<GeneratedSignal> MakeFunctionSignal(int32_t leftWave, int32_t rightWave, int32_t leftFreq,
                                                  int32_t rightFreq, int32_t leftPeak, int32_t rightPeak,
                                                  int32_t sampleRate, int channels, QString* refusal) {
  const int32_t rate = GeneratorSampleRate(sampleRate);
  const bool stereo = channels == 2;
  QString why = CheckChannel(true, true, leftWave, leftFreq, leftPeak, rate, channels);
  if (why.isEmpty()) why = CheckChannel(false, stereo, rightWave, rightFreq, rightPeak, rate, channels);
  if (!why.isEmpty()) {
    if (refusal) *refusal = why;
    return std::nullopt;
  }

  const WaveChannel left{leftWave, leftFreq, leftPeak};
  const WaveChannel right{rightWave, rightFreq, rightPeak};
  const FunctionSignalLayout layout = PlanFunctionSignal(rate, channels, left, right);
  GeneratedSignal signal;
  signal.bytes = SynthesizeFunctionSignal(layout, left, right, rate, channels);
  signal.format = SignalFormat(channels, rate);
  if (layout.leftPeriodsOnly && stereo) {
    signal.note = Texts::tr("左右声道的周期在 16 MiB 内没有公倍数：信号只含左声道的整周期，右声道在每次循环处相位跳变");
  }
  return signal;
}

std::optional<GeneratedSignal> MakeSweepSignal(int32_t wave, int32_t startFreq, int32_t endFreq, int32_t peak,
                                               int32_t riseMs, int32_t sampleRate, int channels,
                                               QString* refusal) {
  (void)wave;
  const int32_t rate = GeneratorSampleRate(sampleRate);
  const int64_t maxRiseMs = static_cast<int64_t>(kSignalMaxBytes) / (channels * int64_t{rate / 1000});
  QString why;
  if (endFreq <= 0) {
    why = Texts::tr("扫频的结束频率必须大于 0 Hz（现为 %1 Hz）").arg(endFreq);
  } else if (startFreq > rate) {
    why = Texts::tr("扫频的起始频率 %1 Hz 太高：在 %2 Hz 采样率下最高 %2 Hz").arg(startFreq).arg(rate);
  } else if (riseMs <= 0) {
    why = Texts::tr("扫频时间必须大于 0 ms（现为 %1 ms）").arg(riseMs);
  } else if (riseMs > maxRiseMs) {
    why = Texts::tr("扫频时间 %1 ms 太长：在 %2 Hz 采样率下最长 %3 ms").arg(riseMs).arg(rate).arg(maxRiseMs);
  } else if (!PeakInRange(peak)) {
    why = Texts::tr("扫频信号的峰值必须在 10 到 32767 之间（现为 %1）").arg(peak);
  }
  if (!why.isEmpty()) {
    if (refusal) *refusal = why;
    return std::nullopt;
  }
  GeneratedSignal signal;
  signal.bytes = SynthesizeSweepSignal(startFreq, endFreq, peak, riseMs, rate, channels);
  signal.format = SignalFormat(channels, rate);
  return signal;
}

std::optional<GeneratedSignal> MakeGeneratorSignal(const GeneratorParams& p, int32_t sampleRate, int channels,
                                                   QString* refusal) {
  if (p.functionMode != 0) {
    return MakeFunctionSignal(p.leftWave, p.rightWave, p.leftFreq, p.rightFreq, p.leftPeak, p.rightPeak, sampleRate,
                              channels, refusal);
  }
  return MakeSweepSignal(p.leftWave, p.leftFreq, p.rightFreq, p.leftPeak, p.sweepRiseMs, sampleRate, channels,
                         refusal);
}
