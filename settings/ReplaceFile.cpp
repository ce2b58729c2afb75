#include "settings/ReplaceFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int kMaxLinks = 40;  // as the system follows them
constexpr int kNameAttempts = 16;

// The file a write to `path` lands in: its links followed to their end, which
// need not exist yet.
std::optional<QString> FinalTarget(const QString& path, QString* reason) {
  QFileInfo info(path);
  for (int links = 0; info.isSymLink(); ++links) {
    if (links == kMaxLinks) {
      *reason = SystemReason(ELOOP);
      return std::nullopt;
    }
    info.setFile(info.symLinkTarget());
  }
  return info.absoluteFilePath();
}

// A new, empty file in `folder` under a short name of its own: the target's
// name may be as long as the system allows, so nothing can be added to it.
bool CreateTemporary(const QString& folder, QFile& file, QString* reason) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const quint32 tag = QRandomGenerator::global()->generate();
    file.setFileName(QDir(folder).filePath(QStringLiteral(".ondrix-%1.tmp").arg(tag, 8, 16, QLatin1Char('0'))));
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) return true;
    if (!file.exists()) break;  // not a clash of names: the folder refuses
  }
  *reason = file.errorString();
  return false;
}

// Everything on disk (so that a late failure, say of a network disk or a
// quota, is still seen) and, when an existing file is replaced, its mode
// and owner: a new file is made with the user's default mode.
bool PrepareCommit(QFile& file, const QString& target, bool existed, QString* reason) {
#ifdef Q_OS_UNIX
  const int fd = file.handle();
  if (::fsync(fd) != 0) {
    *reason = SystemReason(errno);
    return false;
  }
  struct stat old {};
  if (!existed || ::stat(QFile::encodeName(target).constData(), &old) != 0) return true;
  [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
  if (::fchmod(fd, old.st_mode & 07777) != 0) {
    *reason = SystemReason(errno);
    return false;
  }
#else
  Q_UNUSED(target);
  Q_UNUSED(existed);
  if (!file.flush()) {
    *reason = file.errorString();
    return false;
  }
#endif
  return true;
}

bool Commit(QFile& file, const QString& target, bool existed, QString* reason) {
  if (!PrepareCommit(file, target, existed, reason)) return false;
  file.close();
  if (file.error() != QFileDevice::NoError) {
    *reason = file.errorString();
    return false;
  }
  std::error_code error;
  std::filesystem::rename(QFileInfo(file.fileName()).filesystemFilePath(), QFileInfo(target).filesystemFilePath(),
                          error);
  if (error) *reason = QString::fromLocal8Bit(error.message());
  return !error;
}

}  // namespace

bool ReplaceFile(const QString& path, OutputPieces pieces, QString* reason) {
  const std::optional<QString> target = FinalTarget(path, reason);
  if (!target) return false;
  const QFileInfo info(*target);
  const bool existed = info.exists();
  if (existed && !info.isWritable()) {
    *reason = SystemReason(EACCES);
    return false;
  }
  QFile temporary;
  if (!CreateTemporary(info.absolutePath(), temporary, reason)) {
    if (existed)
      *reason = QCoreApplication::translate("OutputFile", "%1（替换文件要先在文件夹 %2 中新建文件；原文件保持不变）")
                    .arg(*reason, QDir::toNativeSeparators(info.absolutePath()));
    return false;
  }
  if (WritePieces(temporary, pieces, reason) && Commit(temporary, *target, existed, reason)) return true;
  temporary.remove();
  return false;
}
