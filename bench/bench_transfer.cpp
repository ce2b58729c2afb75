// Speed of the transfer function's averaging: one second of 200 kHz stereo
// noise, fed in 20 ms pieces as the live input arrives, into an averager of
// the largest FFT size. Its "core_%" counter is the share of one core the
// averaging takes to keep up (CPU time per second of input). Also the
// curve and delay the window reads from it, and the window's plots of a
// 44.1 kHz curve drawn once (the window redraws them at most once a second).

#include "analysis/TransferFunction.h"
#include "display/TransferPlot.h"

#include <QGuiApplication>

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

// The curve of noise through noise at the window's default FFT size: a
// ragged line over every one of its 8192 bins, as a real device's is.
void BM_TransferPlotPaint(benchmark::State& state) {
  if (!QCoreApplication::instance()) {
    // Drawing text needs a GUI application; the offscreen platform does without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_transfer";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
  }
  constexpr int kWindowRate = 44100;
  const std::vector<double> x = Noise(kWindowRate, 1), y = Noise(kWindowRate, 2);
  TransferAverager averager(kTransferDefaultFft, kWindowRate);
  averager.Add(x, y);
  const std::vector<TransferPoint> curve = averager.Curve();
  const TransferPlotOptions options;
  for (auto _ : state) benchmark::DoNotOptimize(TransferPlotImage(curve, QSize(1000, 600), options));
}
BENCHMARK(BM_TransferPlotPaint)->Unit(benchmark::kMillisecond);

}  // namespace
