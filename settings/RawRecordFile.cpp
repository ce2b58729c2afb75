#include "settings/RawRecordFile.h"

#include "settings/OutputFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "the parameter files are little-endian memory images");

RawReadResult ReadRawRecord(const QString& path, void* record, std::size_t size, std::size_t* bytesRead) {
  std::memset(record, 0, size);
  if (bytesRead) *bytesRead = 0;
  // Only a regular file: a named pipe would block the open.
  if (!QFileInfo(path).isFile()) return RawReadResult::Missing;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return RawReadResult::Missing;
  const qint64 got = file.read(static_cast<char*>(record), static_cast<qint64>(size));
  if (got < 0) {
    std::memset(record, 0, size);
    return RawReadResult::Missing;
  }
  if (bytesRead) *bytesRead = static_cast<std::size_t>(got);
  return RawReadResult::Read;
}

std::size_t WholeFieldBytes(std::size_t bytes, std::span<const std::size_t> fieldStarts) {
  std::size_t whole = 0;
  for (const std::size_t start : fieldStarts)
    if (start <= bytes) whole = start;
  return whole;
}

bool WriteRawRecord(const QString& path, const void* record, std::size_t size, QString* error) {
  const QByteArray image(static_cast<const char*>(record), static_cast<qsizetype>(size));
  QString reason;
  if (WriteOutputFile(path, image, {}, &reason)) return true;
  if (error) *error = QCoreApplication::translate("RawRecordFile", "无法写入文件 %1：%2").arg(path, reason);
  return false;
}
