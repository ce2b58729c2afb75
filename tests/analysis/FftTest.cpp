#include "analysis/FastFft.h"
#include "analysis/SignalAnalysis.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <vector>

namespace {

using Complex = std::complex<double>;

// Direct O(N^2) DFT with the exact value of pi, in long double.
std::vector<Complex> NaiveDft(const std::vector<Complex>& x) {
  const size_t n = x.size();
  std::vector<std::complex<long double>> w(n);
  for (size_t i = 0; i < n; ++i) {
    const long double a = -2.0L * std::numbers::pi_v<long double> * i / n;
    w[i] = {std::cos(a), std::sin(a)};
  }
  std::vector<Complex> out(n);
  for (size_t k = 0; k < n; ++k) {
    std::complex<long double> sum = 0;
    for (size_t m = 0; m < n; ++m)
      sum += std::complex<long double>(x[m].real(), x[m].imag()) * w[(k * m) % n];
    out[k] = {static_cast<double>(sum.real()), static_cast<double>(sum.imag())};
  }
  return out;
}

using Trace = std::array<int32_t, kFastFftSize>;

// The inputs the fast path must reproduce bit for bit.
std::vector<Trace> BitExactnessInputs() {
  std::vector<Trace> inputs;
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int32_t> byte(-128, 127);
  std::uniform_int_distribution<int32_t> word(-32768, 32767);
  for (int r = 0; r < 100; ++r) {
    Trace t;
    for (auto& v : t) v = byte(rng);
    inputs.push_back(t);
    for (auto& v : t) v = word(rng);
    inputs.push_back(t);
  }
  Trace t{};
  inputs.push_back(t);  // all zeros
  for (int pos : {0, 1, 3, 511, 512, 1023}) {
    t.fill(0);
    t[pos] = pos % 2 ? -32768 : 32767;  // impulses
    inputs.push_back(t);
  }
  for (int32_t level : {-7, 32767}) {
    t.fill(level);  // constants
    inputs.push_back(t);
  }
  for (int i = 0; i < kFastFftSize; ++i) t[i] = i % 2 ? -32768 : 32767;
  inputs.push_back(t);
  return inputs;
}

}  // namespace

TEST(Fft, MatchesDirectDftForEveryPowerOfTwoUpTo1024) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> dist(-1000.0, 1000.0);
  for (int log2n = 1; log2n <= 10; ++log2n) {
    const int n = 1 << log2n;
    std::vector<Complex> x(n), y(n);
    for (auto& v : x) v = {dist(rng), dist(rng)};
    Fft(x.data(), y.data(), log2n);
    const std::vector<Complex> expected = NaiveDft(x);
    // pi = 3.1415926535 is 9e-11 short, which moves the twiddle angles by up to
    // about 3e-11 * 2pi * N; a transform mistake is of the order of the input.
    const double tolerance = 1e-6 * 1000.0 * n;
    for (int k = 0; k < n; ++k) {
      ASSERT_NEAR(y[k].real(), expected[k].real(), tolerance) << "N=" << n << " k=" << k;
      ASSERT_NEAR(y[k].imag(), expected[k].imag(), tolerance) << "N=" << n << " k=" << k;
    }
  }
}

TEST(FastFft, OutputsCompareEqualToTheReferenceTransform) {
  for (const Trace& t : BitExactnessInputs()) {
    std::vector<Complex> x(kFastFftSize), expected(kFastFftSize), actual(kFastFftSize);
    for (int i = 0; i < kFastFftSize; ++i) x[i] = {static_cast<double>(t[i]), 0.0};
    Fft(x.data(), expected.data(), 10);
    FastRealFft1024(t.data(), actual.data());
    for (int k = 0; k < kFastFftSize; ++k) {
      ASSERT_EQ(actual[k].real(), expected[k].real()) << "bin " << k;
      ASSERT_EQ(actual[k].imag(), expected[k].imag()) << "bin " << k;
    }
  }
}

TEST(FastFft, SpectrumAndMagnitudeEqualTheReferencePathsForEveryInput) {
  for (const Trace& t : BitExactnessInputs()) {
    for (int32_t gain : {1, 3, 32, 255}) {
      Trace fast = t, reference = t;
      const int32_t fastPeak = SpectrumAndPeak(fast.data(), kFastFftSize, 44100, gain);
      const int32_t referencePeak = SpectrumAndPeakReference(reference.data(), kFastFftSize, 44100, gain);
      ASSERT_EQ(fastPeak, referencePeak) << "gain " << gain;
      ASSERT_EQ(fast, reference) << "gain " << gain;
    }
    Trace fast = t, reference = t;
    FftMagnitude(fast.data(), kFastFftSize);
    FftMagnitudeReference(reference.data(), kFastFftSize);
    ASSERT_EQ(fast, reference);
  }
}
