#include "settings/GeneratorParams.h"

#include "settings/RawRecordFile.h"

#include <QFileInfo>

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
  // A short file would leave zero frequencies and peaks: a generator that
  // can only refuse. It is taken as missing.
  const bool found = QFileInfo(path).size() >= static_cast<qint64>(sizeof params) &&
                     ReadRawRecord(path, &params, sizeof params) == RawReadResult::Read;
  if (!found) params = DefaultGeneratorParams();
  return found;
}

bool SaveGeneratorParams(const QString& path, const GeneratorParams& params, QString* error) {
  return WriteRawRecord(path, &params, sizeof params, error);
}
