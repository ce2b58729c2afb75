// Reading WAV files. The file is treated as untrusted: every size field is
// checked against the real file size before it is used, so a damaged or
// hostile file is refused with a reason and never makes us read or allocate
// more than the file holds.
#include "files/WavFile.h"

#include "settings/InputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// The reader's reasons, in the program's language.
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(WavFile)
};

uint32_t Get32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool ReadAt(QFile& file, qint64 offset, void* buffer, qint64 count) {
  return file.seek(offset) && file.read(static_cast<char*>(buffer), count) == count;
}

WavProbe Refuse(const QString& reason) {
  WavProbe probe;
  probe.reason = reason;
  return probe;
}

QString TruncatedReason() { return Texts::tr("文件被截断或已损坏：块的大小超出了文件末尾"); }

struct Chunk {
  qint64 body = 0;  // offset of the chunk's contents
  quint32 size = 0;
  bool toTheEnd = false;  // the stored size passed the end of the file: the chunk runs to it
  quint32 storedSize = 0;
};

// The data sizes a writer that cannot seek back (sox or ffmpeg writing to a
// pipe) leaves in place of the real one.
bool IsPlaceholderSize(quint32 size) { return size == 0xFFFFFFFFu || size == 0x7FFFF000u; }
enum class Search { Found, Missing, Truncated, ReadError };

// Walks the chunks from `pos` to the end of the file looking for `id`.
// Chunks are padded to even length, so an odd-sized one is followed by a pad
// byte. The walk is bounded by the real file size rather than by the RIFF
// size: real files often carry a wrong RIFF size (0 or 0xFFFFFFFF from
// streaming writers, or a stale one), while their chunks are intact. A
// "data" chunk whose size passes the end of the file (a placeholder, a file
// cut short, a wrong size) is the rest of the file.
Search FindChunk(QFile& file, qint64 fileSize, qint64 pos, const char* id, Chunk* found) {
  while (fileSize - pos >= 8) {
    uint8_t header[8];
    if (!ReadAt(file, pos, header, 8)) return Search::ReadError;
    const quint32 size = Get32(header + 4);
    const qint64 body = pos + 8;
    const bool wanted = std::memcmp(header, id, 4) == 0;
    if (size > fileSize - body) {
      if (!wanted || std::memcmp(id, "data", 4) != 0) return Search::Truncated;
      *found = {body, static_cast<quint32>(std::min<qint64>(fileSize - body, 0xFFFFFFFF)), true, size};
      return Search::Found;
    }
    if (wanted) {
      *found = {body, size};
      return Search::Found;
    }
    pos = body + size + (size & 1);
  }
  // A few bytes left that cannot hold a chunk header: the file was cut off.
  return pos < fileSize ? Search::Truncated : Search::Missing;
}

// The subformat GUID of WAVE_FORMAT_EXTENSIBLE PCM data.
constexpr uint8_t kPcmSubformat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                       0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
constexpr uint16_t kTagPcm = 1;
constexpr uint16_t kTagExtensible = 0xFFFE;

}  // namespace

WavProbe ProbeWavFile(const QString& path) {
  if (const QString why = NonRegularFileReason(path); !why.isEmpty()) return Refuse(why);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    return Refuse(Texts::tr("无法打开文件：%1").arg(file.errorString()));
  const qint64 fileSize = file.size();
  const QString readError = Texts::tr("读取文件失败：%1");

  if (fileSize == 0) return Refuse(Texts::tr("文件是空的"));
  uint8_t riff[12];
  if (fileSize < 12) return Refuse(Texts::tr("不是 WAV 文件"));
  if (!ReadAt(file, 0, riff, 12)) return Refuse(readError.arg(file.errorString()));
  if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
    return Refuse(Texts::tr("不是 WAV 文件"));

  // The first "fmt " chunk; the chunks before it are skipped.
  Chunk fmt;
  switch (FindChunk(file, fileSize, 12, "fmt ", &fmt)) {
    case Search::Found: break;
    case Search::Missing: return Refuse(Texts::tr("不是有效的 WAV 文件：缺少格式块（fmt）"));
    case Search::Truncated: return Refuse(TruncatedReason());
    case Search::ReadError: return Refuse(readError.arg(file.errorString()));
  }
  if (fmt.size < 16) return Refuse(Texts::tr("格式块（fmt）太短"));

  // At most the 18 bytes of the format record; a shorter (16-byte) chunk
  // leaves the extra size 0, a longer one is skipped past.
  uint8_t raw[kWaveFormatBytes] = {};
  if (!ReadAt(file, fmt.body, raw, std::min<qint64>(fmt.size, kWaveFormatBytes)))
    return Refuse(readError.arg(file.errorString()));
  const WaveFormat stored = ParseWaveFormat(raw);

  const QString notPcm = Texts::tr("不支持的数据格式：只能打开 PCM 整数数据");
  if (stored.formatTag == kTagExtensible) {
    // The subformat GUID sits at offset 24 of a 40-byte extensible format chunk.
    if (fmt.size < 40) return Refuse(Texts::tr("扩展格式块（fmt）太短"));
    uint8_t subformat[16];
    if (!ReadAt(file, fmt.body + 24, subformat, 16)) return Refuse(readError.arg(file.errorString()));
    if (std::memcmp(subformat, kPcmSubformat, 16) != 0) return Refuse(notPcm);
  } else if (stored.formatTag != kTagPcm) {
    return Refuse(notPcm);
  }
  if (stored.bitsPerSample != 8 && stored.bitsPerSample != 16)
    return Refuse(Texts::tr("不支持 %1 位采样：只能打开 8 位或 16 位数据").arg(stored.bitsPerSample));
  if (stored.channels != 1 && stored.channels != 2)
    return Refuse(Texts::tr("不支持 %1 个声道：只能打开单声道或立体声").arg(stored.channels));
  // The rate must also keep the byte rate (up to 4 bytes per frame) within 32 bits.
  const uint32_t frameBytes = stored.channels * stored.bitsPerSample / 8;
  if (stored.samplesPerSec == 0 ||
      stored.samplesPerSec > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()) ||
      stored.samplesPerSec > 0xFFFFFFFFu / frameBytes)
    return Refuse(Texts::tr("采样率无效：%1 Hz").arg(stored.samplesPerSec));

  // The first "data" chunk after the format chunk; LIST, fact etc. are skipped.
  Chunk data;
  switch (FindChunk(file, fileSize, fmt.body + fmt.size + (fmt.size & 1), "data", &data)) {
    case Search::Found: break;
    case Search::Missing: return Refuse(Texts::tr("不是有效的 WAV 文件：缺少数据块（data）"));
    case Search::Truncated: return Refuse(TruncatedReason());
    case Search::ReadError: return Refuse(readError.arg(file.errorString()));
  }

  WavProbe probe;
  probe.ok = true;
  // Normalised: plain PCM, no extra bytes, block align and byte rate derived
  // from the layout (files in the wild sometimes carry wrong values there).
  probe.layout.format = MakePcmFormat(stored.channels, stored.samplesPerSec, stored.bitsPerSample);
  probe.layout.dataOffset = data.body;
  // Of data that runs to the end of the file, whole frames only. A streaming
  // writer's placeholder is expected there; any other size is worth a note.
  probe.layout.dataBytes = data.toTheEnd ? data.size - data.size % probe.layout.format.blockAlign : data.size;
  if (data.toTheEnd && !IsPlaceholderSize(data.storedSize)) {
    probe.note = Texts::tr("%1：数据块应有 %2 字节，文件中只有 %3 字节；只读到文件末尾")
                     .arg(QDir::toNativeSeparators(path))
                     .arg(data.storedSize)
                     .arg(probe.layout.dataBytes);
  }
  return probe;
}

namespace {

// Streams `count` bytes of the data chunk from byte `offset` of it to `sink`.
bool ReadDataRange(const QString& path, const WavLayout& layout, quint64 offset, quint64 count,
                   const std::function<bool(const uint8_t* data, std::size_t count)>& sink, QString* reason,
                   std::size_t pieceBytes) {
  auto fail = [reason](const QString& why) {
    if (reason) *reason = why;
    return false;
  };
  if (const QString why = NonRegularFileReason(path); !why.isEmpty()) return fail(why);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    return fail(Texts::tr("无法打开文件：%1").arg(file.errorString()));
  // The file may have changed since it was probed.
  if (layout.dataOffset < 0 || file.size() - layout.dataOffset < qint64(layout.dataBytes))
    return fail(TruncatedReason());
  if (offset > layout.dataBytes || count > layout.dataBytes - offset)
    return fail(Texts::tr("读取的范围超出了数据块"));
  if (!file.seek(layout.dataOffset + qint64(offset)))
    return fail(Texts::tr("读取文件失败：%1").arg(file.errorString()));

  std::vector<uint8_t> buffer(std::min<quint64>(std::max<std::size_t>(pieceBytes, 1), count));
  for (quint64 left = count; left > 0;) {
    const std::size_t n = std::min<quint64>(buffer.size(), left);
    if (file.read(reinterpret_cast<char*>(buffer.data()), qint64(n)) != qint64(n))
      return fail(Texts::tr("读取文件失败：%1").arg(file.errorString()));
    if (!sink(buffer.data(), n)) return fail(Texts::tr("读取已中止"));
    left -= n;
  }
  return true;
}

}  // namespace

bool ReadWavData(const QString& path, const WavLayout& layout,
                 const std::function<bool(const uint8_t* data, std::size_t count)>& sink,
                 QString* reason, std::size_t pieceBytes) {
  return ReadDataRange(path, layout, 0, layout.dataBytes, sink, reason, pieceBytes);
}

bool ReadWavBytes(const QString& path, const WavLayout& layout, quint64 offset, std::span<uint8_t> out,
                  QString* reason) {
  uint8_t* next = out.data();
  return ReadDataRange(
      path, layout, offset, out.size(),
      [&next](const uint8_t* data, std::size_t count) {
        next = std::copy_n(data, count, next);
        return true;
      },
      reason, out.size());
}
