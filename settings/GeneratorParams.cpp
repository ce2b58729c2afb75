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

constexpr int32_t kMinPeak = 10;
constexpr int32_t kMaxPeak = 32767;

}  // namespace

QStringList RepairGeneratorParams(GeneratorParams& p) {
  const GeneratorParams d = DefaultGeneratorParams();
  QStringList repaired;
  auto isWave = [](int32_t w) { return w >= Sine && w <= Sawtooth; };
  auto isPeak = [](int32_t a) { return a >= kMinPeak && a <= kMaxPeak; };
  RepairField(repaired, isWave(p.leftWave), p.leftWave, d.leftWave, "leftWave");
  RepairField(repaired, isWave(p.rightWave), p.rightWave, d.rightWave, "rightWave");
  RepairField(repaired, p.leftFreq > 0, p.leftFreq, d.leftFreq, "leftFreq");
  RepairField(repaired, p.rightFreq > 0, p.rightFreq, d.rightFreq, "rightFreq");
  RepairField(repaired, isPeak(p.leftPeak), p.leftPeak, d.leftPeak, "leftPeak");
  RepairField(repaired, isPeak(p.rightPeak), p.rightPeak, d.rightPeak, "rightPeak");
  RepairField(repaired, p.sweepRiseMs > 0, p.sweepRiseMs, d.sweepRiseMs, "sweepRiseMs");
  return repaired;
}

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
  mended.outOfRange = RepairGeneratorParams(params);
  if (repairs) *repairs = mended;
  return found;
}

bool SaveGeneratorParams(const QString& path, const GeneratorParams& params, QString* error) {
  return WriteRawRecord(path, &params, sizeof params, error);
}
