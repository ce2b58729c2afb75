#include "settings/SmallFile.h"

#include <QCoreApplication>
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
  // A link that leads nowhere is as good as no file.
  if (!info.exists()) return SmallFileStatus::Missing;
  if (!info.isFile()) return Refuse(reason, QCoreApplication::translate("SmallFile", "不是普通文件"));
  if (longer == LongerFile::Refuse && info.size() > limit) return Refuse(reason, TooLong(info.size(), limit));
  return SmallFileStatus::Fits;
}

}  // namespace

SmallFileStatus CheckSmallFile(const QString& path, qint64 limit, QString* reason) {
  return Check(path, limit, LongerFile::Refuse, reason);
}

SmallFileStatus ReadSmallFile(const QString& path, qint64 limit, QByteArray* bytes, QString* reason,
                              LongerFile longer) {
  bytes->clear();
  const SmallFileStatus status = Check(path, limit, longer, reason);
  if (status != SmallFileStatus::Fits) return status;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Refuse(reason, file.errorString());
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
