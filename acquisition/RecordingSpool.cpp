#include "acquisition/RecordingSpool.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QtEndian>

namespace {

constexpr char kMagic[8] = {'O', 'R', 'V', 'S', 'P', 'O', 'O', 'L'};
constexpr uint32_t kVersion = 1;
constexpr int kVersionAt = 8;
constexpr int kFormatAt = 12;

// A format this program records in: PCM, 8 or 16 bits, mono or stereo, a
// rate the engine can run, block align and byte rate derived from them.
bool IsRecordingFormat(const WaveFormat& f) {
  return f.formatTag == 1 && (f.channels == 1 || f.channels == 2) && (f.bitsPerSample == 8 || f.bitsPerSample == 16) &&
         f.samplesPerSec > 0 && f.samplesPerSec <= 1000000 &&
         f == MakePcmFormat(f.channels, f.samplesPerSec, f.bitsPerSample);
}

}  // namespace

QByteArray SpoolHeader(const WaveFormat& format) {
  QByteArray header(RecordingSpool::kHeaderBytes, '\0');
  std::copy(std::begin(kMagic), std::end(kMagic), header.begin());
  qToLittleEndian(kVersion, header.data() + kVersionAt);
  const auto record = SerializeWaveFormat(format);
  std::copy(record.begin(), record.end(), header.begin() + kFormatAt);
  return header;
}

std::optional<WaveFormat> ParseSpoolHeader(const QByteArray& header, QString* reason) {
  if (header.size() < RecordingSpool::kHeaderBytes || !header.startsWith(QByteArray(kMagic, sizeof kMagic))) {
    *reason = QCoreApplication::translate("RecordingSpool", "不是录音暂存文件");
    return std::nullopt;
  }
  if (const uint32_t version = qFromLittleEndian<uint32_t>(header.constData() + kVersionAt); version != kVersion) {
    *reason = QCoreApplication::translate("RecordingSpool", "暂存文件的版本 %1 是本程序不认识的").arg(version);
    return std::nullopt;
  }
  const WaveFormat format = ParseWaveFormat(reinterpret_cast<const uint8_t*>(header.constData()) + kFormatAt);
  if (!IsRecordingFormat(format)) {
    *reason = QCoreApplication::translate("RecordingSpool", "暂存文件的格式记录已损坏");
    return std::nullopt;
  }
  return format;
}

QString SpoolLockPath(const QString& spoolPath) { return spoolPath + QStringLiteral(".lock"); }

RecordingSpool::RecordingSpool(std::size_t maxDataBytes) : maxDataBytes_(maxDataBytes) {}

RecordingSpool::~RecordingSpool() = default;

bool RecordingSpool::Create(const QString& folder, const WaveFormat& format, QString* reason) {
  Remove();
  const QString base =
      QDir(folder).filePath(QStringLiteral("recording-%1").arg(QCoreApplication::applicationPid()));
  // The lock comes first, so that no other program ever sees this spool
  // unlocked. A name already taken is a spool left by an earlier program
  // that had this process id: it is kept for its offer.
  for (int n = 1; n <= 100; ++n) {
    const QString path = n == 1 ? base + QStringLiteral(".spool") : QStringLiteral("%1-%2.spool").arg(base).arg(n);
    auto lock = std::make_unique<QLockFile>(SpoolLockPath(path));
    lock->setStaleLockTime(0);  // stale only when its program has ended
    if (!lock->tryLock(0)) {
      if (lock->error() == QLockFile::LockFailedError) continue;
      *reason = lock->error() == QLockFile::PermissionError
                    ? QCoreApplication::translate("RecordingSpool", "没有在文件夹 %1 中建立文件的权限").arg(QDir::toNativeSeparators(folder))
                    : QCoreApplication::translate("RecordingSpool", "无法在文件夹 %1 中建立锁文件").arg(QDir::toNativeSeparators(folder));
      return false;
    }
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
      if (file_.exists()) continue;
      *reason = file_.errorString();
      return false;
    }
    const QByteArray header = SpoolHeader(format);
    if (file_.write(header) != header.size()) {
      *reason = file_.errorString();
      file_.close();
      QFile::remove(path);
      return false;
    }
    lock_ = std::move(lock);
    path_ = path;
    return true;
  }
  *reason = QCoreApplication::translate("RecordingSpool", "文件夹 %1 中的暂存文件名都已被占用").arg(QDir::toNativeSeparators(folder));
  return false;
}

bool RecordingSpool::Append(const uint8_t* data, std::size_t count, QString* reason) {
  if (!file_.isOpen()) return false;
  if (count > maxDataBytes_ - dataBytes_) {
    *reason = QCoreApplication::translate("RecordingSpool", "暂存文件已达到录音的上限");
    file_.close();
    return false;
  }
  // A short write is tried again for the rest, which then names the
  // system's reason (a full disk, a file size limit).
  for (std::size_t done = 0; done < count;) {
    const qint64 n = file_.write(reinterpret_cast<const char*>(data + done), static_cast<qint64>(count - done));
    if (n <= 0) {
      *reason = file_.errorString();
      file_.close();
      return false;
    }
    done += static_cast<std::size_t>(n);
    dataBytes_ += static_cast<std::size_t>(n);
  }
  return true;
}

void RecordingSpool::Remove() {
  file_.close();
  if (!path_.isEmpty()) QFile::remove(path_);
  lock_.reset();
  path_.clear();
  dataBytes_ = 0;
}
