#include "analysis/FastFft.h"
#include "analysis/SignalAnalysis.h"

#include <array>
#include <cmath>
#include <vector>

// The magnitude spectrum and its peak. Traces of 1024 values (the only length
// the program uses) take the allocation-free fast transform; other powers of
// two take the reference transform. Both give the same integers.

namespace {

// Magnitudes above the 32-bit range (impossible for 8- and 16-bit samples,
// whose largest magnitude is 1024 * 32768 = 2^25) saturate instead of making
// the conversion undefined.
constexpr double kMaxMagnitude = 2147483647.0;

int Log2Count(int count) {
  int n = 0;
  for (int64_t v = 1; v <= count; v *= 2) ++n;  // doublings of 1 to exceed count
  return n - 1;
}

bool ValidCount(int count) { return count >= 2 && (count & (count - 1)) == 0; }

[[gnu::always_inline]] inline int32_t Magnitude(double re, double im) {
  const double magnitude = std::sqrt(re * re + im * im);
  return static_cast<int32_t>(magnitude < kMaxMagnitude ? magnitude : kMaxMagnitude);
}

// m / divisor with m >= 0 and 1 <= divisor < 2^31, done in floating point so
// that it vectorises. It equals the truncating integer division: m / divisor
// is at least 1/divisor below the next integer k, while rounding could only
// reach k from within k * 2^-53 of it, which needs m + divisor > 2^53.
// Dividing by 1.0 changes nothing.
[[gnu::always_inline]] inline int32_t Divide(int32_t m, double divisor) {
  return static_cast<int32_t>(static_cast<double>(m) / divisor);
}

int32_t PeakFrequency(int peakIndex, int count, int32_t sampleRate) {
  // sampleRate * index fits 32 bits for the program's rates (at most
  // 200000 * 1023); it is formed in 64 bits so that no rate can overflow it.
  const int64_t product = static_cast<int64_t>(sampleRate) * peakIndex;
  return RoundByTenth(static_cast<double>(product) / static_cast<double>(count));
}

const uint16_t* BitReverseTable() {
  static const std::array<uint16_t, kFastFftSize> table = [] {
    std::array<uint16_t, kFastFftSize> r{};
    for (int j = 0; j < kFastFftSize; ++j) r[j] = static_cast<uint16_t>(FftBitReverse(j, 10));
    return r;
  }();
  return table.data();
}

// Fast path: values[j] = magnitude of bin j / divisor, from the bit-reversed
// transform. Everything lives on the stack.
ONDRIX_SIMD_CLONES
void FastMagnitudes(int32_t* values, double divisor) {
  alignas(64) double re[kFastFftSize];
  alignas(64) double im[kFastFftSize];
  alignas(64) int32_t mag[kFastFftSize];
  FastRealFft1024(values, re, im);
  // Two loops: fused, GCC does not vectorise them.
  for (int p = 0; p < kFastFftSize; ++p) mag[p] = Magnitude(re[p], im[p]);
  const uint16_t* reverse = BitReverseTable();
  for (int j = 0; j < kFastFftSize; ++j) values[j] = Divide(mag[reverse[j]], divisor);
}

// The first index of the largest value in 1 .. count-1, or 0 when all are 0.
// The values are never negative, so this is the first index whose value beats
// the largest seen so far, starting from 0 at index 0.
ONDRIX_SIMD_CLONES
int PeakIndex(const int32_t* values, int count) {
  int32_t best = 0;
  for (int i = 1; i < count; ++i) best = values[i] > best ? values[i] : best;
  if (best == 0) return 0;
  int i = 1;
  while (values[i] != best) ++i;
  return i;
}

// Reference path: the plain transform on freshly allocated arrays.
template <bool kSpectrum>
void ReferenceMagnitudes(int32_t* values, int count, double divisor) {
  std::vector<std::complex<double>> x(count), y(count);
  for (int i = 0; i < count; ++i) x[i] = {static_cast<double>(values[i]), 0.0};
  Fft(x.data(), y.data(), Log2Count(count));
  for (int i = 0; i < count; ++i) {
    const int32_t m = Magnitude(y[i].real(), y[i].imag());
    values[i] = kSpectrum ? m / static_cast<int32_t>(divisor) : m;
  }
  if (kSpectrum) values[0] = 0;
}

double DivisorOf(int32_t gainDivisor) { return gainDivisor > 0 ? gainDivisor : 1; }

}  // namespace

int32_t SpectrumAndPeak(int32_t* values, int count, int32_t sampleRate, int32_t gainDivisor) {
  if (count != kFastFftSize) return SpectrumAndPeakReference(values, count, sampleRate, gainDivisor);
  FastMagnitudes(values, DivisorOf(gainDivisor));
  values[0] = 0;
  return PeakFrequency(PeakIndex(values, count), count, sampleRate);
}

void FftMagnitude(int32_t* values, int count) {
  if (count != kFastFftSize) return FftMagnitudeReference(values, count);
  FastMagnitudes(values, 1.0);
}

int32_t SpectrumAndPeakReference(int32_t* values, int count, int32_t sampleRate,
                                 int32_t gainDivisor) {
  if (!ValidCount(count)) return 0;
  ReferenceMagnitudes<true>(values, count, DivisorOf(gainDivisor));
  int peak = 0;
  int32_t best = 0;
  for (int i = 1; i < count; ++i) {
    if (values[i] > best) {
      best = values[i];
      peak = i;
    }
  }
  return PeakFrequency(peak, count, sampleRate);
}

void FftMagnitudeReference(int32_t* values, int count) {
  if (!ValidCount(count)) return;
  ReferenceMagnitudes<false>(values, count, 1.0);
}
