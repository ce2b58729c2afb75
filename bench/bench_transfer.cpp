// Speed of the transfer function's averaging: one second of 200 kHz stereo
// noise, fed in 20 ms pieces as the live input arrives, into an averager of
// the largest FFT size. Its "core_%" counter is the share of one core the
// averaging takes to keep up (CPU time per second of input). Also the
// curve and delay the window reads from it.

#include "analysis/TransferFunction.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <random>
#include <vector>

namespace {

constexpr int kRate = 200000;
constexpr int kTick = kRate / 50;

double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

std::vector<double> Noise(int count, unsigned seed) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> normal(0, 3000);
  std::vector<double> v(count);
  for (double& s : v) s = normal(rng);
  return v;
}

void BM_TransferAverageOneSecond(benchmark::State& state) {
  const std::vector<double> x = Noise(kRate, 1), y = Noise(kRate, 2);
  TransferAverager averager(kTransferMaxFft, kRate);
  averager.Add(x, y);  // plans the transform outside the timing
  const double start = ThreadCpuSeconds();
  for (auto _ : state)
    for (int at = 0; at < kRate; at += kTick)
      averager.Add(std::span(x).subspan(at, kTick), std::span(y).subspan(at, kTick));
  // An iteration is one second of input.
  state.counters["core_%"] = 100 * (ThreadCpuSeconds() - start) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_TransferAverageOneSecond)->Unit(benchmark::kMillisecond);

void BM_TransferCurveAndDelay(benchmark::State& state) {
  const std::vector<double> x = Noise(kRate, 1), y = Noise(kRate, 2);
  TransferAverager averager(kTransferMaxFft, kRate);
  averager.Add(x, y);
  for (auto _ : state) {
    benchmark::DoNotOptimize(averager.Curve());
    benchmark::DoNotOptimize(averager.DelaySeconds());
  }
}
BENCHMARK(BM_TransferCurveAndDelay)->Unit(benchmark::kMillisecond);

}  // namespace
