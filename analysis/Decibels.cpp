#include "analysis/Decibels.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numbers>

namespace {

// log2 in float arithmetic, without a library call so the loop vectorises:
// x = 2^e m with m in [sqrt(1/2), sqrt(2)), and
// ln m = 2 atanh(s) = 2 (s + s^3/3 + s^5/5 + s^7/7 + ...), s = (m - 1) / (m + 1),
// |s| <= 0.172, so the terms left out are below 1e-8. Exact to float's
// precision for positive normal x; below that it gives less than -126 and
// for infinity more than 128.
float Log2(float x) {
  const uint32_t bits = std::bit_cast<uint32_t>(x);
  // Shift the mantissa's range from [1, 2) to [sqrt(1/2), sqrt(2)).
  const uint32_t offset = bits - 0x3f3504f3u;  // the bits of sqrt(1/2)
  const int32_t exponent = static_cast<int32_t>(offset) >> 23;
  const float m = std::bit_cast<float>((offset & 0x007fffffu) + 0x3f3504f3u);
  const float s = (m - 1) / (m + 1), s2 = s * s;
  const float ln = 2 * s * (1 + s2 * (1.0f / 3 + s2 * (1.0f / 5 + s2 * (1.0f / 7))));
  return static_cast<float>(exponent) + ln * std::numbers::log2e_v<float>;
}

}  // namespace

void PowerToDecibels(std::span<const double> power, double scale, std::span<float> db) {
  const float low = kDecibelFloor, high = kDecibelCeiling;
  // 10 log10(x) = (10 log10(2)) log2(x)
  constexpr float kDbPerOctave = 3.0102999566f;
  for (size_t k = 0; k < power.size(); ++k) {
    // Below float's normal range and above it (infinity) Log2 reads
    // beyond the limits, which then hold.
    const float decibels = kDbPerOctave * Log2(static_cast<float>(power[k] * scale));
    db[k] = std::max(low, std::min(high, decibels));
  }
}
