// The generator heard through a real sound server: QtAudioOutput plays the
// looped function signal, and the program's own capture path (QtAudioInput,
// the sampling engine's live buffer and recording, MeasureTrace) hears it.

#include "LoopbackMain.h"
#include "acquisition/QtAudioInput.h"
#include "acquisition/SamplingEngine.h"
#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"
#include "generator/QtAudioOutput.h"
#include "generator/SignalGenerator.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void RunEventLoop(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// One channel of the engine's recording (16-bit stereo), from sample `from`.
std::vector<double> RecordedChannel(const SamplingEngine& engine, int channel, std::size_t from) {
  std::vector<int16_t> all(engine.recBuf16.Size() / 2);
  engine.recBuf16.CopyOut(0, reinterpret_cast<uint8_t*>(all.data()), all.size() * 2);
  std::vector<double> out;
  for (std::size_t k = 2 * from + channel; k < all.size(); k += 2) out.push_back(all[k]);
  return out;
}

// The rising zero crossings, interpolated between samples.
std::vector<double> RisingCrossings(const std::vector<double>& x) {
  std::vector<double> at;
  for (std::size_t k = 1; k < x.size(); ++k)
    if (x[k - 1] < 0 && x[k] >= 0) at.push_back(static_cast<double>(k - 1) + -x[k - 1] / (x[k] - x[k - 1]));
  return at;
}

class GeneratorLoopbackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!g_server) FAIL() << g_serverError;
    ResetGlobals();
    g_settings.channels = 2;
    g_settings.sampleRate = 44100;
    g_settings.bitsPerSample = 16;
  }
  void TearDown() override { ResetGlobals(); }
};

TEST_F(GeneratorLoopbackTest, TheCaptureHearsBothChannelsWithoutAGapAtTheLoopPointsUntilStopped) {
  // 1000 Hz left, 500 Hz right: 44 and 88 samples a period (1002.3 and
  // 501.1 Hz), a loop of 1056 frames, 24 ms.
  QString refusal;
  const auto signal = MakeFunctionSignal(Sine, Sine, 1000, 500, 16384, 16384, 44100, 2, &refusal);
  ASSERT_TRUE(signal) << refusal.toStdString();
  ASSERT_EQ(signal->bytes.size(), 4224u);

  QtAudioOutput output;
  QString reason;
  const QByteArray bytes(reinterpret_cast<const char*>(signal->bytes.data()), 4224);
  EXPECT_FALSE(output.Start(MakePcmFormat(2, 44100, 8), bytes, &reason));
  EXPECT_FALSE(reason.isEmpty());
  ASSERT_TRUE(output.Start(signal->format, bytes, &reason)) << reason.toStdString();
  EXPECT_TRUE(output.IsPlaying());
  RunEventLoop(300);

  // The instrument as it runs: input blocks into the live buffer and the
  // recording, a frame converted and measured every 20 ms.
  QtAudioInput input;
  SamplingEngine engine(&input);
  engine.OpenWaveIn();
  ASSERT_TRUE(input.IsOpen());
  g_recordState = Recording;
  std::vector<int32_t> ch1Hz, ch2Hz;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    engine.ConvertFrame();
    MeasureBothTraces(engine.ch1Trace, engine.ch2Trace, g_settings);
    ch1Hz.push_back(g_settings.ch1Frequency);
    ch2Hz.push_back(g_settings.ch2Frequency);
  });
  tick.start(SamplingEngine::kPlaybackStep);
  RunEventLoop(1500);
  tick.stop();
  g_recordState = Idle;
  // Stopped, the output falls silent once what was on its way has passed.
  output.Stop();
  EXPECT_FALSE(output.IsPlaying());
  RunEventLoop(300);
  const int16_t* const live = engine.liveBuf16.data();
  EXPECT_LT(*std::max_element(live, live + engine.liveBuf16.size()), 50);
  engine.CloseWaveIn();

  // Every measurement after the first 200 ms.
  ASSERT_GT(ch1Hz.size(), 40u);
  for (std::size_t i = 10; i < ch1Hz.size(); ++i) {
    ASSERT_NEAR(ch1Hz[i], 1000, 10) << "tick " << i;
    ASSERT_NEAR(ch2Hz[i], 500, 5) << "tick " << i;
  }
  std::printf("  measured %d Hz and %d Hz\n", ch1Hz.back(), ch2Hz.back());

  // The recording after its first block: more than 40 loop points.
  const std::size_t skip = AudioInput::kBlockBytes / 4;
  const std::vector<double> left = RecordedChannel(engine, 0, skip);
  const std::vector<double> right = RecordedChannel(engine, 1, skip);
  ASSERT_GT(left.size(), 40u * 1056);
  // A gap, a repeat or a dropout at a loop point shifts the next crossing.
  for (const auto& [x, period] : {std::pair{left, 44.0}, std::pair{right, 88.0}}) {
    const std::vector<double> at = RisingCrossings(x);
    ASSERT_GT(at.size(), x.size() / period - 2);
    double worst = 0;
    for (std::size_t i = 1; i < at.size(); ++i) worst = std::max(worst, std::abs(at[i] - at[i - 1] - period));
    std::printf("  period %.0f: largest deviation %.3f samples over %zu periods\n", period, worst, at.size());
    EXPECT_LT(worst, 0.5);
    // The level of every period: no dips.
    for (std::size_t i = 1; i < at.size(); ++i) {
      double sum = 0;
      const auto from = static_cast<std::size_t>(at[i - 1]), to = static_cast<std::size_t>(at[i]);
      for (std::size_t k = from; k < to; ++k) sum += x[k] * x[k];
      ASSERT_NEAR(std::sqrt(sum / static_cast<double>(to - from)), 16384 / std::sqrt(2.0), 0.05 * 16384)
          << "period " << i;
    }
  }
}

}  // namespace
