#include "analysis/TransferFunction.h"

#include "analysis/Decibels.h"
#include "analysis/PhatDelay.h"
#include "analysis/RealFft.h"
#include "analysis/TaperWindow.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

bool IsTransferFftSize(int fftSize) {
  return fftSize >= kTransferMinFft && fftSize <= kTransferMaxFft && (fftSize & (fftSize - 1)) == 0;
}

TransferAverager::TransferAverager(int fftSize, double sampleRate)
    : fftSize_(fftSize), sampleRate_(sampleRate) {
  if (!IsTransferFftSize(fftSize)) throw std::invalid_argument("TransferAverager: FFT size out of range");
  if (!(sampleRate > 0)) throw std::invalid_argument("TransferAverager: sample rate not above 0");
  x_.resize(fftSize);
  y_.resize(fftSize);
  spectrumX_.resize(fftSize / 2 + 1);
  Reset();
}

void TransferAverager::Reset() {
  filled_ = 0;
  averages_ = 0;
  sxx_.assign(fftSize_ / 2 + 1, 0.0);
  syy_.assign(fftSize_ / 2 + 1, 0.0);
  sxy_.assign(fftSize_ / 2 + 1, 0.0);
}

void TransferAverager::Add(std::span<const double> x, std::span<const double> y) {
  const std::size_t count = std::min(x.size(), y.size());
  const int hop = fftSize_ / 2;
  for (std::size_t done = 0; done < count;) {
    const std::size_t take = std::min<std::size_t>(count - done, fftSize_ - filled_);
    std::copy_n(x.begin() + done, take, x_.begin() + filled_);
    std::copy_n(y.begin() + done, take, y_.begin() + filled_);
    filled_ += static_cast<int>(take);
    done += take;
    if (filled_ < fftSize_) break;
    AverageSegment();
    // 50 % overlap: the segment's second half starts the next one.
    std::copy(x_.begin() + hop, x_.end(), x_.begin());
    std::copy(y_.begin() + hop, y_.end(), y_.begin());
    filled_ = hop;
  }
}

void TransferAverager::AverageSegment() {
  const std::vector<double>& window = TaperWindow::Hann().Samples(fftSize_);
  RealFft& fft = RealFft::OfSize(fftSize_);
  const std::span<double> in = fft.Input();
  for (int t = 0; t < fftSize_; ++t) in[t] = x_[t] * window[t];
  fft.Execute();
  std::copy(fft.Output().begin(), fft.Output().end(), spectrumX_.begin());
  for (int t = 0; t < fftSize_; ++t) in[t] = y_[t] * window[t];
  fft.Execute();
  const std::span<const std::complex<double>> ys = fft.Output();
  for (std::size_t k = 0; k < ys.size(); ++k) {
    const std::complex<double> xk = spectrumX_[k], yk = ys[k];
    sxx_[k] += std::norm(xk);
    syy_[k] += std::norm(yk);
    sxy_[k] += std::conj(xk) * yk;
  }
  ++averages_;
}

std::vector<TransferPoint> TransferAverager::Curve() const {
  std::vector<TransferPoint> curve;
  if (averages_ == 0) return curve;
  // x has no energy at a bin whose power is a vanishing part of its
  // strongest bin's (rounding noise of a band-limited reference).
  const double floor = *std::max_element(sxx_.begin() + 1, sxx_.end()) * 1e-30;
  const int bins = fftSize_ / 2;
  curve.resize(bins);
  for (int k = 1; k <= bins; ++k) {
    TransferPoint& p = curve[k - 1];
    p.frequencyHz = k * sampleRate_ / fftSize_;
    if (!(sxx_[k] > floor)) {
      p.magnitudeDb = kDecibelFloor;
      continue;
    }
    const double crossPower = std::norm(sxy_[k]);
    const double gainPower = crossPower / (sxx_[k] * sxx_[k]);
    p.magnitudeDb = gainPower > 0 ? std::clamp(10 * std::log10(gainPower), kDecibelFloor, kDecibelCeiling)
                                  : kDecibelFloor;
    p.phaseDeg = std::arg(sxy_[k]) * 180 / std::numbers::pi;
    p.coherence = syy_[k] > 0 ? std::min(1.0, crossPower / (sxx_[k] * syy_[k])) : 0.0;
  }
  return curve;
}

double TransferAverager::DelaySeconds() const {
  if (averages_ == 0) return 0;
  return PhatDelaySamples(sxy_, fftSize_, fftSize_ / 4) / sampleRate_;
}
