#include "generator/SignalSynthesis.h"

#include "settings/GeneratorParams.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

// Stores the low 16 bits of `s` as 16-bit sample `index`, little-endian.
inline void Store(std::vector<uint8_t>& out, std::size_t index, int32_t s) {
  out[2 * index] = static_cast<uint8_t>(s);
  out[2 * index + 1] = static_cast<uint8_t>(static_cast<uint32_t>(s) >> 8);
}

// N and H of a channel whose period is `periodBytes` long.
int64_t SamplesPerPeriod(int64_t periodBytes, int channels) { return periodBytes / (2 * channels); }
int64_t HalfPeriodFrames(int64_t periodBytes, int channels) { return periodBytes / (4 * channels); }

// One channel of the function signal while it is being synthesised.
struct ChannelState {
  int32_t wave = -1;
  int32_t peak = 0;
  int64_t samplesPerPeriod = 0;  // N
  int64_t halfPeriod = 0;        // H
  double phaseStep = 0;          // w
  double triangleStep = 0;       // d
  double phase = 0;              // φ, never reduced modulo the circle
  int32_t level = 0;             // v
  bool up = false;

  ChannelState(const WaveChannel& c, int64_t periodBytes, int channels) : wave(c.wave), peak(c.peak) {
    samplesPerPeriod = SamplesPerPeriod(periodBytes, channels);
    halfPeriod = HalfPeriodFrames(periodBytes, channels);
    phaseStep = kFullCircle / static_cast<double>(samplesPerPeriod);
    triangleStep = static_cast<double>(8 * int64_t{peak} * channels) / static_cast<double>(periodBytes);
    level = -peak;
  }

  int32_t Sample(int64_t i) {
    switch (wave) {
      case Sine:
        return static_cast<int32_t>(std::sin(phase) * peak);
      case Triangle:
        if (i % halfPeriod == 0) up = !up;
        level = static_cast<int32_t>(up ? level + triangleStep : level - triangleStep);
        return level;
      case Square:
        return std::sin(phase) >= 0 ? peak : -peak;
      case Sawtooth:
        if (i % samplesPerPeriod == 0) level = -peak;
        level = static_cast<int32_t>(level + triangleStep / 2);
        return level;
      default:
        return 0;
    }
  }
};

}  // namespace

uint64_t CommonPeriodBytes(uint64_t a, uint64_t b) { return std::lcm(a, b); }

int64_t PeriodBytes(int32_t rate, int channels, int32_t freqHz) {
  return static_cast<int64_t>(static_cast<double>(2 * int64_t{rate} * channels) / freqHz);
}

int64_t PeriodFrames(int32_t rate, int channels, int32_t wave, int32_t freqHz, bool heard) {
  const int64_t periodBytes = PeriodBytes(rate, channels, freqHz);
  return heard && wave == Triangle ? 2 * HalfPeriodFrames(periodBytes, channels)
                                   : SamplesPerPeriod(periodBytes, channels);
}

int32_t HighestFrequency(int32_t rate, int channels, int32_t wave, bool heard, int64_t minFrames) {
  // A period only shortens as the frequency rises: the answer is the end of
  // the frequencies that fit, found by halving [1, 2^31 - 1].
  const auto fits = [&](int64_t f) {
    return PeriodFrames(rate, channels, wave, static_cast<int32_t>(f), heard) >= minFrames;
  };
  if (!fits(1)) return 0;
  int64_t lo = 1, hi = std::numeric_limits<int32_t>::max();
  while (lo < hi) {
    const int64_t mid = lo + (hi - lo + 1) / 2;
    if (fits(mid)) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  return static_cast<int32_t>(lo);
}

FunctionSignalLayout PlanFunctionSignal(int32_t rate, int channels, const WaveChannel& left,
                                        const WaveChannel& right) {
  FunctionSignalLayout layout;
  layout.leftPeriodBytes = PeriodBytes(rate, channels, left.freq);
  layout.rightPeriodBytes = PeriodBytes(rate, channels, right.freq);
  layout.leftPeriodFrames = PeriodFrames(rate, channels, left.wave, left.freq);
  layout.rightPeriodFrames = PeriodFrames(rate, channels, right.wave, right.freq, channels == 2);
  const auto leftFrames = static_cast<uint64_t>(layout.leftPeriodFrames);
  const auto frameBytes = 2 * static_cast<uint64_t>(channels);
  layout.loopFrames = CommonPeriodBytes(leftFrames, static_cast<uint64_t>(layout.rightPeriodFrames));
  const uint64_t loopBytes = layout.loopFrames * frameBytes;
  if (loopBytes > kSignalMaxBytes) {
    // The right channel then jumps in phase where the buffer starts again.
    layout.leftPeriodsOnly = true;
    layout.bufferBytes = kSignalMaxBytes / frameBytes / leftFrames * leftFrames * frameBytes;
  } else {
    const uint64_t loops = std::max<uint64_t>(1, (kSignalMinBytes + loopBytes - 1) / loopBytes);
    layout.bufferBytes = loops * loopBytes;
  }
  return layout;
}

std::vector<uint8_t> SynthesizeFunctionSignal(const FunctionSignalLayout& layout, const WaveChannel& left,
                                              const WaveChannel& right, int32_t rate, int channels) {
  (void)rate;  // enters through the period lengths
  std::vector<uint8_t> out(layout.bufferBytes, 0);
  const auto frames = static_cast<int64_t>(layout.bufferBytes / (2 * static_cast<uint64_t>(channels)));
  ChannelState l(left, layout.leftPeriodBytes, channels);
  if (channels == 1) {
    for (int64_t i = 0; i < frames; ++i) {
      Store(out, static_cast<std::size_t>(i), l.Sample(i));
      l.phase += l.phaseStep;
    }
    return out;
  }
  ChannelState r(right, layout.rightPeriodBytes, channels);
  for (int64_t i = 0; i < frames; ++i) {
    Store(out, static_cast<std::size_t>(2 * i), l.Sample(i));
    Store(out, static_cast<std::size_t>(2 * i + 1), r.Sample(i));
    l.phase += l.phaseStep;
    r.phase += r.phaseStep;
  }
  return out;
}

int64_t SweepMonoBytes(int32_t rate, int32_t riseMs) { return int64_t{rate / 1000} * riseMs; }

std::vector<uint8_t> SynthesizeSweepSignal(int32_t startFreq, int32_t endFreq, int32_t peak, int32_t riseMs,
                                           int32_t rate, int channels) {
  const int32_t f1 = std::max(startFreq, kSweepMinStartHz);
  const int32_t f2 = std::min(endFreq, kSweepMaxEndHz);
  const int64_t p1 = PeriodBytes(rate, 1, f1);
  const int64_t p2 = PeriodBytes(rate, 1, f2);
  const int64_t monoBytes = SweepMonoBytes(rate, riseMs);
  const int64_t n = monoBytes / 2;
  // Mono keeps the odd byte a sweep of odd length ends with; stereo holds
  // whole frames, each sample on both channels.
  std::vector<uint8_t> out(static_cast<std::size_t>(channels == 1 ? monoBytes : 4 * n), 0);

  const double w0 = kFullCircle / static_cast<double>(p1 / 2);
  const double w1 = kFullCircle / static_cast<double>(p2 / 2);
  const double dw = (w1 - w0) / static_cast<double>(n);
  double phase = 0;
  double w = w0;
  for (int64_t i = 0; i < n; ++i) {
    const auto s = static_cast<int32_t>(std::sin(phase) * peak);
    if (channels == 1) {
      Store(out, static_cast<std::size_t>(i), s);
    } else {
      Store(out, static_cast<std::size_t>(2 * i), s);
      Store(out, static_cast<std::size_t>(2 * i + 1), s);
    }
    w += dw;
    phase += w;
  }
  return out;
}
