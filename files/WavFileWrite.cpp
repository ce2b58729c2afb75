// Writing WAV files: one RIFF "WAVE" chunk holding an 18-byte "fmt " chunk
// and the "data" chunk, nothing else.
#include "files/WavFile.h"

#include <QSaveFile>

#include <array>
#include <cstring>

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

bool WriteAll(QSaveFile& file, const void* data, std::size_t count) {
  return count == 0 || file.write(static_cast<const char*>(data), static_cast<qint64>(count)) ==
         static_cast<qint64>(count);
}

}  // namespace

bool WriteWavFile(const QString& path, const WaveFormat& format,
                  std::span<const std::span<const uint8_t>> pieces, QString* error) {
  // 38 + n + pad must fit the 32-bit RIFF size; checked before the file is touched.
  constexpr uint64_t kMaxRiffSize = 0xFFFFFFFFu;
  uint64_t n = 0;
  for (const auto& piece : pieces) {
    n += piece.size();
    if (38 + n + (n & 1) > kMaxRiffSize) {
      if (error) *error = QStringLiteral("Error creating file: the data is too large for a WAV file");
      return false;
    }
  }

  // QSaveFile writes to a temporary file next to the target and renames it
  // over the target only on commit, so a failed write leaves the old file as it was.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = QStringLiteral("Error creating file");
    return false;
  }
  const auto header = MakeHeader(format, static_cast<uint32_t>(n));
  bool ok = WriteAll(file, header.data(), header.size());
  for (const auto& piece : pieces) {
    if (!ok) break;
    ok = WriteAll(file, piece.data(), piece.size());
  }
  if (ok && (n & 1)) ok = WriteAll(file, "\0", 1);
  if (!ok || !file.commit()) {
    if (error) *error = QStringLiteral("Error creating file: %1").arg(file.errorString());
    file.cancelWriting();
    return false;
  }
  return true;
}

bool WriteWavFile(const QString& path, const WaveFormat& format,
                  std::span<const uint8_t> data, QString* error) {
  return WriteWavFile(path, format, std::span<const std::span<const uint8_t>>(&data, 1), error);
}
