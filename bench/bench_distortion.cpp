// Speed of the distortion analysis of one channel, spectrum included, at the
// default length and at the longest, on a 16-bit tone with a little noise.

#include "analysis/Distortion.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

std::vector<double> NoisyTone(int count) {
  std::vector<double> x(count);
  std::mt19937 rng(3);
  std::normal_distribution<double> noise(0, 3);
  for (int t = 0; t < count; ++t)
    x[t] = std::round(20000 * std::sin(2 * std::numbers::pi * 997 * t / 48000.0) + noise(rng));
  return x;
}

void BM_AnalyseDistortion(benchmark::State& state) {
  const int length = static_cast<int>(state.range(0));
  const std::vector<double> x = NoisyTone(length);
  const DistortionOptions options{.length = length};
  if (!AnalyseDistortion(x, 48000, 32768, options).ok) {  // plans the transform outside the timing
    state.SkipWithError("the analysis failed");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(AnalyseDistortion(x, 48000, 32768, options));
}
BENCHMARK(BM_AnalyseDistortion)->Arg(kDistortionDefaultLength)->Arg(kDistortionMaxLength)->Unit(benchmark::kMicrosecond);

}  // namespace
