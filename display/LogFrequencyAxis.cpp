#include "display/LogFrequencyAxis.h"

#include <algorithm>
#include <cmath>
#include <limits>

double LogFraction(double hz, double lowHz, double highHz) { return std::log(hz / lowHz) / std::log(highHz / lowHz); }

double LogFrequencyAxis::XOf(double hz) const { return left + width * LogFraction(hz, lowHz, highHz); }

double LogFrequencyAxis::HzOf(double x) const {
  return lowHz * std::pow(highHz / lowHz, (x - left) / width);
}

double DbAxis::YOf(double db) const { return top + height * (topDb - db) / (topDb - bottomDb); }

std::vector<double> FrequencyTicks(double lowHz, double highHz) {
  std::vector<double> ticks;
  // A hair of slack so that 20 and 20000 count as inside [20, 20000].
  const double lo = lowHz * (1 - 1e-9), hi = highHz * (1 + 1e-9);
  for (double decade = std::pow(10.0, std::floor(std::log10(lowHz))); decade <= hi; decade *= 10)
    for (const double m : {1.0, 2.0, 5.0})
      if (const double f = m * decade; f >= lo && f <= hi) ticks.push_back(f);
  return ticks;
}

QString FrequencyTickLabel(double hz) {
  if (hz >= 1000) return QString::number(hz / 1000, 'g', 4) + QLatin1Char('k');
  return QString::number(hz, 'g', 4);
}

std::vector<double> DbTicks(double topDb, double bottomDb, double step) {
  std::vector<double> ticks;
  for (double db = topDb; db >= bottomDb - 1e-9; db -= step) ticks.push_back(db);
  return ticks;
}

double SpectrumFloorDb(double fullScale) { return fullScale <= 128 ? -120 : -160; }

std::vector<float> ColumnPeaks(std::span<const float> spectrum, double binHz, const LogFrequencyAxis& axis) {
  std::vector<float> out(std::max(axis.width, 0), std::numeric_limits<float>::quiet_NaN());
  if (spectrum.empty() || binHz <= 0) return out;
  const double lastBin = static_cast<double>(spectrum.size() - 1);
  for (int c = 0; c < axis.width; ++c) {
    // The bins whose frequency lies in [f0, f1).
    const double b0 = axis.HzOf(axis.left + c) / binHz, b1 = axis.HzOf(axis.left + c + 1) / binHz;
    if (b0 > lastBin) break;
    const auto first = static_cast<std::size_t>(std::ceil(b0));
    const auto end = static_cast<std::size_t>(std::min(std::ceil(b1), lastBin + 1));
    if (first < end) {
      out[c] = *std::max_element(spectrum.begin() + first, spectrum.begin() + end);
    } else {
      // No bin inside: between the two around the column's centre.
      const double b = std::min((b0 + b1) / 2, lastBin);
      const auto k = static_cast<std::size_t>(b);
      const double t = b - k;
      out[c] = k + 1 < spectrum.size() ? float(spectrum[k] * (1 - t) + spectrum[k + 1] * t) : spectrum[k];
    }
  }
  return out;
}
