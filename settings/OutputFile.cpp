#include "settings/OutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

using Pieces = std::span<const std::span<const uint8_t>>;

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes every piece; false with the reason at the first failure. The file
// is unbuffered, so each piece reaches the system here and its failure is
// seen here. Qt reports a failure that follows a partly successful write
// only as a short count, without an error: errno still tells why.
bool WritePieces(QFileDevice& file, Pieces pieces, QString* reason) {
  for (const auto& piece : pieces) {
    if (piece.empty()) continue;
    errno = 0;
    const qint64 written = file.write(reinterpret_cast<const char*>(piece.data()), qint64(piece.size()));
    if (written == qint64(piece.size())) continue;
    const int error = errno;
    *reason = file.error() != QFileDevice::NoError ? file.errorString() : SystemReason(error ? error : EIO);
    return false;
  }
  return true;
}

// While it lives, a reader that leaves a pipe makes writes fail with EPIPE
// instead of ending the program with SIGPIPE. The program has one thread.
class IgnoreBrokenPipe {
 public:
#ifdef SIGPIPE
  IgnoreBrokenPipe() : previous_(std::signal(SIGPIPE, SIG_IGN)) {}
  ~IgnoreBrokenPipe() { std::signal(SIGPIPE, previous_); }

 private:
  void (*previous_)(int);
#endif
};

// A device node or a named pipe: opened as it is and written through.
bool WriteInPlace(const QString& path, Pieces pieces, QString* reason) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered | QIODevice::ExistingOnly)) {
    *reason = file.errorString();
    return false;
  }
  const IgnoreBrokenPipe ignore;
  if (!WritePieces(file, pieces, reason)) return false;
  file.close();
  if (file.error() != QFileDevice::NoError) {
    *reason = file.errorString();
    return false;
  }
  return true;
}

// Before the new file takes the old one's place: everything on disk (so a
// late failure, say of a network disk or a quota, is still seen) and, when a
// temporary file replaces an existing one, the old file's mode and owner.
// Qt copies only the read/write/execute bits it models, and as root it
// turns a read-only file writable; the owner is kept where we may set it.
bool PrepareCommit(QSaveFile& file, const QString& target, bool existed, QString* reason) {
#ifdef Q_OS_UNIX
  const int fd = file.handle();
  if (::fsync(fd) != 0) {
    *reason = SystemReason(errno);
    return false;
  }
  struct stat old {}, written {};
  if (!existed || ::stat(QFile::encodeName(target).constData(), &old) != 0 || ::fstat(fd, &written) != 0 ||
      (old.st_dev == written.st_dev && old.st_ino == written.st_ino))  // written in place
    return true;
  if (old.st_uid != written.st_uid || old.st_gid != written.st_gid) {
    [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
  }
  if (::fchmod(fd, old.st_mode & 07777) != 0) {
    *reason = SystemReason(errno);
    return false;
  }
#else
  Q_UNUSED(file);
  Q_UNUSED(target);
  Q_UNUSED(existed);
  Q_UNUSED(reason);
#endif
  return true;
}

// A regular file, or a new one: written to a temporary file beside it that
// replaces it only once complete.
bool WriteReplacing(const QString& path, bool existed, Pieces pieces, QString* reason) {
  QSaveFile file(path);
  // The replacement needs a new file in the folder. When the folder does not
  // allow one but the file itself is writable, Qt may write the file in
  // place instead; we allow that for this case only.
  const QFileInfo target(existed ? QFileInfo(path).canonicalFilePath() : path);
  if (existed && target.isWritable() && !QFileInfo(target.absolutePath()).isWritable())
    file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    *reason = file.errorString();
    return false;
  }
  if (!WritePieces(file, pieces, reason) || !PrepareCommit(file, target.filePath(), existed, reason)) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    *reason = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

bool WriteOutputFile(const QString& path, Pieces pieces, const QStringList& inputs, QString* reason) {
  QString why;
  const fs::path output = QFileInfo(path).filesystemFilePath();
  std::error_code error;
  for (const QString& input : inputs) {
    if (fs::equivalent(output, QFileInfo(input).filesystemFilePath(), error)) {
      if (reason)
        *reason = QCoreApplication::translate("OutputFile", "输出文件就是输入文件 %1，不能覆盖")
                      .arg(QDir::toNativeSeparators(input));
      return false;
    }
  }

  // What is there now, links followed.
  const fs::file_status status = fs::status(output, error);
  bool ok = false;
  if (fs::is_directory(status))
    why = SystemReason(EISDIR);
  else if (fs::exists(status) && !fs::is_regular_file(status))
    ok = WriteInPlace(path, pieces, &why);
  else
    ok = WriteReplacing(path, fs::exists(status), pieces, &why);
  if (!ok && reason) *reason = why;
  return ok;
}

bool WriteOutputFile(const QString& path, const QByteArray& bytes, const QStringList& inputs, QString* reason) {
  const std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                       static_cast<std::size_t>(bytes.size()));
  return WriteOutputFile(path, Pieces(&piece, 1), inputs, reason);
}
