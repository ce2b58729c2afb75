// The transfer-function window of the whole program on the loopback server:
// its own excitation comes back the same on both channels, and passed
// through a filter on CH2 alone it shows that filter's response.

#include "EventLoop.h"
#include "LoopbackMain.h"
#include "Pactl.h"
#include "ProgramFolderTest.h"
#include "app/Globals.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/TransferWindow.h"
#include "support/RecordingPrompts.h"

#include <QComboBox>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

constexpr int kRate = 44100;

// The number of averages in the window's readout ("… ms, N …").
int Averages(const TransferWindow& w) {
  const QStringList numbers = w.Readout().split(QRegularExpression("[^0-9.-]+"), Qt::SkipEmptyParts);
  return numbers.size() > 1 ? numbers[1].toInt() : 0;
}
double DelayMs(const TransferWindow& w) { return w.Readout().split(QRegularExpression("[^0-9.-]+"), Qt::SkipEmptyParts).value(0).toDouble(); }

// A peaking equaliser (the audio cookbook's): +`gainDb` at `hz`, quality `q`.
struct Biquad {
  double b0, b1, b2, a1, a2;
  static Biquad Peak(double hz, double q, double gainDb) {
    const double a = std::pow(10, gainDb / 40), w = 2 * std::numbers::pi * hz / kRate;
    const double alpha = std::sin(w) / (2 * q), a0 = 1 + alpha / a;
    return {(1 + alpha * a) / a0, -2 * std::cos(w) / a0, (1 - alpha * a) / a0, -2 * std::cos(w) / a0,
            (1 - alpha / a) / a0};
  }
  std::complex<double> At(double hz) const {
    const std::complex<double> z1 = std::polar(1.0, -2 * std::numbers::pi * hz / kRate);
    return (b0 + b1 * z1 + b2 * z1 * z1) / (1.0 + a1 * z1 + a2 * z1 * z1);
  }
};

class TransferAudioTest : public ProgramFolderTest {
 protected:
  // The program, sampling stereo at 44.1 kHz, with the window open.
  TransferWindow& Open() {
    EXPECT_TRUE(app.InitInstance());
    prompts.emplace();
    g_settings.channels = 2;
    g_settings.sampleRate = kRate;
    g_settings.bitsPerSample = 16;
    app.Frame()->OutbarAction(0);
    app.Frame()->OnStartSampling();
    app.Frame()->OnTransferFunction();
    TransferWindow& w = *app.Frame()->Transfer();
    w.SmoothingChoice()->setCurrentIndex(0);
    return w;
  }
  // Lets the averages gather from now on until there are `count`.
  bool Gather(TransferWindow& w, int count) {
    RunEventLoop(500);  // what was on the way before
    w.ResetAverages();
    return RunUntil([&] { return Averages(w) >= count; }, 20000);
  }

  COndrixApp app;
  std::optional<RecordingPrompts> prompts;
};

TEST_F(TransferAudioTest, TheLoopbackReadsUnityWithoutDelay) {
  TransferWindow& w = Open();
  w.Play();
  ASSERT_TRUE(w.Playing()) << w.Note().toStdString();
  ASSERT_TRUE(Gather(w, 20)) << w.Note().toStdString() << " " << w.Readout().toStdString();
  int checked = 0;
  for (const TransferPoint& p : w.Curve()) {
    if (p.frequencyHz < 50 || p.frequencyHz > 18000) continue;
    ASSERT_NEAR(p.magnitudeDb, 0, 0.05) << p.frequencyHz;
    ASSERT_NEAR(p.phaseDeg, 0, 0.5) << p.frequencyHz;
    ASSERT_GT(p.coherence, 0.999) << p.frequencyHz;
    ++checked;
  }
  EXPECT_GT(checked, 6000);
  EXPECT_EQ(DelayMs(w), 0) << w.Readout().toStdString();
  std::printf("  %s\n", w.Readout().toStdString().c_str());
  w.Stop();
  EXPECT_FALSE(w.Playing());
  EXPECT_TRUE(prompts->messages.isEmpty()) << prompts->messages.join('\n').toStdString();
}

// A filtering client in the sound path: it records what the program plays
// (the sink "excite", the program's default output for the test), passes CH1
// on and filters CH2, and plays both into the loopback the program samples.
// The server's own filter module filters every channel of a sink alike, so
// it cannot put a filter on the response channel alone.
class FilteringClient {
 public:
  explicit FilteringClient(Biquad filter) : filter_(filter) {
    const QStringList format = {"--format=s16le", "--rate=44100", "--channels=2", "--raw", "--latency-msec=250"};
    player_.start("pacat", QStringList{"-d", "loop"} + format);
    QObject::connect(&recorder_, &QProcess::readyReadStandardOutput, [this] { Pass(); });
    recorder_.start("parec", QStringList{"-d", "excite.monitor"} + format);
  }
  ~FilteringClient() {
    for (QProcess* p : {&recorder_, &player_}) {
      p->kill();
      p->waitForFinished();
    }
  }
  bool Started() { return recorder_.waitForStarted() && player_.waitForStarted(); }

 private:
  // Whole frames of what was recorded, CH2 filtered, played on.
  void Pass() {
    pending_ += recorder_.readAllStandardOutput();
    const qsizetype frames = pending_.size() / 4;
    auto* pcm = reinterpret_cast<int16_t*>(pending_.data());
    for (qsizetype i = 0; i < frames; ++i) {
      const double x = pcm[2 * i + 1];
      const double y = filter_.b0 * x + filter_.b1 * x1_ + filter_.b2 * x2_ - filter_.a1 * y1_ - filter_.a2 * y2_;
      x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
      pcm[2 * i + 1] = static_cast<int16_t>(std::clamp<long>(std::lround(y), -32768, 32767));
    }
    player_.write(pending_.left(frames * 4));
    pending_.remove(0, frames * 4);
  }

  Biquad filter_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
  QProcess recorder_, player_;
  QByteArray pending_;
};

TEST_F(TransferAudioTest, AFilterInTheResponseChannelShowsItsResponse) {
  // The program's own pink noise, through a peak of +6 dB at 1 kHz on CH2.
  const std::string sink = Pactl("load-module module-null-sink sink_name=excite rate=44100 channels=2 format=s16le");
  ASSERT_FALSE(sink.empty());
  Pactl("set-default-sink excite");
  const Biquad filter = Biquad::Peak(1000, 1.0, 6);
  {
    FilteringClient client(filter);
    ASSERT_TRUE(client.Started());
    TransferWindow& w = Open();
    w.Play();
    ASSERT_TRUE(w.Playing()) << w.Note().toStdString();
    ASSERT_TRUE(Gather(w, 30)) << w.Note().toStdString() << " " << w.Readout().toStdString();
    int checked = 0;
    for (const TransferPoint& p : w.Curve()) {
      if (p.frequencyHz < 50 || p.frequencyHz > 15000) continue;
      const std::complex<double> h = filter.At(p.frequencyHz);
      ASSERT_NEAR(p.magnitudeDb, 20 * std::log10(std::abs(h)), 0.1) << p.frequencyHz;
      ASSERT_NEAR(p.phaseDeg, std::arg(h) * 180 / std::numbers::pi, 1.0) << p.frequencyHz;
      ++checked;
    }
    EXPECT_GT(checked, 5000);
    std::printf("  %s\n", w.Readout().toStdString().c_str());
    w.Stop();
  }
  Pactl("set-default-sink loop");
  Pactl("unload-module " + std::to_string(std::stoi(sink)));
}

}  // namespace
