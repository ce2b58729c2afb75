#include "analysis/FastFft.h"

// The fast 1024-point transform. It performs the reference's butterflies with
// the same operands in the same order; it only drops operations that cannot
// change a result other than by the sign of a zero:
//  - x * 1.0 is x, and x - (+-0) and x + (+-0) equal x, for every finite x;
//  - 0 * w is +-0 for finite w.
// The sign of a zero never changes a later non-zero result here: the transform
// only adds, subtracts and multiplies finite values, and for those a +0 and a
// -0 operand give results that compare equal. So every output compares equal
// (==) to the reference's, and magnitudes sqrt(re*re + im*im), which do not see
// the sign of a zero, are the same bits.

namespace {

constexpr int kN = kFastFftSize;
constexpr int kLog2N = 10;

struct Tables {
  // Stage s (span c = kN >> s) uses W[(1 << s) * l] for l < c / 2; those are
  // stored contiguously from offset kN - c, so every stage reads its twiddles
  // as a plain array.
  alignas(64) double wr[kN];
  alignas(64) double wi[kN];
  Tables() {
    for (int s = 0; s < kLog2N; ++s) {
      const int span = kN >> s;
      for (int l = 0; l < span / 2; ++l) {
        const std::complex<double> w = FftTwiddle((1 << s) * l, kN);
        wr[kN - span + l] = w.real();
        wi[kN - span + l] = w.imag();
      }
    }
  }
};

const Tables& GetTables() {
  static const Tables tables;
  return tables;
}

// The passes below each do two stages at once on four points a quarter span
// apart: stage s pairs (0, 2) with W_s[l] and (1, 3) with W_s[l + quarter];
// stage s + 1 then pairs (0, 1) and (2, 3), both with W_{s+1}[l]. Each
// butterfly is the reference's:
//   p' = p + q,  q' = (p - q) * w = (dr * wr - di * wi, dr * wi + di * wr).

// Two stages of a block whose imaginary parts are all zero: block 0 of every
// stage only ever receives sums of the real input. With zero imaginary parts
// the reference's q' = (dr * wr - 0 * wi, dr * wi + 0 * wr) and p' = (.., 0 + 0)
// reduce to the products below; of the second stage only the pair (0, 1) is
// still real.
//
// The four quarters and the twiddle runs are passed as separate restrict
// pointers, which is what lets GCC vectorise the loops.
[[gnu::always_inline]] inline void RealPass(
    double* __restrict r0, double* __restrict r1, double* __restrict r2, double* __restrict r3,
    double* __restrict i0, double* __restrict i1, double* __restrict i2, double* __restrict i3,
    int quarter, const double* __restrict wr, const double* __restrict wi,
    const double* __restrict ur, const double* __restrict ui, const double* __restrict vr,
    const double* __restrict vi) {
  for (int l = 0; l < quarter; ++l) {
    // Stage s: W_s[l] = wr + j wi, W_s[l + quarter] = ur + j ui.
    const double d02 = r0[l] - r2[l], d13 = r1[l] - r3[l];
    const double a0 = r0[l] + r2[l], a1 = r1[l] + r3[l];
    const double a2r = d02 * wr[l], a2i = d02 * wi[l];
    const double a3r = d13 * ur[l], a3i = d13 * ui[l];
    // Stage s + 1: W_{s+1}[l] = vr + j vi.
    const double d01 = a0 - a1;
    const double d23r = a2r - a3r, d23i = a2i - a3i;
    r0[l] = a0 + a1;
    i0[l] = 0.0;
    r1[l] = d01 * vr[l];
    i1[l] = d01 * vi[l];
    r2[l] = a2r + a3r;
    i2[l] = a2i + a3i;
    r3[l] = d23r * vr[l] - d23i * vi[l];
    i3[l] = d23r * vi[l] + d23i * vr[l];
  }
}

[[gnu::always_inline]] inline void ComplexPass(
    double* __restrict r0, double* __restrict r1, double* __restrict r2, double* __restrict r3,
    double* __restrict i0, double* __restrict i1, double* __restrict i2, double* __restrict i3,
    int quarter, const double* __restrict wr, const double* __restrict wi,
    const double* __restrict ur, const double* __restrict ui, const double* __restrict vr,
    const double* __restrict vi) {
  for (int l = 0; l < quarter; ++l) {
    // Stage s.
    const double d02r = r0[l] - r2[l], d02i = i0[l] - i2[l];
    const double d13r = r1[l] - r3[l], d13i = i1[l] - i3[l];
    const double a0r = r0[l] + r2[l], a0i = i0[l] + i2[l];
    const double a1r = r1[l] + r3[l], a1i = i1[l] + i3[l];
    const double a2r = d02r * wr[l] - d02i * wi[l];
    const double a2i = d02r * wi[l] + d02i * wr[l];
    const double a3r = d13r * ur[l] - d13i * ui[l];
    const double a3i = d13r * ui[l] + d13i * ur[l];
    // Stage s + 1.
    const double d01r = a0r - a1r, d01i = a0i - a1i;
    const double d23r = a2r - a3r, d23i = a2i - a3i;
    r0[l] = a0r + a1r;
    i0[l] = a0i + a1i;
    r1[l] = d01r * vr[l] - d01i * vi[l];
    i1[l] = d01r * vi[l] + d01i * vr[l];
    r2[l] = a2r + a3r;
    i2[l] = a2i + a3i;
    r3[l] = d23r * vr[l] - d23i * vi[l];
    i3[l] = d23r * vi[l] + d23i * vr[l];
  }
}

// The transform, built once per instruction-set level. It stays inside this
// file: other files call the plain FastRealFft1024 below. Clang names the
// dispatcher of a clone set differently from GCC and calls a clone set
// declared in another file wrongly, so a clone set is only ever called from
// the file that defines it.
ONDRIX_SIMD_CLONES
void Transform(const int32_t* values, double* __restrict re, double* __restrict im) {
  const Tables& t = GetTables();
  for (int l = 0; l < kN; ++l) re[l] = static_cast<double>(values[l]);

  // Stages 0 .. 7 in pairs, in place.
  for (int s = 0; s < kLog2N - 2; s += 2) {
    const int span = kN >> s;
    const int quarter = span / 4;
    const double* wr = t.wr + kN - span;
    const double* wi = t.wi + kN - span;
    const double* vr = t.wr + kN - span / 2;
    const double* vi = t.wi + kN - span / 2;
    for (int base = 0; base < kN; base += span) {
      double* r = re + base;
      double* i = im + base;
      const int q = quarter;
      if (base == 0)
        RealPass(r, r + q, r + 2 * q, r + 3 * q, i, i + q, i + 2 * q, i + 3 * q, q, wr, wi,
                 wr + q, wi + q, vr, vi);
      else
        ComplexPass(r, r + q, r + 2 * q, r + 3 * q, i, i + q, i + 2 * q, i + 3 * q, q, wr, wi,
                    wr + q, wi + q, vr, vi);
    }
  }

  // The last two stages, four points at a time. Span 4 uses W[0] = 1 (no
  // product needed) and W[kN / 4]; span 2 uses only W[0].
  const double c1 = t.wr[kN - 4 + 1], s1 = t.wi[kN - 4 + 1];
  for (int p = 0; p < kN; p += 4) {
    const double x0r = re[p], x1r = re[p + 1], x2r = re[p + 2], x3r = re[p + 3];
    const double x0i = im[p], x1i = im[p + 1], x2i = im[p + 2], x3i = im[p + 3];
    const double y0r = x0r + x2r, y0i = x0i + x2i;
    const double y2r = x0r - x2r, y2i = x0i - x2i;
    const double y1r = x1r + x3r, y1i = x1i + x3i;
    const double dr = x1r - x3r, di = x1i - x3i;
    const double y3r = dr * c1 - di * s1, y3i = dr * s1 + di * c1;
    re[p] = y0r + y1r;
    im[p] = y0i + y1i;
    re[p + 1] = y0r - y1r;
    im[p + 1] = y0i - y1i;
    re[p + 2] = y2r + y3r;
    im[p + 2] = y2i + y3i;
    re[p + 3] = y2r - y3r;
    im[p + 3] = y2i - y3i;
  }
}

}  // namespace

void FastRealFft1024(const int32_t* values, double* re, double* im) { Transform(values, re, im); }

void FastRealFft1024(const int32_t* values, std::complex<double>* output) {
  alignas(64) double re[kN];
  alignas(64) double im[kN];
  FastRealFft1024(values, re, im);
  for (int j = 0; j < kN; ++j) {
    const int r = FftBitReverse(j, kLog2N);
    output[j] = {re[r], im[r]};
  }
}
