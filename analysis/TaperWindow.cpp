#include "analysis/TaperWindow.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>
#include <utility>

const TaperWindow& TaperWindow::BlackmanHarris7() {
  static const TaperWindow window({0.27105140069342, 0.43329793923448, 0.21812299954311, 0.06592544638803,
                                      0.01081174209837, 0.00077658482522, 0.00001388721735});
  return window;
}

const TaperWindow& TaperWindow::Hann() {
  static const TaperWindow window({0.5, 0.5});
  return window;
}

double TaperWindow::NoisePowerGain() const {
  // Parseval over one period: the cosines are orthogonal, each with mean
  // square 1/2.
  double sum = terms_[0] * terms_[0];
  for (size_t m = 1; m < terms_.size(); ++m) sum += terms_[m] * terms_[m] / 2;
  return sum;
}

double TaperWindow::ExponentialCoefficient(int m) const {
  const int a = std::abs(m);
  if (a == 0) return terms_[0];
  return (a % 2 ? -0.5 : 0.5) * terms_[a];
}

const std::vector<double>& TaperWindow::Samples(int n) const {
  thread_local std::map<std::pair<const TaperWindow*, int>, std::vector<double>> cache;
  auto& samples = cache[{this, n}];
  if (samples.empty()) {
    samples.resize(n);
    for (int t = 0; t < n; ++t) {
      double w = 0;
      for (size_t m = 0; m < terms_.size(); ++m)
        w += (m % 2 ? -1 : 1) * terms_[m] * std::cos(2 * std::numbers::pi * static_cast<double>(m * t % n) / n);
      samples[t] = w;
    }
  }
  return samples;
}

std::complex<double> TaperWindow::Response(double offsetBins, int n) const {
  // With D(x) = sum over t of exp(-j 2 pi x t / n)
  //           = exp(-j pi x (n-1) / n) sin(pi x) / sin(pi x / n),
  // the response is the sum over m of c_m D(nu - m), c_m the exponential
  // coefficients. sin(pi (nu - m)) = (-1)^m sin(pi nu) and the phases share
  // a factor, which leaves
  //   exp(-j pi nu (n-1) / n) sin(pi nu) sum_m c_m exp(-j pi m / n) / sin(pi (nu - m) / n).
  // D is n-periodic; nu is taken within half a period of 0 so that the
  // arguments stay small, and nu - m is exact for the term nearest to nu.
  const double nu = std::remainder(offsetBins, n);
  const double whole = std::round(nu);
  const double fraction = nu - whole;
  const int last = MainLobeHalfWidth() - 1;
  if (fraction == 0) return std::abs(whole) <= last ? n * ExponentialCoefficient(static_cast<int>(whole)) : 0.0;

  const double step = std::numbers::pi / n;
  const double sinTheta = std::sin(nu * step), cosTheta = std::cos(nu * step);
  const std::complex<double> turn = std::polar(1.0, -step);
  std::complex<double> rotation = 1;  // exp(-j pi m / n)
  std::complex<double> sum = 0;
  for (int m = 0; m <= last; ++m) {
    const double cosM = rotation.real(), sinM = -rotation.imag();
    for (int sign : {1, -1}) {
      if (m == 0 && sign < 0) break;
      const int term = sign * m;
      const double denominator = term == whole ? std::sin(fraction * step)
                                               : sinTheta * cosM - sign * cosTheta * sinM;  // sin((nu - term) pi / n)
      sum += ExponentialCoefficient(term) * (sign > 0 ? rotation : std::conj(rotation)) / denominator;
    }
    rotation *= turn;
  }
  const double sinPiNu = (std::fmod(whole, 2) == 0 ? 1 : -1) * std::sin(std::numbers::pi * fraction);
  return sinPiNu * std::polar(1.0, -nu * step * (n - 1)) * sum;
}
