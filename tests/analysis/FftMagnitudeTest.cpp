#include "analysis/SignalAnalysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

using Trace = std::array<int32_t, 1024>;

// A cosine of amplitude A at bin k; its magnitude is A * count / 2 at bins k
// and count - k.
Trace Tone(int bin, double amplitude, int count = 1024) {
  Trace t{};
  for (int i = 0; i < count; ++i)
    t[i] = static_cast<int32_t>(std::lround(amplitude * std::cos(2 * std::numbers::pi * bin * i / count)));
  return t;
}

}  // namespace

TEST(SpectrumAndPeak, ToneReportsItsBinFrequencyRoundedByTheTenthsDigit) {
  Trace t = Tone(10, 10000);
  EXPECT_EQ(SpectrumAndPeak(t.data(), 1024, 44100, 1), 431);  // 430.66 Hz
  EXPECT_EQ(t[0], 0);
  EXPECT_NEAR(t[10], 10000 * 512, 100);
  EXPECT_NEAR(t[1014], 10000 * 512, 100);  // the mirror bin does not win
  EXPECT_LT(t[500], 100);
  t = Tone(100, 3000);
  EXPECT_EQ(SpectrumAndPeak(t.data(), 1024, 48000, 1), 4688);  // 4687.5
}

TEST(SpectrumAndPeak, GainDivisorScalesHeightsButNotAClearPeak) {
  Trace t{};
  t[0] = 31;  // an impulse of 31: magnitude exactly 31 in every bin
  EXPECT_EQ(SpectrumAndPeak(t.data(), 1024, 44100, 32), 0);
  EXPECT_EQ(t, Trace{});

  const Trace tone = Tone(93, 5000);
  Trace unscaled = tone;
  EXPECT_EQ(SpectrumAndPeak(unscaled.data(), 1024, 44100, 1), 4005);  // 4005.2
  for (int32_t gain : {32, 100, 0, -5}) {  // below 1 counts as 1
    Trace scaled = tone;
    EXPECT_EQ(SpectrumAndPeak(scaled.data(), 1024, 44100, gain), 4005) << gain;
    for (int i = 1; i < 1024; ++i) ASSERT_EQ(scaled[i], unscaled[i] / std::max(gain, 1)) << gain << " bin " << i;
  }
}

TEST(SpectrumAndPeak, EqualBinsResolveToTheLowerIndexAndSilenceGivesZero) {
  Trace t{};
  t[0] = 500;  // every bin equal: bin 1 wins
  EXPECT_EQ(SpectrumAndPeak(t.data(), 1024, 44100, 1), 43);  // 43.07 Hz

  t.fill(0);
  EXPECT_EQ(SpectrumAndPeak(t.data(), 1024, 44100, 32), 0);
  t.fill(1000);  // pure DC: all its energy is in the dropped bin
  EXPECT_EQ(SpectrumAndPeak(t.data(), 1024, 44100, 1), 0);
  EXPECT_EQ(t, Trace{});
}

TEST(SpectrumAndPeak, OtherPowersOfTwoUseTheirOwnBinWidthAndOtherCountsAreIgnored) {
  Trace t = Tone(10, 1000, 256);
  EXPECT_EQ(SpectrumAndPeak(t.data(), 256, 8000, 1), 313);  // 312.5
  EXPECT_NEAR(t[10], 1000 * 128, 10);
  EXPECT_EQ(t[256], 0);  // beyond count: untouched

  Trace odd = Tone(10, 1000);
  const Trace before = odd;
  EXPECT_EQ(SpectrumAndPeak(odd.data(), 1000, 8000, 1), 0);
  EXPECT_EQ(odd, before);
}

TEST(FftMagnitude, KeepsDcAndAppliesNoGain) {
  Trace t;
  t.fill(5);
  FftMagnitude(t.data(), 1024);
  EXPECT_EQ(t[0], 5 * 1024);
  for (int i = 1; i < 1024; ++i) ASSERT_EQ(t[i], 0) << i;
}
