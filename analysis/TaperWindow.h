#pragma once

// Cosine-sum windows for spectral analysis, periodic (DFT-even):
//   w[t] = sum over m of (-1)^m a_m cos(2 pi m t / n),  t = 0 .. n-1,
// so the window's transform at whole bins is zero beyond the last term and
// its transform at any offset is a short sum of Dirichlet kernels.

#include <complex>
#include <span>
#include <vector>

class TaperWindow {
 public:
  // 7-term Blackman-Harris: sidelobes below -180 dB, main lobe +-7 bins.
  static const TaperWindow& BlackmanHarris7();
  // Hann: sidelobes from -31 dB, main lobe +-2 bins.
  static const TaperWindow& Hann();

  // a_0, a_1, ... as in the formula above.
  std::span<const double> Terms() const { return terms_; }
  // Half the width of the main lobe in bins (the first whole-bin zero).
  int MainLobeHalfWidth() const { return static_cast<int>(terms_.size()); }
  // The mean of the samples: a tone's amplitude is scaled by it.
  double CoherentGain() const { return terms_[0]; }
  // The mean of the squared samples: noise power is scaled by it.
  double NoisePowerGain() const;

  // The n samples of the window, made once per size on this thread and kept.
  const std::vector<double>& Samples(int n) const;

  // The window's DFT at `offsetBins` from a bin, sum over t of
  // w[t] exp(-j 2 pi offsetBins t / n): the response of bin k to a complex
  // tone at k - offsetBins bins whose amplitude is 1. Exact at every offset,
  // whole or fractional.
  std::complex<double> Response(double offsetBins, int n) const;

 private:
  explicit TaperWindow(std::vector<double> terms) : terms_(std::move(terms)) {}
  // The coefficient of exp(j 2 pi m t / n) in w[t], for |m| < terms.
  double ExponentialCoefficient(int m) const;

  std::vector<double> terms_;
};
