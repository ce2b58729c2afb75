// The transfer-function window of the whole program on the loopback server:
// its own excitation comes back the same on both channels, and a stereo file
// whose CH2 went through a known filter shows that filter's response.

#include "EventLoop.h"
#include "LoopbackMain.h"
#include "ProgramFolderTest.h"
#include "app/Globals.h"
#include "files/WavFile.h"
#include "generator/Excitation.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/TransferWindow.h"
#include "support/RecordingPrompts.h"

#include <QComboBox>
#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
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

TEST_F(TransferAudioTest, AFilterInTheResponseChannelShowsItsResponse) {
  // Pink noise on CH1 and, filtered by a peak of +6 dB at 1 kHz, on CH2,
  // played by another client while the program plays nothing.
  const Biquad filter = Biquad::Peak(1000, 1.0, 6);
  const GeneratedSignal loop = MakeExcitation(Excitation::PinkNoise, -20, kRate);
  std::vector<int16_t> pcm(loop.bytes.size() / 2);
  std::memcpy(pcm.data(), loop.bytes.data(), loop.bytes.size());
  std::vector<int16_t> stereo;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (int pass = 0; pass < 4; ++pass)  // 16 s
    for (std::size_t i = 0; i < pcm.size(); i += 2) {
      const double x = pcm[i];
      const double y = filter.b0 * x + filter.b1 * x1 + filter.b2 * x2 - filter.a1 * y1 - filter.a2 * y2;
      x2 = x1, x1 = x, y2 = y1, y1 = y;
      stereo.push_back(pcm[i]);
      stereo.push_back(static_cast<int16_t>(std::lround(y)));
    }
  const QString file = dir.filePath("filtered.wav");
  QString error;
  ASSERT_TRUE(WriteWavFile(file, loop.format,
                           std::span(reinterpret_cast<const uint8_t*>(stereo.data()), stereo.size() * 2), &error))
      << error.toStdString();

  TransferWindow& w = Open();
  QProcess player;
  player.start("paplay", {file});
  ASSERT_TRUE(player.waitForStarted());
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
  player.kill();
  player.waitForFinished();
}

}  // namespace
