// Reading WAV files. The file is treated as untrusted: every size field is
// checked against the real file size before it is used, so a damaged or
// hostile file is refused with a reason and never makes us read or allocate
// more than the file holds.
#include "files/WavFile.h"

#include "files/WaveChunks.h"

#include "settings/InputFile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <vector>

namespace {

// The reader's reasons, in the program's language.
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(WavFile)
};

WavProbe Refuse(const QString& reason) {
  WavProbe probe;
  probe.reason = reason;
  return probe;
}

}  // namespace

WavProbe ProbeWavFile(const QString& path, std::shared_ptr<const QByteArray> memory) {
  WaveChunks chunks;
  WaveFormat stored;
  if (const QString why = chunks.OpenToFormat(path, &stored, std::move(memory)); !why.isEmpty()) return Refuse(why);

  const QString notPcm = Texts::tr("不支持的数据格式：只能打开 PCM 整数数据");
  if (stored.formatTag == kTagExtensible) {
    uint16_t subformat = 0;
    if (const QString why = chunks.ReadSubformatTag(&subformat); !why.isEmpty()) return Refuse(why);
    if (subformat != kTagPcm) return Refuse(notPcm);
  } else if (stored.formatTag != kTagPcm) {
    return Refuse(notPcm);
  }
  if (stored.bitsPerSample != 8 && stored.bitsPerSample != 16)
    return Refuse(Texts::tr("不支持 %1 位采样：只能打开 8 位或 16 位数据").arg(stored.bitsPerSample));
  if (stored.channels != 1 && stored.channels != 2)
    return Refuse(Texts::tr("不支持 %1 个声道：只能打开单声道或立体声").arg(stored.channels));
  if (const QString why = SampleRateRefusal(stored.samplesPerSec, stored.channels * stored.bitsPerSample / 8);
      !why.isEmpty())
    return Refuse(why);
  if (const QString why = chunks.FindData(); !why.isEmpty()) return Refuse(why);

  // Normalised: plain PCM, no extra bytes, block align and byte rate derived
  // from the layout (files in the wild sometimes carry wrong values there).
  return chunks.Accept(path, MakePcmFormat(stored.channels, stored.samplesPerSec, stored.bitsPerSample));
}

bool ReadWavRange(const QString& path, const WavLayout& layout, quint64 offset, quint64 count,
                  const std::function<bool(const uint8_t* data, std::size_t count)>& sink, QString* reason,
                  std::size_t pieceBytes) {
  auto fail = [reason](const QString& why) {
    if (reason) *reason = why;
    return false;
  };
  if (layout.memory) {
    if (offset > layout.dataBytes || count > layout.dataBytes - offset)
      return fail(Texts::tr("读取的范围超出了数据块"));
    const auto* data = reinterpret_cast<const uint8_t*>(layout.memory->constData()) + layout.dataOffset + offset;
    for (quint64 done = 0; done < count;) {
      const std::size_t n = std::min<quint64>(std::max<std::size_t>(pieceBytes, 1), count - done);
      if (!sink(data + done, n)) return fail(Texts::tr("读取已中止"));
      done += n;
    }
    return true;
  }
  if (const QString why = NonRegularFileReason(path); !why.isEmpty()) return fail(why);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    return fail(Texts::tr("无法打开文件：%1").arg(file.errorString()));
  // The file may have changed since it was probed.
  if (layout.dataOffset < 0 || file.size() - layout.dataOffset < qint64(layout.dataBytes))
    return fail(TruncatedWavReason());
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

bool ReadWavData(const QString& path, const WavLayout& layout,
                 const std::function<bool(const uint8_t* data, std::size_t count)>& sink,
                 QString* reason, std::size_t pieceBytes) {
  return ReadWavRange(path, layout, 0, layout.dataBytes, sink, reason, pieceBytes);
}

bool ReadWavBytes(const QString& path, const WavLayout& layout, quint64 offset, std::span<uint8_t> out,
                  QString* reason) {
  uint8_t* next = out.data();
  return ReadWavRange(
      path, layout, offset, out.size(),
      [&next](const uint8_t* data, std::size_t count) {
        next = std::copy_n(data, count, next);
        return true;
      },
      reason, out.size());
}
