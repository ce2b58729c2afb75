#pragma once

#include "files/WaveFormat.h"
#include "settings/GeneratorParams.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A synthesised signal, ready to become the recording, a WAV file or sound.
struct GeneratedSignal {
  std::vector<uint8_t> bytes;  // 16-bit samples, interleaved in stereo
  WaveFormat format;           // PCM, 16 bits, the channels and rate synthesised at
  QString note;                // for the status line when the signal is not a plain loop
};

// The rate the generator runs at: below 44100 or above 200000 becomes 44100.
int32_t GeneratorSampleRate(int32_t sampleRate);

// Checks the parameters and synthesises, at GeneratorSampleRate(sampleRate)
// with `channels` (1 or 2). A refused parameter set gives nothing and sets
// `refusal` to one line for the user:
// - function signal: a frequency of 0 or less, or one so high that a period
//   as synthesised is shorter than kMinHeardPeriodFrames (the message names
//   the highest that waveform plays), a peak outside 10 .. 32767; in mono
//   only the left channel is heard, the right frequency still sets the loop
//   length and must give a period of at least one frame;
// - sweep: an end frequency of 0 or less, a start frequency above the rate, a
//   rise time of 0 or less or one whose buffer would pass kSignalMaxBytes, a
//   peak outside 10 .. 32767.
std::optional<GeneratedSignal> MakeFunctionSignal(int32_t leftWave, int32_t rightWave, int32_t leftFreq,
                                                  int32_t rightFreq, int32_t leftPeak, int32_t rightPeak,
                                                  int32_t sampleRate, int channels, QString* refusal);
// `wave` is accepted and not used: the sweep is always a sine.
std::optional<GeneratedSignal> MakeSweepSignal(int32_t wave, int32_t startFreq, int32_t endFreq, int32_t peak,
                                               int32_t riseMs, int32_t sampleRate, int channels,
                                               QString* refusal);
// The function signal when functionMode is non-zero, else the sweep (with the
// left waveform and peak, the left and right frequencies as start and end).
std::optional<GeneratedSignal> MakeGeneratorSignal(const GeneratorParams& params, int32_t sampleRate,
                                                   int channels, QString* refusal);
