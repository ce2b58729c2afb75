#include "settings/SettingsRecord.h"

#include "settings/RawRecordFile.h"

#include <cmath>

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

void RepairSettings(SettingsRecord& r) {
  const SettingsRecord d = DefaultSettings();
  if (r.channels != 1 && r.channels != 2) r.channels = d.channels;
  if (r.sampleRate <= 0) r.sampleRate = d.sampleRate;
  if (r.bitsPerSample != 8 && r.bitsPerSample != 16) r.bitsPerSample = d.bitsPerSample;
  if (r.logicRef < 1) r.logicRef = d.logicRef;
  if (!std::isfinite(r.voltageRefMv) || r.voltageRefMv < 1.0f) r.voltageRefMv = d.voltageRefMv;
}

bool LoadSettingsRecord(const QString& path, SettingsRecord& record) {
  const bool found = ReadRawRecord(path, &record, sizeof record) == RawReadResult::Read;
  if (!found) record = DefaultSettings();
  RepairSettings(record);
  ApplyLoadResets(record);
  return found;
}

bool SaveSettingsRecord(const QString& path, const SettingsRecord& record, QString* error) {
  return WriteRawRecord(path, &record, sizeof record, error);
}
