#include "settings/GeneratorParams.h"

#include "settings/RawRecordFile.h"

GeneratorParams DefaultGeneratorParams() {
  GeneratorParams p{};
  p.functionMode = 1;
  p.leftWave = Sine;
  p.rightWave = Triangle;
  p.leftFreq = 1000;
  p.rightFreq = 2000;
  p.leftPeak = 16384;
  p.rightPeak = 16384;
  p.sweepRiseMs = 100;
  return p;
}

bool LoadGeneratorParams(const QString& path, GeneratorParams& params) {
  const bool found = ReadRawRecord(path, &params, sizeof params) == RawReadResult::Read;
  if (!found) params = DefaultGeneratorParams();
  return found;
}

bool SaveGeneratorParams(const QString& path, const GeneratorParams& params, QString* error) {
  return WriteRawRecord(path, &params, sizeof params, error);
}
