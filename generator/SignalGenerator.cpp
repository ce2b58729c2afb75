#include "generator/SignalGenerator.h"

#include "generator/SignalSynthesis.h"

#include <QCoreApplication>

namespace {

// The generator's messages, in the program's language.
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(SignalGenerator)
};

WaveFormat SignalFormat(int channels, int32_t rate) {
  return MakePcmFormat(static_cast<uint16_t>(channels), static_cast<uint32_t>(rate), 16);
}

GeneratedSignal FunctionSignal(const GeneratorParams& p, int32_t rate, int channels) {
  const WaveChannel left{p.leftWave, p.leftFreq, p.leftPeak};
  const WaveChannel right{p.rightWave, p.rightFreq, p.rightPeak};
  const FunctionSignalLayout layout = PlanFunctionSignal(rate, channels, left, right);
  GeneratedSignal signal;
  signal.bytes = SynthesizeFunctionSignal(layout, left, right, rate, channels);
  signal.format = SignalFormat(channels, rate);
  if (layout.leftPeriodsOnly && channels == 2) {
    signal.note = Texts::tr("左右声道的周期在 16 MiB 内没有公倍数：信号只含左声道的整周期，右声道在每次循环处相位跳变");
  }
  return signal;
}

GeneratedSignal SweepSignal(const GeneratorParams& p, int32_t rate, int channels) {
  GeneratedSignal signal;
  signal.bytes = SynthesizeSweepSignal(p.leftFreq, p.rightFreq, p.leftPeak, p.sweepRiseMs, rate, channels);
  signal.format = SignalFormat(channels, rate);
  return signal;
}

}  // namespace

std::optional<GeneratedSignal> MakeFunctionSignal(int32_t leftWave, int32_t rightWave, int32_t leftFreq,
                                                  int32_t rightFreq, int32_t leftPeak, int32_t rightPeak,
                                                  int32_t sampleRate, int channels, QString* refusal) {
  const GeneratorParams p{1, {}, leftWave, rightWave, leftFreq, rightFreq, leftPeak, rightPeak, 0};
  return MakeGeneratorSignal(p, sampleRate, channels, refusal);
}

std::optional<GeneratedSignal> MakeSweepSignal(int32_t wave, int32_t startFreq, int32_t endFreq, int32_t peak,
                                               int32_t riseMs, int32_t sampleRate, int channels,
                                               QString* refusal) {
  const GeneratorParams p{0, {}, wave, wave, startFreq, endFreq, peak, peak, riseMs};
  return MakeGeneratorSignal(p, sampleRate, channels, refusal);
}

std::optional<GeneratedSignal> MakeGeneratorSignal(const GeneratorParams& p, int32_t sampleRate, int channels,
                                                   QString* refusal) {
  const QList<GeneratorFault> faults = GeneratorFaults(p, sampleRate, channels);
  if (!faults.isEmpty()) {
    if (refusal) *refusal = faults.front().message;
    return std::nullopt;
  }
  const int32_t rate = GeneratorSampleRate(sampleRate);
  return p.functionMode != 0 ? FunctionSignal(p, rate, channels) : SweepSignal(p, rate, channels);
}
