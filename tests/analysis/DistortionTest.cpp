#include "analysis/Distortion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr int kN = kDistortionDefaultLength;

// x[t] += amplitude sin(2 pi hz t / rate + phase)
void AddSine(std::vector<double>& x, double amplitude, double hz, double rate, double phase = 0) {
  for (size_t t = 0; t < x.size(); ++t) x[t] += amplitude * std::sin(2 * std::numbers::pi * hz * t / rate + phase);
}

std::vector<double> Sine(int count, double amplitude, double hz, double rate, double phase = 0) {
  std::vector<double> x(count);
  AddSine(x, amplitude, hz, rate, phase);
  return x;
}

double PowerDb(double ratio) { return 10 * std::log10(ratio); }

void ExpectFiniteFigures(const DistortionResult& r) {
  for (double figure : {r.fundamentalHz, r.fundamentalRms, r.fundamentalDbfs, r.thdPercent, r.thdDb, r.thdnPercent,
                        r.thdnDb, r.sinadDb, r.snrDb, r.enobBits, r.dc})
    EXPECT_TRUE(std::isfinite(figure));
  for (const auto& h : r.harmonics) EXPECT_TRUE(std::isfinite(h.levelDbc));
  EXPECT_TRUE(std::all_of(r.spectrumDbfs.begin(), r.spectrumDbfs.end(), [](float v) { return std::isfinite(v); }));
}

TEST(Distortion, PureToneFrequencyLevelAndOffset) {
  struct Row {
    double rate, hz, amplitude, offset, givenHz;
  };
  const Row rows[] = {
      {48000, 997, 0.5, 0, 0},
      {48000, 1000, 0.9, 0, 0},
      {44100, 1000 * 44100.0 / kN, 0.25, 0, 0},    // on a bin
      {44100, 1000.5 * 44100.0 / kN, 0.25, 0, 0},  // half way between bins
      {44100, 50, 0.01, 0.05, 0},                  // 74.3 periods: their mean is not the offset
      {48000, 20, 0.3, 0, 0},                      // the band's foot: 0.001 % is 1/3600 bin
      {48000, 15000, 0.7, -0.2, 0},
      {48000, 24000 - 2.3 * 48000 / kN, 0.5, 0, 0},  // beside R/2, where its mirror image is near
      {48000, 997, 0.001, 0, 1000},  // a given fundamental near a louder tone
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.hz << " Hz at " << row.rate);
    std::vector<double> x(kN, row.offset);
    AddSine(x, row.amplitude, row.hz, row.rate, 0.4);
    if (row.givenHz) AddSine(x, 0.5, 5000, row.rate);
    const double level = 20 * std::log10(row.amplitude);
    const DistortionResult r = AnalyseDistortion(x, row.rate, 1, {.fundamentalHz = row.givenHz});
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_NEAR(r.fundamentalHz, row.hz, row.hz * 1e-5);
    EXPECT_NEAR(r.fundamentalDbfs, level, 0.01);
    EXPECT_NEAR(r.fundamentalRms, row.amplitude / std::sqrt(2), row.amplitude * 1e-3);
    EXPECT_NEAR(r.dc, row.offset, 1e-7);
    ASSERT_EQ(r.spectrumDbfs.size(), kN / 2 + 1u);
    // The strongest bin near the tone reads its level, less the window's loss between bins.
    const int bin = static_cast<int>(std::lround(row.hz * kN / row.rate));
    const float top = *std::max_element(r.spectrumDbfs.begin() + bin - 2, r.spectrumDbfs.begin() + bin + 3);
    EXPECT_LE(top, level + 0.01);
    EXPECT_GE(top, level - 1);
    ExpectFiniteFigures(r);
  }
}

TEST(Distortion, QuantisedFullScaleSineReadsTheQuantisationLimit) {
  for (int bits : {16, 8}) {
    SCOPED_TRACE(bits);
    const double amplitude = std::ldexp(1.0, bits - 1) - 1;
    const std::vector<double> exact = Sine(kN, amplitude, 997, 48000, 0.1);
    std::vector<double> x(kN);
    double residual = 0;
    for (int t = 0; t < kN; ++t) {
      x[t] = std::round(exact[t]);
      residual += (x[t] - exact[t]) * (x[t] - exact[t]) / kN;
    }
    const DistortionResult r = AnalyseDistortion(x, 48000, FullScaleOf(bits, false), {.fullBand = true});
    ASSERT_TRUE(r.ok) << r.reason;
    const double signal = amplitude * amplitude / 2;
    EXPECT_NEAR(r.sinadDb, 6.02 * bits + 1.76, 1);
    EXPECT_NEAR(r.sinadDb, PowerDb((signal + residual) / residual), 0.5);
    EXPECT_NEAR(r.enobBits, bits, 0.2);
  }
}

TEST(Distortion, HarmonicsAndThdMatchWhatWasPutIn) {
  struct Row {
    double rate, hz;
    size_t harmonicsInBand;
  };
  for (const Row& row : {Row{48000, 997, 9}, Row{44100, 3000, 5}}) {
    SCOPED_TRACE(row.hz);
    const double a = 0.5, second = a * 1e-3, third = a * 1e-4;  // -60 dBc, -80 dBc
    std::vector<double> x = Sine(kN, a, row.hz, row.rate);
    AddSine(x, second, 2 * row.hz, row.rate, 0.7);
    AddSine(x, third, 3 * row.hz, row.rate, 1.9);
    const DistortionResult r = AnalyseDistortion(x, row.rate, 1);
    ASSERT_TRUE(r.ok) << r.reason;
    ASSERT_EQ(r.harmonics.size(), row.harmonicsInBand);
    EXPECT_EQ(r.harmonics[0].order, 2);
    EXPECT_NEAR(r.harmonics[0].frequencyHz, 2 * row.hz, row.hz * 1e-5);
    EXPECT_NEAR(r.harmonics[0].levelDbc, -60, 0.2);
    EXPECT_NEAR(r.harmonics[1].levelDbc, -80, 0.2);
    EXPECT_LT(r.harmonics[2].levelDbc, -200);
    EXPECT_NEAR(r.thdDb, PowerDb((second * second + third * third) / (a * a)), 0.1);
    EXPECT_NEAR(r.thdPercent, 100 * std::hypot(second, third) / a, 0.001);
  }
}

TEST(Distortion, NoiseAt60DbSnrIsMeasuredOverTheBand) {
  struct Row {
    bool fullBand;
    double low, high;  // the band the row measures
  };
  for (const Row& row : {Row{false, 20, 20000}, Row{true, 0, 24000}}) {
    SCOPED_TRACE(row.fullBand);
    const double a = 0.5, signal = a * a / 2;
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, std::sqrt(signal * 1e-6));
    std::vector<double> x = Sine(kN, a, 997, 48000, 0.2);
    double noisePower = 0;
    for (double& v : x) {
      const double e = noise(rng);
      v += e;
      noisePower += e * e / kN;
    }
    // White noise spreads evenly over DC .. R/2.
    const double inBand = noisePower * (row.high - row.low) / 24000;
    const DistortionResult r = AnalyseDistortion(x, 48000, 1, {.fullBand = row.fullBand});
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_NEAR(r.snrDb, PowerDb(signal / inBand), 0.5);
    EXPECT_NEAR(r.sinadDb, PowerDb((signal + inBand) / inBand), 0.5);
  }
}

TEST(Distortion, BadInputFailsWithAReasonAndFiniteFigures) {
  struct Row {
    const char* name;
    std::vector<double> samples;
    double rate = 48000, fullScale = 1;
    DistortionOptions options{};
  };
  const std::vector<double> tone = Sine(kN, 0.5, 1000, 48000);
  std::vector<double> withNan = tone, withInf = tone;
  withNan[kN - 5] = std::numeric_limits<double>::quiet_NaN();
  withInf[kN / 2] = -std::numeric_limits<double>::infinity();
  const Row rows[] = {
      {"too short", std::vector<double>(tone.begin(), tone.begin() + kDistortionMinLength - 1)},
      {"length below the least", tone, 48000, 1, {.length = 1000}},
      {"no rate", tone, 0},
      {"rate NaN", tone, std::numeric_limits<double>::quiet_NaN()},
      {"no full scale", tone, 48000, 0},
      {"NaN sample", withNan},
      {"infinite sample", withInf},
      {"silence", std::vector<double>(kN, 0.0)},
      {"pure DC", std::vector<double>(kN, 0.3)},
      {"empty band", tone, 48000, 1, {.bandLowHz = 5000, .bandHighHz = 3000}},
      {"given fundamental above R/2", tone, 48000, 1, {.fundamentalHz = 30000}},
      {"tone below the DC region", Sine(kDistortionMinLength, 0.5, 50, 48000)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const DistortionResult r = AnalyseDistortion(row.samples, row.rate, row.fullScale, row.options);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.empty());
    ExpectFiniteFigures(r);
  }
}

}  // namespace
