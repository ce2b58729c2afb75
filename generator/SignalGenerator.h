#pragma once

#include "files/WaveFormat.h"
#include "generator/GeneratorLimits.h"
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

// Synthesises the generator's signal at GeneratorSampleRate(sampleRate) with
// `channels` (1 or 2). A parameter set the generator refuses (GeneratorFaults)
// gives nothing and sets `refusal` to the first fault's message.
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
