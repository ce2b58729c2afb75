#pragma once

#include "settings/RecordRepairs.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// Y coordinate system of the display.
enum CoordSystem : int32_t { LogicLevel = 0, Decibel = 1, Millivolt = 2 };
// X axis unit; in the frequency domain the same value selects kHz or MHz.
enum TimeUnit : int32_t { Milliseconds = 0, Microseconds = 1 };

// The persistent settings, live panel values and measured values. setting.ini
// is the raw 88-byte little-endian image of this record.
struct SettingsRecord {
  uint16_t channels;
  uint16_t pad0;
  int32_t sampleRate;
  uint16_t bitsPerSample;
  uint16_t pad1;
  uint32_t ch1Color;  // 0x00BBGGRR
  uint32_t ch2Color;  // 0x00BBGGRR
  int32_t coordSystem;
  int32_t logicRef;
  float voltageRefMv;
  int32_t timeUnit;
  int16_t calibrationOffset;
  uint16_t pad2;
  int32_t triggerEdge;
  int32_t triggerLevel;
  int32_t triggerIndex;
  int32_t ch1Phase;
  int32_t ch2Phase;
  int32_t ch1Baseline;
  int32_t ch2Baseline;
  int32_t gainDivisor;
  int32_t ch1Frequency;
  int32_t ch2Frequency;
  float ch1Rms;
  float ch2Rms;
};

static_assert(sizeof(SettingsRecord) == 88);
static_assert(offsetof(SettingsRecord, channels) == 0);
static_assert(offsetof(SettingsRecord, sampleRate) == 4);
static_assert(offsetof(SettingsRecord, bitsPerSample) == 8);
static_assert(offsetof(SettingsRecord, ch1Color) == 12);
static_assert(offsetof(SettingsRecord, ch2Color) == 16);
static_assert(offsetof(SettingsRecord, coordSystem) == 20);
static_assert(offsetof(SettingsRecord, logicRef) == 24);
static_assert(offsetof(SettingsRecord, voltageRefMv) == 28);
static_assert(offsetof(SettingsRecord, timeUnit) == 32);
static_assert(offsetof(SettingsRecord, calibrationOffset) == 36);
static_assert(offsetof(SettingsRecord, triggerEdge) == 40);
static_assert(offsetof(SettingsRecord, triggerLevel) == 44);
static_assert(offsetof(SettingsRecord, triggerIndex) == 48);
static_assert(offsetof(SettingsRecord, ch1Phase) == 52);
static_assert(offsetof(SettingsRecord, ch2Phase) == 56);
static_assert(offsetof(SettingsRecord, ch1Baseline) == 60);
static_assert(offsetof(SettingsRecord, ch2Baseline) == 64);
static_assert(offsetof(SettingsRecord, gainDivisor) == 68);
static_assert(offsetof(SettingsRecord, ch1Frequency) == 72);
static_assert(offsetof(SettingsRecord, ch2Frequency) == 76);
static_assert(offsetof(SettingsRecord, ch1Rms) == 80);
static_assert(offsetof(SettingsRecord, ch2Rms) == 84);

// The record a fresh installation starts from: two channels, 44100 Hz,
// 16 bits, a yellow CH1 and a cyan CH2, logic-level scale, calibration 1 = 1 mV.
SettingsRecord DefaultSettings();

// Millivolts per sample unit (voltageRefMv / logicRef) may be at most this,
// so that the largest millivolt readout, 65535 units, stays a 32-bit integer.
// That is a full scale of about a megavolt, beyond any probe on a sound card.
inline constexpr double kMaxMvPerUnit = 32768;

// Whether the millivolt calibration pair is one the display can use: both at
// least 1, the voltage finite, at most kMaxMvPerUnit mV per unit.
bool CalibrationPairFits(int32_t logicRef, float voltageRefMv);

// The resets applied right after every load: live values never persist.
void ApplyLoadResets(SettingsRecord& record);

// Replaces every field outside the values the program works with by its
// default: channels 1 or 2, a sample rate of 2000..200000, 8 or 16 bits,
// colours with a zero top byte, a known coordinate system and time unit,
// calibration values of at least 1 (finite) with at most 32768 mV per
// sample unit, a calibration offset within ±32000, a rising or falling
// trigger edge. Returns the names of the fields
// replaced; a record in range is left byte for byte as it is.
QStringList RepairSettings(SettingsRecord& record);

// Reads setting.ini over the defaults: a file shorter than 88 bytes gives
// the fields it holds whole, the rest keep their defaults; of a longer one
// the first 88 bytes are read. Then repairs and resets the record. A missing
// or unreadable file (a folder, a named pipe, a device...) gives the
// defaults and returns false. `repairs`, when given, says what was mended:
// nothing for a missing file, and a file of any other size or kind is noted.
bool LoadSettingsRecord(const QString& path, SettingsRecord& record, RecordRepairs* repairs = nullptr);

// Writes the 88-byte image; the file is replaced only when fully written.
// On failure returns false and sets `error` to a message for the user.
bool SaveSettingsRecord(const QString& path, const SettingsRecord& record, QString* error);
