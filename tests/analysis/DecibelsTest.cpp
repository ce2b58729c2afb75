#include "analysis/Decibels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

TEST(Decibels, PowerToDecibelsFollowsLog10WithinItsLimits) {
  std::vector<double> power;
  for (double exponent = -45; exponent <= 45; exponent += 0.0137) power.push_back(std::pow(10, exponent));
  power.insert(power.end(), {0.0, 1.0, 2.0, 0.5, 1.4142135, 0.70710678});
  std::vector<float> db(power.size());
  const double scale = 3.7;
  PowerToDecibels(power, scale, db);
  for (size_t k = 0; k < power.size(); ++k) {
    const double expected = power[k] > 0 ? std::clamp(10 * std::log10(power[k] * scale), -300.0, 300.0) : -300.0;
    EXPECT_NEAR(db[k], expected, 1e-4) << power[k];
  }
}

}  // namespace
