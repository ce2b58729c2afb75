#include "files/WaveChunks.h"

#include "settings/InputFile.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// The reader's reasons, in the program's language.
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(WavFile)
};

uint32_t Get32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// The data sizes a writer that cannot seek back (sox or ffmpeg writing to a
// pipe) leaves in place of the real one.
bool IsPlaceholderSize(quint32 size) { return size == 0xFFFFFFFFu || size == 0x7FFFF000u; }

}  // namespace

QString TruncatedWavReason() { return Texts::tr("文件被截断或已损坏：块的大小超出了文件末尾"); }

QString SampleRateRefusal(uint32_t rate, uint32_t frameBytes) {
  if (rate == 0 || rate > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()) ||
      rate > 0xFFFFFFFFu / std::max<uint32_t>(frameBytes, 1))
    return Texts::tr("采样率无效：%1 Hz").arg(rate);
  return {};
}

bool WaveChunks::ReadAt(qint64 offset, void* buffer, qint64 count) {
  return device_->seek(offset) && device_->read(static_cast<char*>(buffer), count) == count;
}

// Walks the chunks from `pos` to the end of the file looking for `id`.
// Chunks are padded to even length, so an odd-sized one is followed by a pad
// byte. The walk is bounded by the real file size rather than by the RIFF
// size: real files often carry a wrong RIFF size (0 or 0xFFFFFFFF from
// streaming writers, or a stale one), while their chunks are intact. A
// "data" chunk whose size passes the end of the file (a placeholder, a file
// cut short, a wrong size) is the rest of the file.
WaveChunks::Search WaveChunks::FindChunk(qint64 pos, const char* id, Chunk* found) {
  while (fileSize_ - pos >= 8) {
    uint8_t header[8];
    if (!ReadAt(pos, header, 8)) return Search::ReadError;
    const quint32 size = Get32(header + 4);
    const qint64 body = pos + 8;
    const bool wanted = std::memcmp(header, id, 4) == 0;
    if (size > fileSize_ - body) {
      if (!wanted || std::memcmp(id, "data", 4) != 0) return Search::Truncated;
      *found = {body, static_cast<quint32>(std::min<qint64>(fileSize_ - body, 0xFFFFFFFF)), true, size};
      return Search::Found;
    }
    if (wanted) {
      *found = {body, size};
      return Search::Found;
    }
    pos = body + size + (size & 1);
  }
  // A few bytes left that cannot hold a chunk header: the file was cut off.
  return pos < fileSize_ ? Search::Truncated : Search::Missing;
}

QString WaveChunks::SearchReason(Search search, const QString& missing) const {
  switch (search) {
    case Search::Found: return {};
    case Search::Missing: return missing;
    case Search::Truncated: return TruncatedWavReason();
    case Search::ReadError: break;
  }
  return Texts::tr("读取文件失败：%1").arg(device_->errorString());
}

QString WaveChunks::OpenToFormat(const QString& path, WaveFormat* stored, std::shared_ptr<const QByteArray> memory) {
  if (memory) {
    memory_ = std::move(memory);
    buffer_.setData(*memory_);  // shared, not copied
    buffer_.open(QIODevice::ReadOnly);
    device_ = &buffer_;
  } else {
    if (const QString why = NonRegularFileReason(path); !why.isEmpty()) return why;
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
      return Texts::tr("无法打开文件：%1").arg(file_.errorString());
  }
  fileSize_ = device_->size();
  const QString readError = Texts::tr("读取文件失败：%1");

  if (fileSize_ == 0) return Texts::tr("文件是空的");
  uint8_t riff[12];
  if (fileSize_ < 12) return Texts::tr("不是 WAV 文件");
  if (!ReadAt(0, riff, 12)) return readError.arg(device_->errorString());
  if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
    return Texts::tr("不是 WAV 文件");

  const QString why =
      SearchReason(FindChunk(12, "fmt ", &fmt_), Texts::tr("不是有效的 WAV 文件：缺少格式块（fmt）"));
  if (!why.isEmpty()) return why;
  if (fmt_.size < 16) return Texts::tr("格式块（fmt）太短");

  // At most the 18 bytes of the format record; a shorter (16-byte) chunk
  // leaves the extra size 0, a longer one is skipped past.
  uint8_t raw[kWaveFormatBytes] = {};
  if (!ReadAt(fmt_.body, raw, std::min<qint64>(fmt_.size, kWaveFormatBytes))) return readError.arg(device_->errorString());
  *stored = ParseWaveFormat(raw);
  return {};
}

QString WaveChunks::ReadSubformatTag(uint16_t* tag) {
  if (fmt_.size < 40) return Texts::tr("扩展格式块（fmt）太短");
  uint8_t guid[16];
  if (!ReadAt(fmt_.body + 24, guid, 16)) return Texts::tr("读取文件失败：%1").arg(device_->errorString());
  const bool plain = std::memcmp(guid + 2, kSubformatTail, sizeof kSubformatTail) == 0;
  *tag = plain ? static_cast<uint16_t>(guid[0] | (guid[1] << 8)) : 0;
  return {};
}

QString WaveChunks::FindData() {
  return SearchReason(FindChunk(fmt_.body + fmt_.size + (fmt_.size & 1), "data", &data_),
                      Texts::tr("不是有效的 WAV 文件：缺少数据块（data）"));
}

WavProbe WaveChunks::Accept(const QString& path, const WaveFormat& format) const {
  WavProbe probe;
  probe.ok = true;
  probe.layout.format = format;
  probe.layout.dataOffset = data_.body;
  probe.layout.memory = memory_;
  probe.layout.dataBytes = data_.toTheEnd ? data_.size - data_.size % format.blockAlign : data_.size;
  if (data_.toTheEnd && !IsPlaceholderSize(data_.storedSize)) {
    probe.note = Texts::tr("%1：数据块应有 %2 字节，文件中只有 %3 字节；只读到文件末尾")
                     .arg(QDir::toNativeSeparators(path))
                     .arg(data_.storedSize)
                     .arg(probe.layout.dataBytes);
  }
  return probe;
}
