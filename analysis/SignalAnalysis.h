#pragma once

// The instrument's numerical routines: FFT, magnitude spectrum with peak
// frequency, and the time-domain trigger / period / RMS measurement.

#include "analysis/TraceBuffer.h"

#include <complex>
#include <cstdint>

struct SettingsRecord;

// The rounding of every measured value: truncate 10x; if its last digit is
// above 4, truncate x and add 1, else truncate x. Halves round up for x >= 0;
// negative values truncate toward zero.
int32_t RoundByTenth(double x);

// Unscaled forward DFT of N = 2^log2n points by decimation in frequency, with
// pi taken as 3.1415926535; output in natural order.
void Fft(const std::complex<double>* input, std::complex<double>* output, int log2n);

// Replaces `values` (count = 1024) by the magnitude spectrum divided by
// `gainDivisor` (DC bin zeroed) and returns the peak frequency in Hz.
int32_t SpectrumAndPeak(int32_t* values, int count, int32_t sampleRate, int32_t gainDivisor);

// Replaces `values` by the plain magnitude spectrum, DC bin included.
void FftMagnitude(int32_t* values, int count);

// Both spectrum routines accept any power of two from 2 up as `count` (1024 is
// served without heap allocation); another count leaves `values` untouched and
// reports 0 Hz. The peak frequency is sampleRate * index / count. A
// `gainDivisor` below 1 counts as 1, and magnitudes beyond the 32-bit range
// saturate.

// The same two routines done the plain way (the reference transform on freshly
// allocated arrays, scalar loops); they give the same integers and serve as the
// yardstick for the fast versions.
int32_t SpectrumAndPeakReference(int32_t* values, int count, int32_t sampleRate, int32_t gainDivisor);
void FftMagnitudeReference(int32_t* values, int count);

struct TraceMeasurement {
  int32_t triggerIndex = 0;  // first crossing, 0 if none
  int32_t frequency = 0;     // Hz; 0 when no period was found
  float rms = 0;             // sample units
};

// Finds two successive trigger crossings (edge 0 rising, 1 falling) of the
// 1024-value trace and measures period, frequency and RMS between them.
// Without a second crossing there is no period: frequency is 0 and rms is
// that of the whole trace.
TraceMeasurement MeasureTrace(const int32_t* values, int32_t edge, int32_t level, int32_t sampleRate);

// The display's measurement order: CH2 first, then CH1. Writes triggerIndex
// (CH1's), ch1Frequency, ch1Rms, ch2Frequency and ch2Rms of `settings`.
void MeasureBothTraces(const TraceBuffer& ch1, const TraceBuffer& ch2, SettingsRecord& settings);
