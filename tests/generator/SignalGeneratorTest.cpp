#include "generator/SignalGenerator.h"
#include "generator/SignalSynthesis.h"

#include <gtest/gtest.h>

namespace {

// Function mode, waves, frequencies (start and end in a sweep), peaks, rise time.
GeneratorParams F(int lw, int rw, int lf, int rf, int lp, int rp) { return {1, {}, lw, rw, lf, rf, lp, rp, 0}; }
GeneratorParams S(int start, int end, int peak, int rise) { return {0, {}, Square, 0, start, end, peak, 0, rise}; }

}  // namespace

TEST(SignalGenerator, RateBelow44100OrAbove200000BecomesIt) {
  const int32_t cases[][2] = {{22050, 44100}, {44099, 44100}, {48000, 48000}, {200000, 200000}, {200001, 44100},
                              {-8000, 44100}};
  for (const auto& c : cases) EXPECT_EQ(GeneratorSampleRate(c[0]), c[1]) << c[0];
  const auto signal = MakeGeneratorSignal(F(Sine, Sine, 1000, 1000, 100, 100), 22050, 2, nullptr);
  ASSERT_TRUE(signal);
  EXPECT_EQ(signal->format, MakePcmFormat(2, 44100, 16));
  EXPECT_EQ(signal->bytes.size(), 4224u);
}

TEST(SignalGenerator, RefusesWhatCannotBeSynthesised) {
  struct Case {
    const char* what;
    GeneratorParams params;
    int rate, channels;
    const char* refusal;  // part of the message; null: accepted
  } const cases[] = {
      {"left frequency 0", F(Sine, Sine, 0, 1000, 100, 100), 44100, 2, "左声道"},
      {"right frequency negative", F(Sine, Sine, 1000, -5, 100, 100), 44100, 2, "右声道"},
      {"mono right frequency 0 (sets the length)", F(Sine, Sine, 1000, 0, 100, 100), 44100, 1, "右声道"},
      // A heard period takes at least three frames: N = R / f for a sine,
      // square and sawtooth, 2 × H = 2 × (R / 2f) for a triangle.
      {"sine of two frames a period", F(Sine, Sine, 14701, 1000, 100, 100), 44100, 2, "最高 14700 Hz"},
      {"sine of three", F(Sine, Sine, 14700, 1000, 100, 100), 44100, 2, nullptr},
      {"square at R", F(Sine, Square, 1000, 48000, 100, 100), 48000, 2, "最高 16000 Hz"},
      {"sawtooth at R/3", F(Sine, Sawtooth, 1000, 16000, 100, 100), 48000, 2, nullptr},
      {"triangle of two frames", F(Triangle, Sine, 11026, 1000, 100, 100), 44100, 2, "最高 11025 Hz"},
      {"triangle at R/2", F(Triangle, Sine, 22050, 1000, 100, 100), 44100, 2, "最高 11025 Hz"},
      {"triangle of four", F(Triangle, Sine, 11025, 1000, 100, 100), 44100, 2, nullptr},
      {"mono triangle at 96 kHz", F(Triangle, Sine, 24001, 1000, 100, 100), 96000, 1, "最高 24000 Hz"},
      {"mono right at R (not heard)", F(Sine, Triangle, 1000, 44100, 100, 100), 44100, 1, nullptr},
      {"mono right above R", F(Sine, Sine, 1000, 44101, 100, 100), 44100, 1, "最高 44100 Hz"},
      {"peak below 10", F(Sine, Sine, 1000, 1000, 9, 100), 44100, 2, "10 到 32767"},
      {"peak above 32767", F(Sine, Sine, 1000, 1000, 100, 32768), 44100, 2, "32768"},
      {"peaks at the limits", F(Sine, Sine, 1000, 1000, 10, 32767), 44100, 2, nullptr},
      {"mono right peak is not heard", F(Sine, Sine, 1000, 1000, 100, 0), 44100, 1, nullptr},
      {"a waveform outside the lists", F(Sine, 4, 1000, 1000, 100, 100), 44100, 2, "右声道的波形"},
      {"mono right waveform is not heard", F(Sine, 4, 1000, 1000, 100, 100), 44100, 1, nullptr},
      {"sweep end 0", S(100, 0, 100, 100), 44100, 2, "结束频率"},
      {"sweep start above R", S(44101, 1000, 100, 100), 44100, 2, "起始频率"},
      {"sweep start 0 and end 30000 are clamped", S(0, 30000, 100, 100), 44100, 2, nullptr},
      {"sweep rise 0", S(100, 1000, 100, 0), 44100, 2, "扫频时间"},
      {"sweep rise negative", S(100, 1000, 100, -3), 44100, 2, "扫频时间"},
      {"sweep beyond 16 MiB", S(100, 1000, 100, 190651), 44100, 2, "最长 190650 ms"},
      {"sweep at 16 MiB", S(100, 1000, 100, 190650), 44100, 2, nullptr},
      {"sweep rise 2^31 - 1", S(100, 1000, 100, 0x7FFFFFFF), 200000, 1, "扫频时间"},
      {"sweep peak", S(100, 1000, 32768, 100), 44100, 2, "峰值"},
  };
  for (const Case& c : cases) {
    QString refusal;
    const auto signal = MakeGeneratorSignal(c.params, c.rate, c.channels, &refusal);
    if (!c.refusal) {
      ASSERT_TRUE(signal) << c.what << ": " << refusal.toStdString();
      EXPECT_LE(signal->bytes.size(), kSignalMaxBytes) << c.what;
    } else {
      EXPECT_FALSE(signal) << c.what;
      EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.refusal))) << c.what << ": " << refusal.toStdString();
    }
  }
}

TEST(SignalGenerator, ModeChoosesTheSignalAndMonoHearsOnlyTheLeft) {
  const auto sweep = MakeGeneratorSignal(S(300, 3000, 5000, 1000), 44100, 1, nullptr);
  ASSERT_TRUE(sweep);
  EXPECT_EQ(sweep->bytes, SynthesizeSweepSignal(300, 3000, 5000, 1000, 44100, 1));
  const auto a = MakeGeneratorSignal(F(Triangle, Sine, 1000, 500, 8000, 100), 44100, 1, nullptr);
  const auto b = MakeGeneratorSignal(F(Triangle, Square, 1000, 500, 8000, 30000), 44100, 1, nullptr);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->bytes, b->bytes);
}

TEST(SignalGenerator, PeriodsWithoutACommonMultipleKeepWholeLeftPeriods) {
  // The worst pair at 200 kHz: periods of 800000 and 266666 bytes.
  const auto stereo = MakeGeneratorSignal(F(Sine, Sine, 1, 3, 30000, 30000), 200000, 2, nullptr);
  ASSERT_TRUE(stereo);
  EXPECT_EQ(stereo->bytes.size(), 16000000u);  // 20 left periods
  EXPECT_FALSE(stereo->note.isEmpty());
  // In mono the right channel is not heard: nothing to tell.
  const auto mono = MakeGeneratorSignal(F(Sine, Sine, 1, 3, 30000, 30000), 200000, 1, nullptr);
  ASSERT_TRUE(mono);
  EXPECT_TRUE(mono->note.isEmpty());
}
