// The generator heard through a real sound server: QtAudioOutput plays the
// looped function signal, and the program's own capture path (QtAudioInput,
// the sampling engine's live buffer and recording, MeasureTrace) hears it.

#include "EventLoop.h"
#include "LoopbackMain.h"
#include "acquisition/QtAudioInput.h"
#include "acquisition/SamplingEngine.h"
#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"
#include "generator/QtAudioOutput.h"
#include "generator/SignalGenerator.h"
#include "generator/SignalSynthesis.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <ostream>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

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

// The amplitude of the line at `hz` in `x` (sampled at `rate`), through a
// four-term Blackman-Harris window: a line further than 4 bins away leaks
// less than -92 dB into it.
double LineAmplitude(const std::vector<double>& x, double hz, double rate) {
  const auto n = static_cast<double>(x.size());
  std::complex<double> sum = 0, turn = 1;
  const std::complex<double> step = std::polar(1.0, -2 * M_PI * hz / rate);
  double gain = 0;
  for (std::size_t k = 0; k < x.size(); ++k, turn *= step) {
    const double a = 2 * M_PI * static_cast<double>(k) / n;
    const double w = 0.35875 - 0.48829 * std::cos(a) + 0.14128 * std::cos(2 * a) - 0.01168 * std::cos(3 * a);
    sum += w * x[k] * turn;
    gain += w;
  }
  return 2 * std::abs(sum) / gain;
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

// The looped function signal heard as one spectral line per channel at the
// pitch synthesised (the rate over the period in frames), without the side
// lines a phase jump at every repetition of the loop would make.
struct LineCase {
  WaveChannel left, right;
};
void PrintTo(const LineCase& c, std::ostream* os) {
  *os << "waves " << c.left.wave << "/" << c.right.wave << " at " << c.left.freq << "/" << c.right.freq << " Hz";
}

class GeneratorLineTest : public GeneratorLoopbackTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(GeneratorLineTest, EachChannelIsOneLineAtItsSynthesisedPitch) {
  const LineCase& c = GetParam();
  QString refusal;
  const auto signal = MakeFunctionSignal(c.left.wave, c.right.wave, c.left.freq, c.right.freq, c.left.peak,
                                         c.right.peak, 44100, 2, &refusal);
  ASSERT_TRUE(signal) << refusal.toStdString();
  QtAudioOutput output;
  QString reason;
  const QByteArray bytes(reinterpret_cast<const char*>(signal->bytes.data()),
                         static_cast<qsizetype>(signal->bytes.size()));
  ASSERT_TRUE(output.Start(signal->format, bytes, &reason)) << reason.toStdString();
  RunEventLoop(300);
  QtAudioInput input;
  SamplingEngine engine(&input);
  engine.OpenWaveIn();
  ASSERT_TRUE(input.IsOpen());
  g_recordState = Recording;
  RunEventLoop(1600);
  g_recordState = Idle;
  engine.CloseWaveIn();
  output.Stop();

  // One second after the first block.
  for (const auto& [channel, wave] : {std::pair{0, c.left}, std::pair{1, c.right}}) {
    std::vector<double> x = RecordedChannel(engine, channel, AudioInput::kBlockBytes / 4);
    ASSERT_GE(x.size(), 44100u);
    x.resize(44100);
    const double pitch = 44100.0 / static_cast<double>(PeriodFrames(44100, 2, wave.wave, wave.freq));
    double peakHz = 0, peak = 0, strongestBeside = 0;
    for (double hz = pitch - 60; hz <= pitch + 60; hz += 0.25) {
      const double a = LineAmplitude(x, hz, 44100);
      if (a > peak) std::tie(peakHz, peak) = std::pair{hz, a};
      if (std::abs(hz - pitch) >= 5) strongestBeside = std::max(strongestBeside, a);
    }
    std::printf("  channel %d: line at %.2f Hz (synthesised %.2f Hz), %.1f dB beside it\n", channel, peakHz, pitch,
                20 * std::log10(strongestBeside / peak));
    EXPECT_NEAR(peakHz, pitch, 0.5) << "channel " << channel;
    EXPECT_LT(strongestBeside, 0.01 * peak) << "channel " << channel;
  }
}

// 3000 Hz is 14 frames a period (3150 Hz), 58 bytes: a loop of whole byte
// periods was 73.5 sine periods. 1500 Hz beside 400 Hz: 29 and 110 frames.
INSTANTIATE_TEST_SUITE_P(Pairs, GeneratorLineTest,
                         ::testing::Values(LineCase{{Sine, 3000, 16384}, {Sine, 3000, 16384}},
                                           LineCase{{Sine, 1500, 16384}, {Square, 400, 8000}}));

}  // namespace
