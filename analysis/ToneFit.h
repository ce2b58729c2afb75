#pragma once

// The frequency, amplitude and phase of one real tone, fitted to the bins
// around its peak in the spectrum of a block windowed with a cosine-sum
// window. The fit models each bin as the window's exact response to the tone
// and to its mirror image at the negative frequency, so it holds at any
// offset between bins and close to DC or R/2.

#include "analysis/TaperWindow.h"

#include <complex>
#include <span>

struct ToneFit {
  double bin = 0;        // the frequency in bins (bin k is at k * rate / n)
  double amplitude = 0;  // the peak of the tone A cos(2 pi bin t / n + phase)
  double phase = 0;      // radians, at the block's first sample
};

// Fits the tone whose strongest bin is `peak` in `bins`, bins 0 .. n/2 of the
// real-to-complex transform of n windowed samples. Only bins within 3 of
// `peak` are used; other components there must be far below the tone.
ToneFit FitTone(std::span<const std::complex<double>> bins, int peak, const TaperWindow& window);
