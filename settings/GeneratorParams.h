#pragma once

#include "settings/RecordRepairs.h"

#include <QString>

#include <cstddef>
#include <cstdint>

enum Waveform : int32_t { Sine = 0, Triangle = 1, Square = 2, Sawtooth = 3 };

// The generator's parameters; wavedata.ini is the raw 32-byte image.
struct GeneratorParams {
  uint8_t functionMode;  // 1: function signal, 0: sweep
  uint8_t pad[3];
  int32_t leftWave;
  int32_t rightWave;
  int32_t leftFreq;   // also the sweep's start frequency
  int32_t rightFreq;  // also the sweep's end frequency
  int32_t leftPeak;
  int32_t rightPeak;
  int32_t sweepRiseMs;
};

static_assert(sizeof(GeneratorParams) == 32);
static_assert(offsetof(GeneratorParams, functionMode) == 0);
static_assert(offsetof(GeneratorParams, leftWave) == 4);
static_assert(offsetof(GeneratorParams, rightWave) == 8);
static_assert(offsetof(GeneratorParams, leftFreq) == 12);
static_assert(offsetof(GeneratorParams, rightFreq) == 16);
static_assert(offsetof(GeneratorParams, leftPeak) == 20);
static_assert(offsetof(GeneratorParams, rightPeak) == 24);
static_assert(offsetof(GeneratorParams, sweepRiseMs) == 28);

// The range of a peak: the peak sliders' range.
constexpr int32_t kMinPeak = 10;
constexpr int32_t kMaxPeak = 32767;

// A 1 kHz sine on the left and a 2 kHz triangle on the right at half scale;
// switched to sweep mode the same values sweep 1 kHz to 2 kHz in 100 ms.
GeneratorParams DefaultGeneratorParams();

// Reads wavedata.ini over the defaults: a file shorter than 32 bytes gives the
// fields it holds whole, the rest keep their defaults. The values are taken
// as stored: what the generator plays depends on the rate and channels
// (RepairGeneratorParams mends the rest). A missing or unreadable file gives
// the defaults and returns false. `repairs`, when given, says whether the
// file was short or long, or why it could not be read (a folder, a named
// pipe, a device, a link to nothing).
bool LoadGeneratorParams(const QString& path, GeneratorParams& params, RecordRepairs* repairs = nullptr);

// Writes the 32-byte image; the file is replaced only when fully written.
bool SaveGeneratorParams(const QString& path, const GeneratorParams& params, QString* error);
