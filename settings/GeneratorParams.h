#pragma once

#include "settings/RecordRepairs.h"

#include <QString>
#include <QStringList>

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

// A 1 kHz sine on the left and a 2 kHz triangle on the right at half scale;
// switched to sweep mode the same values sweep 1 kHz to 2 kHz in 100 ms.
GeneratorParams DefaultGeneratorParams();

// Replaces every field outside the values the generator works with by its
// default: waveforms 0..3, frequencies and the rise time above 0, peaks of
// 10..32767. Returns the names of the fields replaced.
QStringList RepairGeneratorParams(GeneratorParams& params);

// Reads wavedata.ini over the defaults: a file shorter than 32 bytes gives the
// fields it holds whole, the rest keep their defaults. Then repairs the
// record. A missing or unreadable file gives the defaults and returns false.
// `repairs`, when given, says what was mended.
bool LoadGeneratorParams(const QString& path, GeneratorParams& params, RecordRepairs* repairs = nullptr);

// Writes the 32-byte image; the file is replaced only when fully written.
bool SaveGeneratorParams(const QString& path, const GeneratorParams& params, QString* error);
