// Cost of the measurement picture: one full composition (what the bitmap
// export and the report do), and one screen tick (build the picture, repaint
// what changed) with live traces that move on every tick. Time domain, two
// channels, rulers on, in two window sizes; the screen tick also in English
// (third argument 1: the texts go through the installed translation). tick_share
// is the part of the 20 ms tick one call takes, in CPU time (the machine may
// be shared).

#include "app/Globals.h"
#include "display/ComposeDisplay.h"
#include "display/Rulers.h"
#include "display/ScreenPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTranslator>

#include <benchmark/benchmark.h>

#include <ctime>
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

// The CPU time per iteration since `start`, as a share of the 20 ms tick.
double TickShare(std::clock_t start, benchmark::IterationCount iterations) {
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  return seconds / static_cast<double>(iterations) / 0.020;
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
  const std::clock_t start = std::clock();
  for (auto _ : state) {
    ComposeDisplay(image, ch1, ch2, geometry, ComposeOptions{}, style);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["tick_share"] = TickShare(start, state.iterations());
  ResetGlobals();
}
BENCHMARK(BM_ComposeDisplay)->Args({1920, 1040})->Args({1000, 600})->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ScreenTick(benchmark::State& state) {
  EnsureGuiApplication();
  ResetGlobals();
  QTranslator english;
  if (state.range(2) == 1 && !(english.load(QStringLiteral(ONDRIX_QM_DIR "/ondrix_en.qm")) &&
                               QCoreApplication::installTranslator(&english))) {
    state.SkipWithError("no English translation");
    return;
  }
  const ViewGeometry geometry = GeometryForClient(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  PlaceRulers(geometry);
  g_rulerXOn = g_rulerYOn = true;
  // Two frames of the same tones taken at different moments, as live input gives them.
  const TraceBuffer ch1[2] = {SineTrace(100, 20000), SineTrace(100.3, 20000)};
  const TraceBuffer ch2[2] = {SineTrace(44.1, 8000), SineTrace(44, 8000)};
  const DisplayStyle style = ScreenStyle();
  QImage window(geometry.clientWidth, geometry.clientHeight, QImage::Format_ARGB32_Premultiplied);
  ScreenPicture picture;
  int frame = 0;
  double pixels = 0;
  const std::clock_t start = std::clock();
  for (auto _ : state) {
    const QRegion changed = picture.Update(ch1[frame], ch2[frame], geometry, style);
    QPainter painter(&window);
    picture.Paint(painter, changed);
    frame ^= 1;
    for (const QRect& r : changed) pixels += double(r.width()) * r.height();
  }
  state.counters["tick_share"] = TickShare(start, state.iterations());
  state.counters["repainted_share"] =
      pixels / static_cast<double>(state.iterations()) / (double(geometry.clientWidth) * geometry.clientHeight);
  ResetGlobals();
}
BENCHMARK(BM_ScreenTick)
    ->Args({1920, 1040, 0})
    ->Args({1000, 600, 0})
    ->Args({1920, 1040, 1})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

}  // namespace
