#pragma once

// Distortion and noise figures of one channel: the fundamental, its
// harmonics, THD, THD+N (AES17), SINAD, SNR, ENOB and the DC offset, from a
// block windowed with a 7-term Blackman-Harris window and transformed through
// FFTW. Every energy sum is corrected for the window's noise power gain.
// Figures in dB lie within -300 .. +300 dB: a ratio with nothing on one side
// (the THD of a sine without harmonics, a bin of silence) reads the limit.

#include <span>
#include <string>
#include <vector>

constexpr int kDistortionMinLength = 4096;
constexpr int kDistortionMaxLength = 262144;
constexpr int kDistortionDefaultLength = 65536;

struct DistortionOptions {
  int length = kDistortionDefaultLength;  // the largest power of two <= this that the block holds is analysed
  double fundamentalHz = 0;               // 0: the strongest component above 10 Hz
  int maxHarmonic = 10;                   // harmonics 2 .. maxHarmonic (at most 10) below the band's upper edge
  bool fullBand = false;                  // DC .. R/2; else bandLowHz .. min(bandHighHz, R/2)
  double bandLowHz = 20;
  double bandHighHz = 20000;
};

struct DistortionHarmonic {
  int order = 0;
  double frequencyHz = 0;
  double levelDbc = 0;  // relative to the fundamental
};

struct DistortionResult {
  bool ok = false;
  std::string reason;  // one line in the program's language when !ok

  int length = 0;          // samples analysed (the last `length` of the block)
  double sampleRate = 0;
  double fullScale = 0;    // the peak of a full-scale sine, in sample units
  double bandLowHz = 0;    // the band in force
  double bandHighHz = 0;

  double fundamentalHz = 0;    // refined between bins
  double fundamentalRms = 0;   // sample units
  double fundamentalDbfs = 0;  // 0 dBFS = a full-scale sine
  std::vector<DistortionHarmonic> harmonics;
  double thdPercent = 0, thdDb = 0;
  double thdnPercent = 0, thdnDb = 0;
  double sinadDb = 0;
  double snrDb = 0;
  double enobBits = 0;
  double dc = 0;  // the block's mean (window-weighted, so a tone's partial periods do not bias it), sample units

  // The windowed block's spectrum in dBFS (a full-scale sine's peak reads
  // 0 dBFS), bins 0 .. length/2, bin k at k * sampleRate / length Hz.
  std::vector<float> spectrumDbfs;
};

// Analyses the last `options.length` (rounded down to a power of two that
// fits) of `samples`, taken at `sampleRate` Hz, whose full-scale sine has the
// peak `fullScale` (2^(bits-1) for integer samples centred on 0, 1 for float
// samples). Fewer than kDistortionMinLength samples, a rate or full scale not
// above 0, or no fundamental found gives ok = false with a reason.
DistortionResult AnalyseDistortion(std::span<const double> samples, double sampleRate, double fullScale,
                                   const DistortionOptions& options = {});

// The full scale of integer samples `bitsPerSample` wide (centred on 0), or of
// float samples (1).
double FullScaleOf(int bitsPerSample, bool isFloat);
