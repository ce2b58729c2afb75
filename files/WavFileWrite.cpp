// Writing WAV files: one RIFF "WAVE" chunk holding an 18-byte "fmt " chunk
// and the "data" chunk, nothing else.
#include "files/WavFile.h"

#include "settings/OutputFile.h"

#include <QCoreApplication>
#include <QDir>

#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int kHeaderBytes = 46;  // "RIFF" size "WAVE" "fmt " 18 <18 bytes> "data" n

void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

std::array<uint8_t, kHeaderBytes> MakeHeader(const WaveFormat& format, uint32_t dataBytes) {
  std::array<uint8_t, kHeaderBytes> h{};
  std::memcpy(&h[0], "RIFF", 4);
  // The RIFF size counts everything after its own size field, pad byte included.
  Put32(&h[4], 38 + dataBytes + (dataBytes & 1));
  std::memcpy(&h[8], "WAVE", 4);
  std::memcpy(&h[12], "fmt ", 4);
  Put32(&h[16], kWaveFormatBytes);
  const auto fmt = SerializeWaveFormat(format);
  std::memcpy(&h[20], fmt.data(), fmt.size());
  std::memcpy(&h[38], "data", 4);
  Put32(&h[42], dataBytes);
  return h;
}

}  // namespace

bool WriteWavFile(const QString& path, const WaveFormat& format,
                  std::span<const std::span<const uint8_t>> pieces, QString* error, const OutputOptions& options) {
  // 38 + n + pad must fit the 32-bit RIFF size; checked before the file is touched.
  constexpr uint64_t kMaxRiffSize = 0xFFFFFFFFu;
  uint64_t n = 0;
  for (const auto& piece : pieces) {
    n += piece.size();
    if (38 + n + (n & 1) > kMaxRiffSize) {
      if (error)
        *error = QCoreApplication::translate("WavFile", "Error creating file %1: the data is too large for a WAV file")
                     .arg(QDir::toNativeSeparators(path));
      return false;
    }
  }

  const auto header = MakeHeader(format, static_cast<uint32_t>(n));
  static constexpr uint8_t kPad = 0;
  std::vector<std::span<const uint8_t>> file;
  file.reserve(pieces.size() + 2);
  file.emplace_back(header);
  file.insert(file.end(), pieces.begin(), pieces.end());
  if (n & 1) file.emplace_back(&kPad, 1);
  QString reason;
  if (!WriteOutputFile(path, file, options, &reason)) {
    if (error)
      *error =
          QCoreApplication::translate("WavFile", "Error creating file %1: %2").arg(QDir::toNativeSeparators(path), reason);
    return false;
  }
  return true;
}

bool WriteWavFile(const QString& path, const WaveFormat& format,
                  std::span<const uint8_t> data, QString* error, const OutputOptions& options) {
  return WriteWavFile(path, format, std::span<const std::span<const uint8_t>>(&data, 1), error, options);
}
