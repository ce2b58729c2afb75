#include "analysis/FastFft.h"
#include "analysis/SignalAnalysis.h"

#include <cmath>
#include <vector>

namespace {
constexpr double kPi = 3.1415926535;
}

std::complex<double> FftTwiddle(int i, int n) {
  const double theta = (static_cast<double>(-i) * kPi * 2.0) / static_cast<double>(n);
  return {std::cos(theta), std::sin(theta)};
}

int FftBitReverse(int j, int bits) {
  int r = 0;
  for (int b = 0; b < bits; ++b) r |= ((j >> b) & 1) << (bits - 1 - b);
  return r;
}

// The plain transform: fresh tables and work arrays on every call. The complex
// products are spelled out so that no library routine (which may treat
// infinities specially) changes the arithmetic.
void Fft(const std::complex<double>* input, std::complex<double>* output, int log2n) {
  const int n = 1 << log2n;
  std::vector<std::complex<double>> w(n / 2);
  for (int i = 0; i < n / 2; ++i) w[i] = FftTwiddle(i, n);
  std::vector<std::complex<double>> a(input, input + n);
  std::vector<std::complex<double>> b(n);
  for (int s = 0; s < log2n; ++s) {
    const int groups = 1 << s;
    const int span = n >> s;
    for (int k = 0; k < groups; ++k) {
      for (int l = 0; l < span / 2; ++l) {
        const int p = k * span + l;
        const int q = p + span / 2;
        const double ar = a[p].real(), ai = a[p].imag();
        const double br = a[q].real(), bi = a[q].imag();
        const double dr = ar - br, di = ai - bi;
        const double wr = w[groups * l].real(), wi = w[groups * l].imag();
        b[p] = {ar + br, ai + bi};
        b[q] = {dr * wr - di * wi, dr * wi + di * wr};
      }
    }
    a.swap(b);
  }
  for (int j = 0; j < n; ++j) output[j] = a[FftBitReverse(j, log2n)];
}
