// Cost of composing one measurement picture (the work of every 20 ms display
// tick): time domain, two channels, rulers on, in two window sizes.
// tick_share is the part of the 20 ms tick one composition takes.

#include "app/Globals.h"
#include "display/ComposeDisplay.h"
#include "display/Rulers.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <numbers>

namespace {

// Drawing text needs a GUI application; the offscreen platform does without a display.
void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_display";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

TraceBuffer SineTrace(double period, double amplitude) {
  TraceBuffer t;
  for (int i = 0; i < kTraceLength; ++i)
    t[i] = static_cast<int32_t>(std::lround(amplitude * std::sin(2 * std::numbers::pi * i / period)));
  return t;
}

void BM_ComposeDisplay(benchmark::State& state) {
  EnsureGuiApplication();
  ResetGlobals();
  const ViewGeometry geometry = GeometryForClient(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  PlaceRulers(geometry);
  g_rulerXOn = g_rulerYOn = true;
  const TraceBuffer ch1 = SineTrace(100, 20000), ch2 = SineTrace(50, 8000);
  const DisplayStyle style = ScreenStyle();
  QImage image;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    ComposeDisplay(image, ch1, ch2, geometry, ComposeOptions{}, style);
    benchmark::DoNotOptimize(image.constBits());
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  state.counters["tick_share"] = elapsed.count() / static_cast<double>(state.iterations()) / 0.020;
  ResetGlobals();
}
BENCHMARK(BM_ComposeDisplay)->Args({1920, 1040})->Args({1000, 600})->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
