#pragma once

// The delay between two signals from the peak of their cross-correlation
// with every frequency weighted alike (GCC-PHAT: the cross spectrum divided
// by its magnitude), so the peak is sharp whatever the signals' spectra.

#include <complex>
#include <span>

// The lag in samples, within -maxLag .. maxLag, at which the PHAT-weighted
// cross-correlation of the cross spectrum `cross` (bins 0 .. n/2 of an
// n-point transform, conj(X) Y) peaks: first at a whole sample, then
// between samples on the band-limited correlation. Positive when y lags x;
// 0 when the cross spectrum is zero throughout.
double PhatDelaySamples(std::span<const std::complex<double>> cross, int n, int maxLag);

// The largest transform BlockDelaySamples makes; longer blocks are
// measured on their first kMaxBlockDelayFft / 2 samples.
inline constexpr int kMaxBlockDelayFft = 1 << 22;

// The delay of y behind x in samples over two whole blocks (of any lengths),
// correlated on one zero-padded transform, so any lag the blocks' lengths
// allow is found.
double BlockDelaySamples(std::span<const double> x, std::span<const double> y);
