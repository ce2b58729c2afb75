#include "generator/GeneratorLimits.h"

#include "generator/SignalSynthesis.h"

#include <QCoreApplication>

namespace {

// The generator's messages, in the program's language.
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(SignalGenerator)
};

bool IsWaveform(int32_t wave) { return wave >= Sine && wave <= Sawtooth; }
bool IsPeak(int32_t peak) { return peak >= kMinPeak && peak <= kMaxPeak; }

QString ChannelName(bool left) { return left ? Texts::tr("左声道") : Texts::tr("右声道"); }

// The faults of one channel of a function signal. `heard` false is the right
// channel of a mono signal: only its frequency counts, for the loop's length.
void AddChannelFaults(QList<GeneratorFault>& faults, const GeneratorParams& p, bool left, bool heard, int32_t rate,
                      int channels) {
  const int32_t wave = left ? p.leftWave : p.rightWave;
  const int32_t freq = left ? p.leftFreq : p.rightFreq;
  const int32_t peak = left ? p.leftPeak : p.rightPeak;
  if (heard && !IsWaveform(wave)) {
    faults.append({left ? &GeneratorParams::leftWave : &GeneratorParams::rightWave, left ? "leftWave" : "rightWave",
                   Texts::tr("%1的波形必须在 0 到 3 之间（现为 %2）").arg(ChannelName(left)).arg(wave)});
  }
  const auto freqField = left ? &GeneratorParams::leftFreq : &GeneratorParams::rightFreq;
  const char* freqName = left ? "leftFreq" : "rightFreq";
  // A heard channel needs kMinHeardPeriodFrames a period; one that is not
  // heard only sets the loop's length and needs one frame.
  const int64_t minFrames = heard ? kMinHeardPeriodFrames : 1;
  if (freq <= 0) {
    faults.append({freqField, freqName,
                   Texts::tr("%1的频率必须大于 0 Hz（现为 %2 Hz）").arg(ChannelName(left)).arg(freq)});
  } else if (PeriodFrames(rate, channels, wave, freq, heard) < minFrames) {
    faults.append({freqField, freqName,
                   Texts::tr("%1的频率 %2 Hz 太高：在 %3 Hz 采样率下最高 %4 Hz")
                       .arg(ChannelName(left))
                       .arg(freq)
                       .arg(rate)
                       .arg(HighestFrequency(rate, channels, wave, heard, minFrames))});
  }
  if (heard && !IsPeak(peak)) {
    faults.append({left ? &GeneratorParams::leftPeak : &GeneratorParams::rightPeak, left ? "leftPeak" : "rightPeak",
                   Texts::tr("%1的峰值必须在 10 到 32767 之间（现为 %2）").arg(ChannelName(left)).arg(peak)});
  }
}

void AddSweepFaults(QList<GeneratorFault>& faults, const GeneratorParams& p, int32_t rate, int channels) {
  const int64_t maxRiseMs = static_cast<int64_t>(kSignalMaxBytes) / (channels * int64_t{rate / 1000});
  if (p.rightFreq <= 0) {
    faults.append({&GeneratorParams::rightFreq, "rightFreq",
                   Texts::tr("扫频的结束频率必须大于 0 Hz（现为 %1 Hz）").arg(p.rightFreq)});
  }
  if (p.leftFreq > rate) {
    faults.append({&GeneratorParams::leftFreq, "leftFreq",
                   Texts::tr("扫频的起始频率 %1 Hz 太高：在 %2 Hz 采样率下最高 %2 Hz").arg(p.leftFreq).arg(rate)});
  }
  if (p.sweepRiseMs <= 0) {
    faults.append({&GeneratorParams::sweepRiseMs, "sweepRiseMs",
                   Texts::tr("扫频时间必须大于 0 ms（现为 %1 ms）").arg(p.sweepRiseMs)});
  } else if (p.sweepRiseMs > maxRiseMs) {
    faults.append({&GeneratorParams::sweepRiseMs, "sweepRiseMs",
                   Texts::tr("扫频时间 %1 ms 太长：在 %2 Hz 采样率下最长 %3 ms")
                       .arg(p.sweepRiseMs)
                       .arg(rate)
                       .arg(maxRiseMs)});
  }
  if (!IsPeak(p.leftPeak)) {
    faults.append({&GeneratorParams::leftPeak, "leftPeak",
                   Texts::tr("扫频信号的峰值必须在 10 到 32767 之间（现为 %1）").arg(p.leftPeak)});
  }
}

}  // namespace

int32_t GeneratorSampleRate(int32_t sampleRate) {
  return sampleRate < 44100 || sampleRate > 200000 ? 44100 : sampleRate;
}

QList<GeneratorFault> GeneratorFaults(const GeneratorParams& params, int32_t sampleRate, int channels) {
  const int32_t rate = GeneratorSampleRate(sampleRate);
  QList<GeneratorFault> faults;
  if (params.functionMode != 0) {
    AddChannelFaults(faults, params, true, true, rate, channels);
    AddChannelFaults(faults, params, false, channels == 2, rate, channels);
  } else {
    AddSweepFaults(faults, params, rate, channels);
  }
  return faults;
}

QStringList RepairGeneratorParams(GeneratorParams& params, int32_t sampleRate, int channels) {
  const GeneratorParams d = DefaultGeneratorParams();
  QStringList repaired;
  // The panel's mode, lists and sliders first: a frequency is then judged
  // with the mode and waveform the panel will show and play. A mode other
  // than 0 or 1 would show the sweep while the start plays the function
  // signal: it becomes the function signal it played.
  RepairField(repaired, params.functionMode <= 1, params.functionMode, uint8_t{1}, "functionMode");
  RepairField(repaired, IsWaveform(params.leftWave), params.leftWave, d.leftWave, "leftWave");
  RepairField(repaired, IsWaveform(params.rightWave), params.rightWave, d.rightWave, "rightWave");
  RepairField(repaired, IsPeak(params.leftPeak), params.leftPeak, d.leftPeak, "leftPeak");
  RepairField(repaired, IsPeak(params.rightPeak), params.rightPeak, d.rightPeak, "rightPeak");
  // The defaults of the fields left to judge play at every rate and with any
  // waveform, so one pass leaves nothing the generator refuses.
  for (const GeneratorFault& fault : GeneratorFaults(params, sampleRate, channels))
    RepairField(repaired, false, params.*fault.field, d.*fault.field, fault.name);
  return repaired;
}
