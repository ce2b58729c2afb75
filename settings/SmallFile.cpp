#include "settings/SmallFile.h"

#include "settings/InputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

SmallFileStatus Refuse(QString* reason, const QString& text) {
  if (reason) *reason = text;
  return SmallFileStatus::Refused;
}

QString TooLong(qint64 size, qint64 limit) {
  return QCoreApplication::translate("SmallFile", "文件过大（%1 字节，最多 %2 字节）").arg(size).arg(limit);
}

SmallFileStatus Check(const QString& path, qint64 limit, LongerFile longer, QString* reason) {
  const QFileInfo info(path);
  if (!info.exists()) {
    if (!info.isSymLink()) return SmallFileStatus::Missing;
    return Refuse(reason, QCoreApplication::translate("SmallFile", "是链接，指向的 %1 不存在")
                              .arg(QDir::toNativeSeparators(info.symLinkTarget())));
  }
  // Checked before opening: a named pipe would make the open wait, a device
  // would never end.
  if (const QString what = NonRegularFileReason(path); !what.isEmpty()) return Refuse(reason, what);
  if (longer == LongerFile::Refuse && info.size() > limit) return Refuse(reason, TooLong(info.size(), limit));
  return SmallFileStatus::Fits;
}

}  // namespace

SmallFileStatus CheckSmallFile(const QString& path, qint64 limit, QString* reason) {
  return Check(path, limit, LongerFile::Refuse, reason);
}

SmallFileStatus ReadSmallFile(const QString& path, qint64 limit, QByteArray* bytes, QString* reason,
                              LongerFile longer, qint64* size) {
  bytes->clear();
  const SmallFileStatus status = Check(path, limit, longer, reason);
  if (status != SmallFileStatus::Fits) return status;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Refuse(reason, file.errorString());
  if (size) *size = file.size();
  // One byte more than the bound tells a file that grew since it was looked at.
  *bytes = file.read(limit + 1);
  if (file.error() != QFileDevice::NoError) {
    const QString error = file.errorString();
    bytes->clear();
    return Refuse(reason, error);
  }
  if (bytes->size() > limit) {
    if (longer == LongerFile::ReadStart) {
      bytes->truncate(limit);
    } else {
      const qint64 size = file.size();
      bytes->clear();
      return Refuse(reason, TooLong(size, limit));
    }
  }
  return SmallFileStatus::Fits;
}
