// Input latency: the time from a sound entering the input to the measurement
// picture showing it. A player thread plays clicks into the default output
// of a loopback sound server (bench/click-latency.sh starts one), whose
// default input hears them. A reference recorder on that input, reading in
// 1 ms pieces, notes when each click arrives there: that is when it enters
// the input. The program's own view runs as it does in the program (the
// platform's input, whole blocks into the sampling engine, a 20 ms display
// tick that converts a frame and composes the picture); after each tick the
// view's picture is grabbed and searched for the click's trace. The latency
// of a click is the time from its entering the input to the first picture
// that shows it.
//
//   click_latency [--clicks N]     (default 100 clicks, 0.4 s apart, 44100 Hz)
//
// Prints every click's latency, then the median, the 90th percentile and the
// worst. Exit status 0 when every click was seen, 1 when some were missed,
// 2 when the input cannot be opened.

#include "app/Globals.h"
#include "display/COndrixView.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 44100;
constexpr int kChunkFrames = 220;         // 5 ms per write
// A click is a pulse of 100 ms: the picture shows the first 600 samples of
// the latest block (13.6 ms of each 23.2 ms at 44100 Hz), so a shorter sound
// could fall between two pictures and never be shown at all.
constexpr int kClickFrames = 4410;
constexpr int kFramesBetweenClicks = 80 * kChunkFrames;  // 0.4 s
constexpr int16_t kClickLevel = 30000;

// When each click entered the input, oldest first.
std::mutex g_lock;
std::deque<Clock::time_point> g_entered;
std::atomic<bool> g_stop{false};

// Plays silence with a click every 0.4 s until the run stops.
void Player() {
  const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, kRate, 2};
  pa_buffer_attr attr;
  attr.maxlength = attr.prebuf = attr.minreq = attr.fragsize = static_cast<uint32_t>(-1);
  // 100 ms queued ahead of the server: a player that falls behind would cut
  // a click in two. When a click is played does not matter: the reference
  // recorder notes when it arrives.
  attr.tlength = 20 * kChunkFrames * 4;
  int error = 0;
  pa_simple* out = pa_simple_new(nullptr, "click_latency", PA_STREAM_PLAYBACK, nullptr, "clicks", &sampleFormat,
                                 nullptr, &attr, &error);
  if (!out) {
    std::fprintf(stderr, "click_latency: no playback stream: %s\n", pa_strerror(error));
    g_stop = true;
    return;
  }
  std::vector<int16_t> chunk(2 * kChunkFrames);
  long frame = 0;
  // A second of silence first: the input and the picture settle.
  long nextClick = 200 * kChunkFrames;
  long lastClick = -kClickFrames;
  while (!g_stop) {
    const bool click = frame == nextClick;
    const bool inClick = frame >= lastClick && frame < lastClick + kClickFrames;
    std::fill(chunk.begin(), chunk.end(), click || inClick ? kClickLevel : int16_t{0});
    if (pa_simple_write(out, chunk.data(), chunk.size() * 2, &error) < 0) {
      std::fprintf(stderr, "click_latency: playing failed: %s\n", pa_strerror(error));
      break;
    }
    if (click) {
      lastClick = frame;
      nextClick = frame + kFramesBetweenClicks;
    }
    frame += kChunkFrames;
  }
  pa_simple_drain(out, &error);
  pa_simple_free(out);
}

// Reads the default input in 1 ms pieces and notes when each click arrives:
// the first loud frame after silence, less the time it waited in the
// stream.
void Recorder() {
  constexpr int kPieceFrames = kRate / 1000;
  const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, kRate, 2};
  pa_buffer_attr attr;
  attr.maxlength = attr.prebuf = attr.minreq = attr.tlength = static_cast<uint32_t>(-1);
  attr.fragsize = kPieceFrames * 4;
  int error = 0;
  pa_simple* in = pa_simple_new(nullptr, "click_latency", PA_STREAM_RECORD, nullptr, "reference", &sampleFormat,
                                nullptr, &attr, &error);
  if (!in) {
    std::fprintf(stderr, "click_latency: no reference recording: %s\n", pa_strerror(error));
    g_stop = true;
    return;
  }
  std::vector<int16_t> piece(2 * kPieceFrames);
  // A click begins after at least 0.2 s of silence, so a gap inside one
  // (the player fell behind) does not make a second.
  constexpr int kQuietFrames = kRate / 5;
  int quiet = kQuietFrames;
  while (!g_stop) {
    if (pa_simple_read(in, piece.data(), piece.size() * 2, &error) < 0) break;
    const auto now = Clock::now();
    const pa_usec_t waited = pa_simple_get_latency(in, &error);
    for (int i = 0; i < kPieceFrames; ++i) {
      const bool frameLoud = piece[2 * i] > kClickLevel / 2;
      if (frameLoud && quiet >= kQuietFrames) {
        const auto arrived = now - std::chrono::microseconds(waited) -
                             std::chrono::microseconds(1000000LL * (kPieceFrames - i) / kRate);
        std::lock_guard<std::mutex> hold(g_lock);
        g_entered.push_back(arrived);
      }
      quiet = frameLoud ? 0 : quiet + 1;
    }
  }
  pa_simple_free(in);
}

// The picture shows a click: a trace near the top of the plot, where the
// pulse draws it (silence lies at the middle). CH2 hears the same and is
// drawn over CH1.
bool PictureShowsClick(const QImage& image, const COndrixView& view) {
  const QRgb ch1 = view.Style().ch1.color().rgb(), ch2 = view.Style().ch2.color().rgb();
  for (int y = view.plotTop() + 1; y < view.plotTop() + 100; ++y)
    for (int x = view.plotLeft() + 1; x < view.plotLeft() + 600; ++x)
      if (const QRgb pixel = image.pixel(x, y); pixel == ch1 || pixel == ch2) return true;
  return false;
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5)];
}

}  // namespace

int main(int argc, char** argv) {
  int clicks = 100;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--clicks") == 0 && i + 1 < argc) clicks = std::atoi(argv[++i]);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  ResetGlobals();
  g_appDir = QDir::tempPath() + "/click_latency-no-such-folder";  // the defaults, no files
  COndrixView view;
  view.OnInitialUpdate();
  g_settings.channels = 2;
  g_settings.sampleRate = kRate;
  g_settings.bitsPerSample = 16;
  g_settings.triggerLevel = 10000;
  view.resize(1000, 600);
  view.show();
  view.OpenWaveIn();
  if (!view.Engine().WaveInOpen()) return 2;

  std::vector<double> latencies;
  int missed = 0;
  bool shown = false;
  // The view's own tick, with a look at its picture after each.
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.setInterval(COndrixView::kTickMs);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    view.OnTimer();
    const QImage picture = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const bool showsClick = PictureShowsClick(picture, view);
    const auto now = Clock::now();
    if (showsClick && !shown) {
      std::lock_guard<std::mutex> hold(g_lock);
      // Clicks that entered more than 0.3 s ago were never shown.
      while (!g_entered.empty() && now - g_entered.front() > std::chrono::milliseconds(300)) {
        g_entered.pop_front();
        ++missed;
      }
      if (!g_entered.empty()) {
        const double ms = std::chrono::duration<double, std::milli>(now - g_entered.front()).count();
        g_entered.pop_front();
        latencies.push_back(ms);
        std::printf("click %3zu: %5.1f ms\n", latencies.size(), ms);
      }
    }
    shown = showsClick;
    if (g_stop || latencies.size() + static_cast<std::size_t>(missed) >= static_cast<std::size_t>(clicks)) app.quit();
  });
  tick.start();
  std::thread recorder(Recorder);
  std::thread player(Player);
  // A run never takes longer than its clicks need, plus margin.
  QTimer::singleShot(2000 + clicks * 400 + 3000, &app, &QApplication::quit);
  app.exec();
  g_stop = true;
  player.join();
  recorder.join();
  view.CloseWaveIn();

  if (latencies.empty()) {
    std::printf("no click was seen (%d missed)\n", missed);
    return 1;
  }
  std::printf("clicks seen %zu, missed %d; latency median %.1f ms, 90th percentile %.1f ms, worst %.1f ms, best %.1f ms\n",
              latencies.size(), missed, Percentile(latencies, 0.5), Percentile(latencies, 0.9),
              *std::max_element(latencies.begin(), latencies.end()),
              *std::min_element(latencies.begin(), latencies.end()));
  return missed == 0 && latencies.size() >= std::size_t(clicks) ? 0 : 1;
}
