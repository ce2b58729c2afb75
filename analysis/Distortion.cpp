#include "analysis/Distortion.h"

#include "analysis/Decibels.h"
#include "analysis/RealFft.h"
#include "analysis/TaperWindow.h"
#include "analysis/ToneFit.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>

// The refusals' texts: written in English, shown in the program's language.
struct DistortionAnalysis {
  Q_DECLARE_TR_FUNCTIONS(DistortionAnalysis)
};

namespace {

constexpr double kLowestFundamentalHz = 10;
constexpr int kRegionMargin = 2;  // bins removed beyond the window's main lobe
constexpr int kSearchReach = 5;   // bins each side of a given fundamental searched for its peak
constexpr int kMaxHarmonicOrder = 10;
// A fundamental weaker than this, relative to the full scale or the DC,
// is rounding noise: the block has no component above 10 Hz.
constexpr double kNoComponent = 1e-10;

// A power ratio in dB, within kDecibelFloor .. kDecibelCeiling: a ratio of 0
// (no harmonic energy at all) or of a division by 0 stays finite.
double PowerRatioDb(double ratio) { return std::clamp(10 * std::log10(ratio), kDecibelFloor, kDecibelCeiling); }

QString Hz(double frequency) { return QString::number(frequency, 'g', 6); }

DistortionResult Failed(DistortionResult result, const QString& reason) {
  result.ok = false;
  result.reason = reason.toStdString();
  return result;
}

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

// The block windowed and transformed. The mean is taken out before
// windowing so that a large offset cannot hide a weak tone; the window
// carries it into the first bins only, where it is put back exactly for the
// power and the DC.
struct WindowedSpectrum {
  std::span<const std::complex<double>> bins;  // without the mean
  std::vector<double> power;  // each bin's share of the mean square, with the mean
  double dc;                  // the window-weighted mean: a tone's partial periods do not bias it
};

WindowedSpectrum Transform(std::span<const double> block, double mean, const TaperWindow& window) {
  const int n = static_cast<int>(block.size());
  const std::vector<double>& w = window.Samples(n);
  RealFft& fft = RealFft::OfSize(n);
  const std::span<double> input = fft.Input();
  for (int t = 0; t < n; ++t) input[t] = (block[t] - mean) * w[t];
  fft.Execute();

  WindowedSpectrum spectrum{fft.Output(), std::vector<double>(n / 2 + 1), 0};
  // One-sided, corrected for the window's noise power gain: sample units squared.
  const double scale = 2.0 / (static_cast<double>(n) * n * window.NoisePowerGain());
  for (size_t k = 0; k < spectrum.power.size(); ++k) spectrum.power[k] = std::norm(spectrum.bins[k]) * scale;
  for (int k = 0; k < window.MainLobeHalfWidth(); ++k) {
    const std::complex<double> withMean = spectrum.bins[k] + mean * window.Response(k, n);
    spectrum.power[k] = std::norm(withMean) * scale;
    if (k == 0) spectrum.dc = withMean.real() / (n * window.CoherentGain());
  }
  return spectrum;
}

// Bins of the spectrum sorted into the regions the figures remove.
class Regions {
 public:
  enum Region : uint8_t { kFree, kDc, kFundamental, kHarmonic };

  Regions(const std::vector<double>& power, int reach) : power_(power), reach_(reach), regions_(power.size(), kFree) {}

  // Gives the free bins within reach of `centreBin` to `region`; returns
  // their power.
  double Claim(double centreBin, Region region) {
    double claimed = 0;
    const int from = std::max(0, static_cast<int>(std::ceil(centreBin - reach_)));
    const int to = std::min(static_cast<int>(regions_.size()) - 1, static_cast<int>(std::floor(centreBin + reach_)));
    for (int k = from; k <= to; ++k)
      if (regions_[k] == kFree) regions_[k] = region, claimed += power_[k];
    return claimed;
  }

  // Sums over bins first .. last.
  struct Band {
    double noise = 0, harmonics = 0;  // power of the free and the harmonics' bins
    int noiseBins = 0, fundamentalBins = 0, harmonicBins = 0;
  };
  Band Sum(int first, int last) const {
    Band band;
    for (int k = first; k <= last; ++k) {
      switch (regions_[k]) {
        case kFree: band.noise += power_[k], ++band.noiseBins; break;
        case kHarmonic: band.harmonics += power_[k], ++band.harmonicBins; break;
        case kFundamental: ++band.fundamentalBins; break;
        case kDc: break;
      }
    }
    return band;
  }

 private:
  const std::vector<double>& power_;
  int reach_;
  std::vector<uint8_t> regions_;
};

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
  if (!(sampleRate > 0) || !std::isfinite(sampleRate))
    return Failed(result, DistortionAnalysis::tr("the sample rate must be above 0"));
  if (!(fullScale > 0) || !std::isfinite(fullScale))
    return Failed(result, DistortionAnalysis::tr("the full scale must be above 0"));
  if (options.length < kDistortionMinLength)
    return Failed(result,
                  DistortionAnalysis::tr("the analysis length %1 is below %2").arg(options.length).arg(kDistortionMinLength));
  const int n = AnalysisLength(samples.size(), options.length);
  if (n == 0)
    return Failed(result, DistortionAnalysis::tr("the block holds %1 samples; the analysis needs at least %2")
                              .arg(samples.size())
                              .arg(kDistortionMinLength));
  result.length = n;
  const double nyquist = sampleRate / 2;
  result.bandLowHz = options.fullBand ? 0 : std::max(options.bandLowHz, 0.0);
  result.bandHighHz = options.fullBand ? nyquist : std::min(options.bandHighHz, nyquist);
  if (!(result.bandHighHz > result.bandLowHz))
    return Failed(result, DistortionAnalysis::tr("the measurement band %1 Hz .. %2 Hz is empty")
                              .arg(Hz(result.bandLowHz), Hz(result.bandHighHz)));
  if (!(options.fundamentalHz >= 0) || !std::isfinite(options.fundamentalHz))
    return Failed(result, DistortionAnalysis::tr("the given fundamental frequency is not a frequency"));

  const std::span<const double> block = samples.last(n);
  double sum = 0;
  for (size_t t = 0; t < block.size(); ++t) {
    if (!std::isfinite(block[t]))
      return Failed(result, DistortionAnalysis::tr("sample %1 is not a finite number").arg(samples.size() - n + t));
    sum += block[t];
  }
  const double mean = sum / n;

  const TaperWindow& window = TaperWindow::BlackmanHarris7();
  const WindowedSpectrum spectrum = Transform(block, mean, window);
  const std::vector<double>& power = spectrum.power;
  result.dc = spectrum.dc;
  // A full-scale sine on a bin has the power (a0 A)^2 / (2 gain) there.
  const double toDbfs = 2 * window.NoisePowerGain() / std::pow(window.CoherentGain() * fullScale, 2);
  result.spectrumDbfs.resize(power.size());
  PowerToDecibels(power, toDbfs, result.spectrumDbfs);

  // The fundamental's peak: the strongest bin above 10 Hz and clear of the
  // DC region, or the strongest near the given frequency. R/2 itself is left
  // out: a tone there has no phase to fit.
  const double binHz = sampleRate / n;
  const int reach = window.MainLobeHalfWidth() + kRegionMargin;
  const int lowest = std::max(static_cast<int>(std::floor(kLowestFundamentalHz / binHz)) + 1, reach + 1);
  const int highest = static_cast<int>(power.size()) - 2;
  int first = lowest, last = highest;
  if (options.fundamentalHz > 0) {
    const int centre = static_cast<int>(std::min(std::round(options.fundamentalHz / binHz), 1.0 * n));
    first = std::max(first, centre - kSearchReach);
    last = std::min(last, centre + kSearchReach);
    if (first > last)
      return Failed(result, DistortionAnalysis::tr("the given fundamental %1 Hz is outside %2 Hz .. %3 Hz")
                                .arg(Hz(options.fundamentalHz), Hz(lowest * binHz), Hz(highest * binHz)));
  }
  if (first > last) return Failed(result, DistortionAnalysis::tr("the sample rate leaves no frequencies above 10 Hz"));
  const int peak = static_cast<int>(std::max_element(power.begin() + first, power.begin() + last + 1) - power.begin());
  if (options.fundamentalHz == 0 && peak == lowest && power[peak - 1] > power[peak])
    return Failed(result,
                  DistortionAnalysis::tr("the strongest component lies below %1 Hz, too close to DC for %2 samples")
                      .arg(Hz(lowest * binHz))
                      .arg(n));

  const ToneFit tone = FitTone(spectrum.bins, peak, window);
  if (!(tone.amplitude > kNoComponent * std::max(fullScale, std::abs(mean))))
    return Failed(result, DistortionAnalysis::tr("the signal has no component above 10 Hz"));
  const double fundamentalPower = tone.amplitude * tone.amplitude / 2;
  result.fundamentalHz = tone.bin * binHz;
  result.fundamentalRms = std::sqrt(fundamentalPower);
  result.fundamentalDbfs = 20 * std::log10(tone.amplitude / fullScale);

  // DC, the fundamental and the harmonics below the band's top are removed,
  // each the window's main lobe and a margin; a harmonic's power is that of
  // the bins it holds.
  Regions regions(power, reach);
  regions.Claim(0, Regions::kDc);
  regions.Claim(tone.bin, Regions::kFundamental);
  double harmonicPower = 0;
  for (int order = 2; order <= std::min(options.maxHarmonic, kMaxHarmonicOrder); ++order) {
    const double frequency = order * result.fundamentalHz;
    if (frequency > result.bandHighHz) break;
    const double harmonic = regions.Claim(order * tone.bin, Regions::kHarmonic);
    harmonicPower += harmonic;
    result.harmonics.push_back({order, frequency, PowerRatioDb(harmonic / fundamentalPower)});
  }

  // Noise is what no region holds within the band (up to just below R/2).
  // Its density stands in for the noise hidden under the fundamental (for
  // THD+N) and under every removed region but DC (for the SNR).
  const Regions::Band band = regions.Sum(std::max(0, static_cast<int>(std::ceil(result.bandLowHz / binHz))),
                                         std::min(highest, static_cast<int>(std::floor(result.bandHighHz / binHz))));
  const double density = band.noiseBins > 0 ? band.noise / band.noiseBins : 0;
  const double residual = band.noise + band.harmonics + density * band.fundamentalBins;
  const double noise = density * (band.noiseBins + band.fundamentalBins + band.harmonicBins);

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
