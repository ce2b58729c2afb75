#include "settings/GeneratorParams.h"

#include "settings/RawRecordFile.h"

#include <iterator>

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

namespace {

// Where the record's fields (the padding as one) begin, and its end.
constexpr std::size_t kFieldStarts[] = {0, 1, 4, 8, 12, 16, 20, 24, 28, 32};
static_assert(kFieldStarts[std::size(kFieldStarts) - 1] == sizeof(GeneratorParams));

}  // namespace

bool LoadGeneratorParams(const QString& path, GeneratorParams& params, RecordRepairs* repairs) {
  params = DefaultGeneratorParams();
  RecordRepairs mended;
  // A short file would leave zero frequencies and peaks, a generator that
  // can only refuse: the fields it does not hold whole keep their defaults.
  const bool found = ReadRecordOverDefaults(path, &params, sizeof params, kFieldStarts, mended);
  if (repairs) *repairs = mended;
  return found;
}

bool SaveGeneratorParams(const QString& path, const GeneratorParams& params, QString* error) {
  return WriteRawRecord(path, &params, sizeof params, error);
}
