#include "settings/SettingsRecord.h"

#include "settings/RawRecordFile.h"

#include <cmath>
#include <cstring>
#include <iterator>

SettingsRecord DefaultSettings() {
  SettingsRecord r{};
  r.channels = 2;
  r.sampleRate = 44100;
  r.bitsPerSample = 16;
  r.ch1Color = 0x0000FFFF;  // yellow
  r.ch2Color = 0x00FFFF00;  // cyan
  r.coordSystem = LogicLevel;
  r.logicRef = 1;
  r.voltageRefMv = 1.0f;
  r.timeUnit = Milliseconds;
  r.calibrationOffset = 0;
  r.gainDivisor = 32;
  return r;
}

void ApplyLoadResets(SettingsRecord& r) {
  r.triggerEdge = 0;
  r.triggerIndex = 0;
  r.ch1Phase = 0;
  r.ch2Phase = 0;
  r.ch1Baseline = 0;
  r.ch2Baseline = 0;
  r.gainDivisor = 32;
  r.ch1Rms = 0;
}

bool CalibrationPairFits(int32_t logicRef, float voltageRefMv) {
  return logicRef >= 1 && std::isfinite(voltageRefMv) && voltageRefMv >= 1.0f &&
         voltageRefMv <= kMaxMvPerUnit * logicRef;
}

namespace {

// Where the record's fields (the padding included) begin, and its end.
constexpr std::size_t kFieldStarts[] = {0,  2,  4,  8,  10, 12, 16, 20, 24, 28, 32, 36, 38, 40,
                                        44, 48, 52, 56, 60, 64, 68, 72, 76, 80, 84, 88};
static_assert(kFieldStarts[std::size(kFieldStarts) - 1] == sizeof(SettingsRecord));

constexpr int32_t kMinSampleRate = 2000;
constexpr int32_t kMaxSampleRate = 200000;
constexpr int16_t kMaxCalibrationOffset = 32000;
bool IsColorref(uint32_t color) { return (color & 0xFF000000u) == 0; }

}  // namespace

QStringList RepairSettings(SettingsRecord& r) {
  const SettingsRecord d = DefaultSettings();
  QStringList repaired;
  RepairField(repaired, r.channels == 1 || r.channels == 2, r.channels, d.channels, "channels");
  RepairField(repaired, r.sampleRate >= kMinSampleRate && r.sampleRate <= kMaxSampleRate, r.sampleRate,
              d.sampleRate, "sampleRate");
  RepairField(repaired, r.bitsPerSample == 8 || r.bitsPerSample == 16, r.bitsPerSample, d.bitsPerSample,
              "bitsPerSample");
  RepairField(repaired, IsColorref(r.ch1Color), r.ch1Color, d.ch1Color, "ch1Color");
  RepairField(repaired, IsColorref(r.ch2Color), r.ch2Color, d.ch2Color, "ch2Color");
  RepairField(repaired, r.coordSystem >= LogicLevel && r.coordSystem <= Millivolt, r.coordSystem, d.coordSystem,
              "coordSystem");
  RepairField(repaired, r.logicRef >= 1, r.logicRef, d.logicRef, "logicRef");
  RepairField(repaired, CalibrationPairFits(r.logicRef, r.voltageRefMv), r.voltageRefMv, d.voltageRefMv,
              "voltageRefMv");
  RepairField(repaired, r.timeUnit == Milliseconds || r.timeUnit == Microseconds, r.timeUnit, d.timeUnit, "timeUnit");
  RepairField(repaired, r.calibrationOffset >= -kMaxCalibrationOffset && r.calibrationOffset <= kMaxCalibrationOffset,
              r.calibrationOffset, d.calibrationOffset, "calibrationOffset");
  RepairField(repaired, r.triggerEdge == 0 || r.triggerEdge == 1, r.triggerEdge, d.triggerEdge, "triggerEdge");
  return repaired;
}

bool LoadSettingsRecord(const QString& path, SettingsRecord& record, RecordRepairs* repairs) {
  record = DefaultSettings();
  RecordRepairs mended;
  // All-zero colours and rates are no settings: the fields a short file
  // lacks keep their defaults.
  const bool found = ReadRecordOverDefaults(path, &record, sizeof record, kFieldStarts, mended);
  mended.outOfRange = RepairSettings(record);
  ApplyLoadResets(record);
  if (repairs) *repairs = mended;
  return found;
}

bool SaveSettingsRecord(const QString& path, const SettingsRecord& record, QString* error) {
  return WriteRawRecord(path, &record, sizeof record, error);
}
