#include "analysis/Distortion.h"

#include "analysis/RealFft.h"
#include "analysis/SpectralWindow.h"
#include "analysis/ToneFit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <QString>

namespace {

constexpr double kLowestFundamentalHz = 10;
constexpr int kRegionMargin = 2;     // bins removed beyond the window's main lobe
constexpr int kSearchReach = 5;      // bins each side of a given fundamental searched for its peak
constexpr int kMaxHarmonicOrder = 10;
constexpr double kRatioLimit = 1e30;  // ratios in dB stay within +-300 dB
// A fundamental weaker than this, relative to the full scale or the DC,
// is rounding noise: the block has no component above 10 Hz.
constexpr double kNoComponent = 1e-10;

double PowerRatioDb(double ratio) { return 10 * std::log10(std::clamp(ratio, 1 / kRatioLimit, kRatioLimit)); }

// The largest power of two no longer than the block, `requested` and the
// longest analysis; 0 when that is shorter than the shortest analysis.
int AnalysisLength(size_t available, int requested) {
  const size_t limit = std::min({available, static_cast<size_t>(std::max(requested, 0)),
                                 static_cast<size_t>(kDistortionMaxLength)});
  if (limit < static_cast<size_t>(kDistortionMinLength)) return 0;
  size_t n = kDistortionMinLength;
  while (2 * n <= limit) n *= 2;
  return static_cast<int>(n);
}

// Which removed region a bin belongs to; the first region to claim a bin
// keeps it.
enum Region : uint8_t { kFree, kDc, kFundamental, kHarmonic };

DistortionResult Failed(DistortionResult result, const QString& reason) {
  result.ok = false;
  result.reason = reason.toStdString();
  return result;
}

QString Hz(double frequency) { return QString::number(frequency, 'g', 6); }

}  // namespace

double FullScaleOf(int bitsPerSample, bool isFloat) {
  if (isFloat) return 1;
  return bitsPerSample >= 1 && bitsPerSample <= 64 ? std::ldexp(1.0, bitsPerSample - 1) : 0;
}

DistortionResult AnalyseDistortion(std::span<const double> samples, double sampleRate, double fullScale,
                                   const DistortionOptions& options) {
  DistortionResult result;
  result.sampleRate = sampleRate;
  result.fullScale = fullScale;
  if (!(sampleRate > 0) || !std::isfinite(sampleRate)) return Failed(result, "the sample rate must be above 0");
  if (!(fullScale > 0) || !std::isfinite(fullScale)) return Failed(result, "the full scale must be above 0");
  const int n = AnalysisLength(samples.size(), options.length);
  if (n == 0)
    return Failed(result, QString("%1 samples are too few: the analysis needs at least %2")
                              .arg(std::min<qsizetype>(samples.size(), std::max(options.length, 0)))
                              .arg(kDistortionMinLength));
  result.length = n;

  const double nyquist = sampleRate / 2;
  result.bandLowHz = options.fullBand ? 0 : std::max(options.bandLowHz, 0.0);
  result.bandHighHz = options.fullBand ? nyquist : std::min(options.bandHighHz, nyquist);
  if (!(result.bandHighHz > result.bandLowHz))
    return Failed(result, QString("the measurement band %1 Hz .. %2 Hz is empty")
                              .arg(Hz(result.bandLowHz), Hz(result.bandHighHz)));
  if (!(options.fundamentalHz >= 0) || !std::isfinite(options.fundamentalHz))
    return Failed(result, "the given fundamental frequency is not a frequency");

  const std::span<const double> block = samples.last(n);
  double sum = 0, largest = 0;
  for (size_t t = 0; t < block.size(); ++t) {
    if (!std::isfinite(block[t]))
      return Failed(result, QString("sample %1 is not a finite number").arg(samples.size() - n + t));
    sum += block[t];
    largest = std::max(largest, std::abs(block[t]));
  }
  const double mean = sum / n;

  // The mean is taken out before windowing so that a large offset leaves no
  // trace beside DC; it is put back into the first bins afterwards, where
  // the window carries it, exactly.
  const SpectralWindow& window = SpectralWindow::BlackmanHarris7();
  const std::vector<double>& w = window.Samples(n);
  RealFft& fft = RealFft::OfSize(n);
  const std::span<double> input = fft.Input();
  for (int t = 0; t < n; ++t) input[t] = (block[t] - mean) * w[t];
  fft.Execute();
  const std::span<const std::complex<double>> bins = fft.Output();
  const int binCount = n / 2 + 1;
  std::vector<std::complex<double>> dcBins(window.MainLobeHalfWidth());
  for (int k = 0; k < window.MainLobeHalfWidth(); ++k) dcBins[k] = bins[k] + mean * window.Response(k, n);

  // Each bin's share of the mean square (one-sided, corrected for the
  // window's noise power gain), in sample units squared.
  const double powerScale = 2.0 / (static_cast<double>(n) * n * window.NoisePowerGain());
  std::vector<double> power(binCount);
  for (int k = 0; k < binCount; ++k) power[k] = std::norm(bins[k]) * powerScale;
  for (int k = 0; k < window.MainLobeHalfWidth(); ++k) power[k] = std::norm(dcBins[k]) * powerScale;
  result.dc = dcBins[0].real() / (n * window.CoherentGain());

  // A full-scale sine on a bin has the power (a0 A)^2 / (2 gain) there.
  const double toDbfs = 2 * window.NoisePowerGain() / std::pow(window.CoherentGain() * fullScale, 2);
  result.spectrumDbfs.resize(binCount);
  for (int k = 0; k < binCount; ++k)
    result.spectrumDbfs[k] = static_cast<float>(PowerRatioDb(power[k] * toDbfs));

  // The fundamental's peak: the strongest bin above 10 Hz and clear of the
  // DC region, or the strongest near the given frequency.
  const double binHz = sampleRate / n;
  const int reach = window.MainLobeHalfWidth() + kRegionMargin;
  const int lowest = std::max(static_cast<int>(std::floor(kLowestFundamentalHz / binHz)) + 1, reach + 1);
  int first = lowest, last = binCount - 2;
  if (options.fundamentalHz > 0) {
    const double centre = std::round(options.fundamentalHz / binHz);
    if (centre + kSearchReach < lowest || centre - kSearchReach > last)
      return Failed(result, QString("the given fundamental %1 Hz is outside %2 Hz .. %3 Hz")
                                .arg(Hz(options.fundamentalHz), Hz(lowest * binHz), Hz(last * binHz)));
    first = std::max(first, static_cast<int>(centre) - kSearchReach);
    last = std::min(last, static_cast<int>(centre) + kSearchReach);
  }
  if (first > last) return Failed(result, "the sample rate leaves no frequencies above 10 Hz");
  const int peak = static_cast<int>(std::max_element(power.begin() + first, power.begin() + last + 1) - power.begin());
  if (options.fundamentalHz == 0 && peak == lowest && power[peak - 1] > power[peak])
    return Failed(result, QString("the strongest component lies below %1 Hz, too close to DC for %2 samples")
                              .arg(Hz(lowest * binHz))
                              .arg(n));

  const ToneFit tone = FitTone(bins, peak, window);
  if (!(tone.amplitude > kNoComponent * std::max(fullScale, std::abs(mean))))
    return Failed(result, "the signal has no component above 10 Hz");
  const double fundamentalPower = tone.amplitude * tone.amplitude / 2;
  result.fundamentalHz = tone.bin * binHz;
  result.fundamentalRms = std::sqrt(fundamentalPower);
  result.fundamentalDbfs = 20 * std::log10(tone.amplitude / fullScale);

  // Removed regions: DC, the fundamental, the harmonics below the band's
  // top. A harmonic's power is that of the bins it claims.
  std::vector<uint8_t> regions(binCount, kFree);
  const auto claim = [&](double centre, Region region) {
    double claimed = 0;
    const int from = std::max(0, static_cast<int>(std::ceil(centre - reach)));
    const int to = std::min(binCount - 1, static_cast<int>(std::floor(centre + reach)));
    for (int k = from; k <= to; ++k)
      if (regions[k] == kFree) regions[k] = region, claimed += power[k];
    return claimed;
  };
  claim(0, kDc);
  claim(tone.bin, kFundamental);
  double harmonicPower = 0;
  for (int order = 2; order <= std::min(options.maxHarmonic, kMaxHarmonicOrder); ++order) {
    const double frequency = order * result.fundamentalHz;
    if (frequency > result.bandHighHz) break;
    const double power = claim(order * tone.bin, kHarmonic);
    harmonicPower += power;
    result.harmonics.push_back({order, frequency, PowerRatioDb(power / fundamentalPower)});
  }

  // The band's bins (up to just below R/2): noise is what no region holds.
  // The noise's density stands in for the noise hidden under the fundamental
  // (for THD+N) and under every removed region but DC (for the SNR).
  const int bandFirst = std::max(0, static_cast<int>(std::ceil(result.bandLowHz / binHz)));
  const int bandLast = std::min(binCount - 2, static_cast<int>(std::floor(result.bandHighHz / binHz)));
  double noisePower = 0, harmonicPowerInBand = 0;
  int noiseBins = 0, fundamentalBins = 0, harmonicBins = 0;
  for (int k = bandFirst; k <= bandLast; ++k) {
    switch (regions[k]) {
      case kFree: noisePower += power[k], ++noiseBins; break;
      case kHarmonic: harmonicPowerInBand += power[k], ++harmonicBins; break;
      case kFundamental: ++fundamentalBins; break;
      default: break;
    }
  }
  const double density = noiseBins > 0 ? noisePower / noiseBins : 0;
  const double residual = noisePower + harmonicPowerInBand + density * fundamentalBins;
  const double noise = density * (noiseBins + fundamentalBins + harmonicBins);

  const double thd = harmonicPower / fundamentalPower;
  result.thdPercent = 100 * std::sqrt(thd);
  result.thdDb = PowerRatioDb(thd);
  const double thdn = residual / (residual + fundamentalPower);
  result.thdnPercent = 100 * std::sqrt(thdn);
  result.thdnDb = PowerRatioDb(thdn);
  result.sinadDb = -result.thdnDb;
  result.snrDb = PowerRatioDb(fundamentalPower / noise);
  result.enobBits = (result.sinadDb - 1.76) / 6.02;
  result.ok = true;
  return result;
}
