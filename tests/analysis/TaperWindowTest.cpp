#include "analysis/TaperWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace {

// The window's DTFT summed directly over its samples, in long double.
std::complex<double> DirectResponse(const std::vector<double>& w, double offset) {
  const long double n = w.size();
  std::complex<long double> sum = 0;
  for (size_t t = 0; t < w.size(); ++t)
    sum += static_cast<long double>(w[t]) * std::polar(1.0L, -2 * std::numbers::pi_v<long double> * offset * t / n);
  return {static_cast<double>(sum.real()), static_cast<double>(sum.imag())};
}

TEST(TaperWindow, ResponseGainsAndSidelobesFollowFromTheSamples) {
  struct Row {
    const char* name;
    const TaperWindow& window;
    double highestSidelobeDb;
  };
  const Row rows[] = {{"7-term Blackman-Harris", TaperWindow::BlackmanHarris7(), -150},
                      {"Hann", TaperWindow::Hann(), -31}};
  constexpr int n = 256;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::vector<double>& w = row.window.Samples(n);
    double sum = 0, squares = 0;
    for (double v : w) sum += v, squares += v * v;
    EXPECT_NEAR(row.window.CoherentGain(), sum / n, 1e-12);
    EXPECT_NEAR(row.window.NoisePowerGain(), squares / n, 1e-12);

    const double peak = std::abs(DirectResponse(w, 0));
    for (double offset : {0.0, 0.3, -0.5, 1.0, 2.0 + 1e-9, 6.75, 7.0, 20.1, -127.5, 250.2})
      EXPECT_LT(std::abs(row.window.Response(offset, n) - DirectResponse(w, offset)), peak * 1e-11) << offset;

    double highest = 0;
    for (double offset = row.window.MainLobeHalfWidth(); offset <= n / 2; offset += 0.05)
      highest = std::max(highest, std::abs(DirectResponse(w, offset)));
    EXPECT_LT(20 * std::log10(highest / peak), row.highestSidelobeDb);
  }
}

}  // namespace
