#include "generator/Excitation.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr double kFullScale = 32767.0;
// Voss–McCartney rows: each is redrawn half as often as the one before, so
// their sum falls by 3 dB an octave from rate/2 down to rate / 2^(rows+1).
constexpr int kPinkRows = 16;

// Uniform in (-1, 1), the same on every platform (the standard fixes
// mt19937's output but not its distributions').
class Uniform {
 public:
  double operator()() { return (static_cast<double>(engine_()) + 0.5) / 2147483648.0 - 1.0; }

 private:
  std::mt19937 engine_{20061210u};
};

std::vector<double> White(int64_t frames) {
  Uniform next;
  std::vector<double> out(static_cast<std::size_t>(frames));
  for (double& v : out) v = next();
  return out;
}

std::vector<double> Pink(int64_t frames) {
  Uniform next;
  double rows[kPinkRows];
  double sum = 0;
  for (double& r : rows) sum += r = next();
  std::vector<double> out(static_cast<std::size_t>(frames));
  for (int64_t n = 0; n < frames; ++n) {
    // Row k is redrawn on every 2^k-th frame, one row a frame.
    const int k = std::countr_zero(static_cast<uint64_t>(n + 1));
    if (k < kPinkRows) {
      sum -= rows[k];
      sum += rows[k] = next();
    }
    out[static_cast<std::size_t>(n)] = sum + next();
  }
  return out;
}

double HighHz(int32_t rate) { return 0.9 * rate / 2.0; }

// The sweep's frequency factor that makes the loop's phase end on a whole
// number of cycles: the cycles as summed, rounded, over the cycles.
double SweepTune(int64_t frames, double highHz, int32_t rate) {
  double cycles = 0;
  for (int64_t n = 0; n < frames; ++n) cycles += SweepFrequency(n, frames, highHz, 1.0) / rate;
  return std::round(cycles) / cycles;
}

std::vector<double> Sweep(int64_t frames, int32_t rate) {
  const double high = HighHz(rate);
  const double tune = SweepTune(frames, high, rate);
  std::vector<double> out(static_cast<std::size_t>(frames));
  // The phase in cycles, kept in [0, 1) so it stays exact over the loop.
  double phase = 0;
  for (int64_t n = 0; n < frames; ++n) {
    out[static_cast<std::size_t>(n)] = std::sin(2 * std::numbers::pi * phase);
    phase += SweepFrequency(n, frames, high, tune) / rate;
    phase -= std::floor(phase);
  }
  return out;
}

double Rms(const std::vector<double>& v) {
  double sum = 0;
  for (double x : v) sum += x * x;
  return std::sqrt(sum / static_cast<double>(v.size()));
}

}  // namespace

double SweepFrequency(int64_t n, int64_t frames, double highHz, double tune) {
  return tune * kSweepLowHz * std::pow(highHz / kSweepLowHz, static_cast<double>(n) / static_cast<double>(frames));
}

GeneratedSignal MakeExcitation(Excitation kind, double levelDb, int32_t sampleRate) {
  const int64_t frames = std::llround(kExcitationLoopSeconds * sampleRate);
  const double gain = std::pow(10.0, std::clamp(levelDb, double(kExcitationMinDb), double(kExcitationMaxDb)) / 20);
  std::vector<double> wave;
  double scale = 0;
  if (kind == Excitation::LogSweep) {
    wave = Sweep(frames, sampleRate);
    scale = gain * kFullScale;
  } else {
    wave = kind == Excitation::PinkNoise ? Pink(frames) : White(frames);
    scale = gain * kFullScale / std::numbers::sqrt2 / Rms(wave);
  }
  GeneratedSignal signal;
  signal.format = MakePcmFormat(2, static_cast<uint32_t>(sampleRate), 16);
  signal.bytes.resize(static_cast<std::size_t>(frames) * 4);
  uint8_t* out = signal.bytes.data();
  for (double v : wave) {
    const auto s = static_cast<int16_t>(std::lround(std::clamp(v * scale, -kFullScale, kFullScale)));
    const auto u = static_cast<uint16_t>(s);
    for (int ch = 0; ch < 2; ++ch) {
      *out++ = static_cast<uint8_t>(u & 0xFF);
      *out++ = static_cast<uint8_t>(u >> 8);
    }
  }
  return signal;
}
