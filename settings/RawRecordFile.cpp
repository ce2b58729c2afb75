#include "settings/RawRecordFile.h"

#include <QFile>
#include <QSaveFile>

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "the parameter files are little-endian memory images");

RawReadResult ReadRawRecord(const QString& path, void* record, std::size_t size) {
  std::memset(record, 0, size);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return RawReadResult::Missing;
  const qint64 got = file.read(static_cast<char*>(record), static_cast<qint64>(size));
  if (got < 0) {
    std::memset(record, 0, size);
    return RawReadResult::Missing;
  }
  return RawReadResult::Read;
}

bool WriteRawRecord(const QString& path, const void* record, std::size_t size, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString());
    return false;
  }
  const qint64 written = file.write(static_cast<const char*>(record), static_cast<qint64>(size));
  if (written != static_cast<qint64>(size) || !file.commit()) {
    if (error) *error = QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString());
    file.cancelWriting();
    return false;
  }
  return true;
}
