#include "analysis/ToneFit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kFitReach = 3;  // bins each side of the peak: the top of the main lobe, where the tone is strongest

// The best tone at frequency `bin`: bins[k] ~ a W(k - bin) + conj(a) W(k + bin),
// W the window's response, solved for the complex a by least squares over
// real and imaginary parts (a = p + jq makes the model p u + q v, with
// u = W(k - bin) + W(k + bin) and v = j (W(k - bin) - W(k + bin))).
struct LinearFit {
  std::complex<double> a;
  double residual;  // the sum of squared misfits
};

LinearFit FitAt(std::span<const std::complex<double>> bins, int first, int last, double bin, int n,
                const TaperWindow& window) {
  const auto dot = [](std::complex<double> x, std::complex<double> y) { return x.real() * y.real() + x.imag() * y.imag(); };
  double uu = 0, uv = 0, vv = 0, uy = 0, vy = 0, yy = 0;
  for (int k = first; k <= last; ++k) {
    const std::complex<double> direct = window.Response(k - bin, n), mirror = window.Response(k + bin, n);
    const std::complex<double> u = direct + mirror, v = std::complex<double>(0, 1) * (direct - mirror);
    const std::complex<double> y = bins[k];
    uu += dot(u, u), uv += dot(u, v), vv += dot(v, v);
    uy += dot(u, y), vy += dot(v, y), yy += dot(y, y);
  }
  const double determinant = uu * vv - uv * uv;
  if (!(determinant > 0)) return {0, yy};
  const double p = (uy * vv - vy * uv) / determinant, q = (vy * uu - uy * uv) / determinant;
  return {{p, q}, std::max(0.0, yy - p * uy - q * vy)};
}

}  // namespace

ToneFit FitTone(std::span<const std::complex<double>> bins, int peak, const TaperWindow& window) {
  const int n = 2 * (static_cast<int>(bins.size()) - 1);
  const int first = std::max(0, peak - kFitReach), last = std::min(static_cast<int>(bins.size()) - 1, peak + kFitReach);
  // The misfit falls towards the true frequency from either side within a
  // bin of the peak: a golden-section search narrows it to 1e-7 bins.
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double low = peak - 1.0, high = peak + 1.0;
  double left = high - ratio * (high - low), right = low + ratio * (high - low);
  double leftMisfit = FitAt(bins, first, last, left, n, window).residual;
  double rightMisfit = FitAt(bins, first, last, right, n, window).residual;
  while (high - low > 1e-7) {
    if (leftMisfit <= rightMisfit) {
      high = right, right = left, rightMisfit = leftMisfit;
      left = high - ratio * (high - low);
      leftMisfit = FitAt(bins, first, last, left, n, window).residual;
    } else {
      low = left, left = right, leftMisfit = rightMisfit;
      right = low + ratio * (high - low);
      rightMisfit = FitAt(bins, first, last, right, n, window).residual;
    }
  }
  const double bin = (low + high) / 2;
  const std::complex<double> a = FitAt(bins, first, last, bin, n, window).a;
  return {bin, 2 * std::abs(a), std::arg(a)};
}
