#include "acquisition/LeftSpool.h"

#include "acquisition/RecordingBuffer.h"
#include "acquisition/RecordingSpool.h"
#include "files/WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>

#include <span>

namespace {

// Takes a spool's lock; false while its program runs. A lock that names
// this process's own id was left by an earlier program with the same id
// (ids come round again; in a container, every time) unless this process
// holds it, which the lock's native file lock tells.
bool TakeLock(QLockFile& lock) {
  if (lock.tryLock(0)) return true;
  qint64 pid = 0;
  QString host, app;
  return lock.error() == QLockFile::LockFailedError && lock.getLockInfo(&pid, &host, &app) &&
         pid == QCoreApplication::applicationPid() && lock.removeStaleLockFile() && lock.tryLock(0);
}

}  // namespace

LeftSpool::LeftSpool(QString path, std::unique_ptr<QLockFile> lock) : path_(std::move(path)), lock_(std::move(lock)) {}

LeftSpool::~LeftSpool() = default;

std::vector<std::unique_ptr<LeftSpool>> LeftSpool::Claim(const QString& folder) {
  std::vector<std::unique_ptr<LeftSpool>> spools;
  const QDir dir(folder);
  for (const QString& name : dir.entryList({QStringLiteral("recording-*.spool")}, QDir::Files, QDir::Name)) {
    const QString path = dir.filePath(name);
    auto lock = std::make_unique<QLockFile>(SpoolLockPath(path));
    lock->setStaleLockTime(0);  // a lock is stale only when its program has ended
    // Held: its program still runs. A folder where no lock can be made
    // (read-only) still has its spools offered.
    if (!TakeLock(*lock)) {
      if (lock->error() == QLockFile::LockFailedError) continue;
      lock.reset();
    }
    spools.push_back(std::unique_ptr<LeftSpool>(new LeftSpool(path, std::move(lock))));
  }
  return spools;
}

bool LeftSpool::Check(QString* reason) {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) {
    *reason = file.errorString();
    return false;
  }
  const std::optional<WaveFormat> format = ParseSpoolHeader(file.read(RecordingSpool::kHeaderBytes), reason);
  if (!format) return false;
  // A crash may cut the last frame short: only whole frames count.
  const quint64 bytes = static_cast<quint64>(file.size() - RecordingSpool::kHeaderBytes);
  if (bytes > RecordingBuffer::kMaxBytes) {
    *reason = QCoreApplication::translate("LeftSpool", "暂存文件比录音的上限 %1 字节还大").arg(RecordingBuffer::kMaxBytes);
    return false;
  }
  format_ = *format;
  dataBytes_ = bytes - bytes % format_.blockAlign;
  return true;
}

bool LeftSpool::SaveAsWav(const QString& path, QString* error) const {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return false;
  }
  // Mapped, not read: a spool can be as large as a recording may be.
  const uchar* frames = nullptr;
  if (dataBytes_ > 0) {
    frames = file.map(RecordingSpool::kHeaderBytes, static_cast<qint64>(dataBytes_));
    if (!frames) {
      *error = file.errorString();
      return false;
    }
  }
  // The spool is the input: never written over, by any name.
  return WriteWavFile(path, format_, std::span<const uint8_t>(frames, dataBytes_), error, OutputOptions{{path_}});
}

bool LeftSpool::Remove(QString* error) {
  QFile file(path_);
  if (!file.remove()) {
    *error = file.errorString();
    return false;
  }
  return true;
}
