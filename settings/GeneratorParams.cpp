#include "settings/GeneratorParams.h"

#include "settings/RawRecordFile.h"

#include <cstring>
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
  GeneratorParams stored;
  std::size_t bytes = 0;
  const bool found = ReadRawRecord(path, &stored, sizeof stored, &bytes) == RawReadResult::Read;
  params = DefaultGeneratorParams();
  RecordRepairs mended;
  mended.recordBytes = sizeof stored;
  if (found) {
    // A short file would leave zero frequencies and peaks, a generator that
    // can only refuse: the fields it does not hold whole keep their defaults.
    std::memcpy(&params, &stored, WholeFieldBytes(bytes, kFieldStarts));
    if (bytes < sizeof stored) mended.shortFileBytes = static_cast<qint64>(bytes);
  }
  if (repairs) *repairs = mended;
  return found;
}

bool SaveGeneratorParams(const QString& path, const GeneratorParams& params, QString* error) {
  return WriteRawRecord(path, &params, sizeof params, error);
}
