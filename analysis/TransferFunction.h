#pragma once

// The transfer function of a device measured with two channels: x, the
// reference (the device's input, looped straight back), and y, the response
// (the device's output). Auto and cross spectra are averaged by Welch's
// method over Hann-windowed segments with 50 % overlap, so any excitation
// with energy at a frequency measures it there and no synchronisation with
// the excitation is needed.

#include <complex>
#include <cstdint>
#include <span>
#include <vector>

constexpr int kTransferMinFft = 4096;
constexpr int kTransferMaxFft = 65536;
constexpr int kTransferDefaultFft = 16384;

struct TransferPoint {
  double frequencyHz = 0;
  double magnitudeDb = 0;  // 20 log10 |H|, H = Sxy / Sxx
  double phaseDeg = 0;     // arg H in -180 .. 180 (y lagging x reads negative)
  double coherence = 0;    // |Sxy|^2 / (Sxx Syy), 0 .. 1
};

// True for the FFT sizes TransferAverager takes.
bool IsTransferFftSize(int fftSize);

// Welch averages of Sxx, Syy and Sxy of two streams taken at the same
// instants, fed in pieces of any length.
class TransferAverager {
 public:
  // `fftSize`: a power of two from kTransferMinFft to kTransferMaxFft
  // (std::invalid_argument otherwise); `sampleRate` in Hz, above 0.
  TransferAverager(int fftSize, double sampleRate);

  // Appends equally many samples of x and y (sample units of any scale;
  // only ratios matter); the longer one's extra samples are ignored. The
  // streams continue across calls: a segment is averaged as soon as it is
  // complete, every fftSize/2 samples.
  void Add(std::span<const double> x, std::span<const double> y);
  // Forgets the averages and any part segment.
  void Reset();

  int FftSize() const { return fftSize_; }
  double SampleRate() const { return sampleRate_; }
  // Segments averaged so far.
  int64_t Averages() const { return averages_; }

  // H and the coherence at bins 1 .. fftSize/2 (DC left out), unsmoothed;
  // empty before the first average. A bin where x has no energy reads
  // -300 dB, 0 degrees, coherence 0.
  std::vector<TransferPoint> Curve() const;
  // The delay of y behind x in seconds, from the peak of the cross-
  // correlation weighted by 1/|Sxy| (GCC-PHAT), refined between samples;
  // 0 before the first average. Negative when y leads. Delays up to a
  // quarter of the FFT size either way are found.
  double DelaySeconds() const;

 private:
  // Transforms the full segment held in x_ and y_ and adds it to the sums.
  void AverageSegment();

  int fftSize_;
  double sampleRate_;
  // The samples of the segment being filled: filled_ of fftSize_.
  std::vector<double> x_, y_;
  int filled_ = 0;
  // Sums over the averaged segments at bins 0 .. fftSize/2.
  std::vector<double> sxx_, syy_;
  std::vector<std::complex<double>> sxy_;
  int64_t averages_ = 0;
  // x's spectrum while y's is made.
  std::vector<std::complex<double>> spectrumX_;
};

// Fractional-octave smoothing: 0 (none), 48, 24, 12, 6 or 3 (1/48 .. 1/3 octave).
inline constexpr int kTransferSmoothings[] = {0, 48, 24, 12, 6, 3};

// The curve with the phase of a pure delay taken out: phase + 360 f delay,
// wrapped to -180 .. 180. A negative delay puts a delay taken out back in.
std::vector<TransferPoint> WithoutDelay(std::span<const TransferPoint> curve, double delaySeconds);

// The curve on a log-spaced grid from its lowest to its highest frequency
// (max(24, 2 fraction) points an octave), each point the average of the
// points within 1/fraction octave about it, or of the nearest one where
// none is (magnitude as the mean power, phase as the angle of the mean unit
// phasor, coherence as the mean); fraction 0 gives the curve unchanged.
// Take the delay out first (WithoutDelay) so that the phase is smooth
// enough to average, and put it back afterwards if wanted.
std::vector<TransferPoint> SmoothTransfer(std::span<const TransferPoint> curve, int fraction);
