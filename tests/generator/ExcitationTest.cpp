#include "generator/Excitation.h"

#include "analysis/RealFft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int kRate = 44100;

// One channel of a 16-bit stereo signal; fails the test when the other differs.
std::vector<double> Left(const GeneratedSignal& s) {
  std::vector<int16_t> pcm(s.bytes.size() / 2);
  std::memcpy(pcm.data(), s.bytes.data(), pcm.size() * 2);
  std::vector<double> left;
  for (std::size_t i = 0; i + 1 < pcm.size(); i += 2) {
    EXPECT_EQ(pcm[i], pcm[i + 1]) << "frame " << i / 2;
    left.push_back(pcm[i]);
  }
  return left;
}

// Mean power density in dB of the octave bands centred on 125 Hz .. 8 kHz,
// from averaged rectangular periodograms of 8192 points.
std::vector<double> OctaveDensities(const std::vector<double>& x) {
  constexpr int n = 8192;
  RealFft& fft = RealFft::OfSize(n);
  std::vector<double> power(n / 2 + 1);
  for (std::size_t at = 0; at + n <= x.size(); at += n) {
    std::copy_n(x.begin() + at, n, fft.Input().begin());
    fft.Execute();
    for (int k = 0; k <= n / 2; ++k) power[k] += std::norm(fft.Output()[k]);
  }
  std::vector<double> bands;
  for (double centre = 125; centre <= 8000; centre *= 2) {
    const int lo = int(centre / std::sqrt(2.0) * n / kRate), hi = int(centre * std::sqrt(2.0) * n / kRate);
    double sum = 0;
    for (int k = lo; k < hi; ++k) sum += power[k];
    bands.push_back(10 * std::log10(sum / (hi - lo)));
  }
  return bands;
}

double Rms(const std::vector<double>& x) {
  double sum = 0;
  for (double v : x) sum += v * v;
  return std::sqrt(sum / x.size());
}

}  // namespace

TEST(Excitation, NoiseSlopeAndLevel) {
  struct Case {
    Excitation kind;
    double levelDb;
    double slopeDbPerOctave;
  } const cases[] = {{Excitation::PinkNoise, -20, -3}, {Excitation::WhiteNoise, -30, 0}};
  for (const Case& c : cases) {
    const GeneratedSignal s = MakeExcitation(c.kind, c.levelDb, kRate);
    EXPECT_EQ(s.format, MakePcmFormat(2, kRate, 16));
    const std::vector<double> x = Left(s);
    EXPECT_EQ(x.size(), std::size_t(kExcitationLoopSeconds * kRate));
    EXPECT_NEAR(20 * std::log10(Rms(x) * std::sqrt(2.0) / 32767), c.levelDb, 0.05);
    const std::vector<double> bands = OctaveDensities(x);
    for (std::size_t b = 1; b < bands.size(); ++b)
      EXPECT_NEAR(bands[b] - bands[b - 1], c.slopeDbPerOctave, 1.0) << int(c.kind) << " octave " << b;
    EXPECT_NEAR((bands.back() - bands.front()) / (bands.size() - 1), c.slopeDbPerOctave, 0.3) << int(c.kind);
  }
}

TEST(Excitation, SweepSpansTheBandAndLoopsWithoutAJump) {
  for (const int rate : {8000, 44100, 96000}) {
    const std::vector<double> x = Left(MakeExcitation(Excitation::LogSweep, -12, rate));
    const double peak = 32767 * std::pow(10.0, -12 / 20.0);
    double largest = 0;
    for (double v : x) largest = std::max(largest, std::abs(v));
    EXPECT_NEAR(largest, peak, 1.0) << rate;
    const int64_t frames = static_cast<int64_t>(x.size());
    const double high = 0.9 * rate / 2;
    EXPECT_NEAR(SweepFrequency(0, frames, high, 1.0), kSweepLowHz, 1e-9);
    EXPECT_NEAR(SweepFrequency(frames, frames, high, 1.0), high, 1e-6 * high);
    // Across the loop point the top of the sweep goes on as a sine would:
    // x[n+1] = 2 cos(w) x[n] - x[n-1] predicts the first sample from the last two.
    const double w = 2 * M_PI * SweepFrequency(frames - 1, frames, high, 1.0) / rate;
    const double next = 2 * std::cos(w) * x[frames - 1] - x[frames - 2];
    EXPECT_NEAR(x[0], next, 0.01 * peak) << rate;
  }
}

TEST(Excitation, LevelIsClampedToTheRange) {
  const struct {
    double asked, played;
  } cases[] = {{0, kExcitationMaxDb}, {-100, kExcitationMinDb}, {-33, -33}};
  for (const auto& c : cases) {
    const std::vector<double> x = Left(MakeExcitation(Excitation::WhiteNoise, c.asked, kRate));
    EXPECT_NEAR(20 * std::log10(Rms(x) * std::sqrt(2.0) / 32767), c.played, 0.05) << c.asked;
  }
}
