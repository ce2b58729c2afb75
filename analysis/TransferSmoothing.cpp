// Delay removal and fractional-octave smoothing of a transfer curve.
#include "analysis/Decibels.h"
#include "analysis/TransferFunction.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

double WrapDegrees(double degrees) { return std::remainder(degrees, 360.0); }

// Running sums of a curve's points, so that the mean over any run of them
// costs two look-ups.
struct CurveSums {
  explicit CurveSums(std::span<const TransferPoint> curve) {
    const std::size_t n = curve.size();
    power.assign(n + 1, 0.0);
    cosine.assign(n + 1, 0.0);
    sine.assign(n + 1, 0.0);
    coherence.assign(n + 1, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
      const TransferPoint& p = curve[i];
      const double angle = p.phaseDeg * kRadiansPerDegree;
      power[i + 1] = power[i] + std::pow(10.0, p.magnitudeDb / 10);
      cosine[i + 1] = cosine[i] + std::cos(angle);
      sine[i + 1] = sine[i] + std::sin(angle);
      coherence[i + 1] = coherence[i] + p.coherence;
    }
  }

  // The mean of points first .. last - 1, at `frequencyHz`.
  TransferPoint Mean(std::size_t first, std::size_t last, double frequencyHz) const {
    const double count = static_cast<double>(last - first);
    const double meanPower = (power[last] - power[first]) / count;
    TransferPoint p;
    p.frequencyHz = frequencyHz;
    p.magnitudeDb = meanPower > 0 ? std::clamp(10 * std::log10(meanPower), kDecibelFloor, kDecibelCeiling)
                                  : kDecibelFloor;
    p.phaseDeg = std::atan2(sine[last] - sine[first], cosine[last] - cosine[first]) / kRadiansPerDegree;
    p.coherence = (coherence[last] - coherence[first]) / count;
    return p;
  }

  std::vector<double> power, cosine, sine, coherence;
};

}  // namespace

std::vector<TransferPoint> WithoutDelay(std::span<const TransferPoint> curve, double delaySeconds) {
  std::vector<TransferPoint> out(curve.begin(), curve.end());
  for (TransferPoint& p : out) p.phaseDeg = WrapDegrees(p.phaseDeg + 360 * p.frequencyHz * delaySeconds);
  return out;
}

std::vector<TransferPoint> SmoothTransfer(std::span<const TransferPoint> curve, int fraction) {
  if (fraction <= 0 || curve.size() < 2) return {curve.begin(), curve.end()};
  const double low = curve.front().frequencyHz, high = curve.back().frequencyHz;
  if (!(low > 0) || !(high > low)) return {curve.begin(), curve.end()};
  const double perOctave = std::max(24, 2 * fraction);
  const int count = static_cast<int>(std::floor(std::log2(high / low) * perOctave + 1e-9)) + 1;
  const double halfWidth = std::exp2(0.5 / fraction);
  const CurveSums sums(curve);
  const auto below = [&](double f) {
    return static_cast<std::size_t>(std::lower_bound(curve.begin(), curve.end(), f,
                                                     [](const TransferPoint& p, double v) { return p.frequencyHz < v; }) -
                                    curve.begin());
  };
  std::vector<TransferPoint> out;
  out.reserve(count);
  for (int i = 0; i < count; ++i) {
    const double f = low * std::exp2(i / perOctave);
    std::size_t first = below(f / halfWidth), last = below(f * halfWidth * (1 + 1e-12));
    if (first >= last) {
      // No point within the band: the nearest one stands for it.
      const std::size_t next = std::min(first, curve.size() - 1);
      const bool previousNearer = next > 0 && f - curve[next - 1].frequencyHz < curve[next].frequencyHz - f;
      first = previousNearer ? next - 1 : next;
      last = first + 1;
    }
    out.push_back(sums.Mean(first, last, f));
  }
  return out;
}
