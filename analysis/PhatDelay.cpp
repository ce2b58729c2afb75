#include "analysis/PhatDelay.h"

#include "analysis/RealFft.h"

#include <fftw3.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// The cross spectrum with each bin reduced to its phase; DC and the top bin
// (whose phase is only a sign) are left out.
std::vector<std::complex<double>> PhaseOnly(std::span<const std::complex<double>> cross) {
  std::vector<std::complex<double>> w(cross.size());
  for (std::size_t k = 1; k + 1 < cross.size(); ++k) {
    const double m = std::abs(cross[k]);
    if (m > 0) w[k] = cross[k] / m;
  }
  return w;
}

// A one-off transform, planned cheaply (FFTW_ESTIMATE does not touch the
// buffers) on this call's own buffers.
void RunOnce(fftw_plan plan) {
  fftw_execute(plan);
  std::lock_guard lock(FftwPlannerMutex());
  fftw_destroy_plan(plan);
}

// r[t] = sum over k of w[k] e^{j 2 pi k t / n} for the n samples whose
// spectrum w (bins 0 .. n/2) is.
std::vector<double> Correlation(std::vector<std::complex<double>> w, int n) {
  std::vector<double> r(n);
  fftw_plan plan;
  {
    std::lock_guard lock(FftwPlannerMutex());
    plan = fftw_plan_dft_c2r_1d(n, reinterpret_cast<fftw_complex*>(w.data()), r.data(), FFTW_ESTIMATE);
  }
  RunOnce(plan);
  return r;
}

// The same correlation at a lag between samples: the band-limited
// interpolation of r.
double CorrelationAt(std::span<const std::complex<double>> w, int n, double lag) {
  const double step = 2 * std::numbers::pi * lag / n;
  double sum = 0;
  std::complex<double> turn = 1;
  const std::complex<double> rotate = std::polar(1.0, step);
  for (std::size_t k = 1; k < w.size(); ++k) {
    // The rotation is exact again every 1024 bins, so rounding never builds up.
    turn = (k % 1024 == 0) ? std::polar(1.0, step * static_cast<double>(k)) : turn * rotate;
    sum += w[k].real() * turn.real() - w[k].imag() * turn.imag();
  }
  return sum;
}

// The peak of CorrelationAt within a sample either side of `whole`, by
// golden-section search (the main lobe is one hump there).
double RefinePeak(std::span<const std::complex<double>> w, int n, int whole) {
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double a = whole - 1.0, b = whole + 1.0;
  double c = b - ratio * (b - a), d = a + ratio * (b - a);
  double fc = CorrelationAt(w, n, c), fd = CorrelationAt(w, n, d);
  for (int i = 0; i < 30; ++i) {
    if (fc > fd) {
      b = d, d = c, fd = fc;
      c = b - ratio * (b - a);
      fc = CorrelationAt(w, n, c);
    } else {
      a = c, c = d, fc = fd;
      d = a + ratio * (b - a);
      fd = CorrelationAt(w, n, d);
    }
  }
  return (a + b) / 2;
}

// The n-point spectrum of the first n/2 of `samples` at most, zero-padded,
// so a correlation of two such never wraps around.
std::vector<std::complex<double>> Spectrum(std::span<const double> samples, int n) {
  std::vector<double> in(n);
  std::copy_n(samples.begin(), std::min<std::size_t>(samples.size(), n / 2), in.begin());
  std::vector<std::complex<double>> out(n / 2 + 1);
  fftw_plan plan;
  {
    std::lock_guard lock(FftwPlannerMutex());
    plan = fftw_plan_dft_r2c_1d(n, in.data(), reinterpret_cast<fftw_complex*>(out.data()), FFTW_ESTIMATE);
  }
  RunOnce(plan);
  return out;
}

}  // namespace

double PhatDelaySamples(std::span<const std::complex<double>> cross, int n, int maxLag) {
  std::vector<std::complex<double>> w = PhaseOnly(cross);
  if (std::all_of(w.begin(), w.end(), [](std::complex<double> v) { return v == 0.0; })) return 0;
  const std::vector<double> r = Correlation(w, n);
  int best = 0;
  for (int lag = -maxLag; lag <= maxLag; ++lag)
    if (r[(lag + n) % n] > r[(best + n) % n]) best = lag;
  return RefinePeak(w, n, best);
}

double BlockDelaySamples(std::span<const double> x, std::span<const double> y) {
  const std::size_t longer = std::max(x.size(), y.size());
  if (longer < 2) return 0;
  const int n = static_cast<int>(std::min<std::size_t>(std::bit_ceil(2 * longer), kMaxBlockDelayFft));
  const std::vector<std::complex<double>> xs = Spectrum(x, n), ys = Spectrum(y, n);
  std::vector<std::complex<double>> cross(xs.size());
  for (std::size_t k = 0; k < cross.size(); ++k) cross[k] = std::conj(xs[k]) * ys[k];
  return PhatDelaySamples(cross, n, n / 2 - 1);
}
