#include "settings/RawRecordFile.h"

#include "settings/OutputFile.h"
#include "settings/SmallFile.h"

#include <QCoreApplication>

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "the parameter files are little-endian memory images");

RawReadResult ReadRawRecord(const QString& path, void* record, std::size_t size, std::size_t* bytesRead) {
  std::memset(record, 0, size);
  if (bytesRead) *bytesRead = 0;
  QByteArray bytes;
  if (ReadSmallFile(path, static_cast<qint64>(size), &bytes, nullptr, LongerFile::ReadStart) != SmallFileStatus::Fits)
    return RawReadResult::Missing;
  std::memcpy(record, bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (bytesRead) *bytesRead = static_cast<std::size_t>(bytes.size());
  return RawReadResult::Read;
}

bool ReadRecordOverDefaults(const QString& path, void* record, std::size_t size,
                            std::span<const std::size_t> fieldStarts, RecordRepairs& mended) {
  QByteArray bytes;
  QString reason;
  qint64 fileSize = 0;
  mended.recordBytes = static_cast<qsizetype>(size);
  const SmallFileStatus status =
      ReadSmallFile(path, static_cast<qint64>(size), &bytes, &reason, LongerFile::ReadStart, &fileSize);
  if (status == SmallFileStatus::Refused) mended.unreadable = reason;
  if (status != SmallFileStatus::Fits) return false;
  std::memcpy(record, bytes.constData(), WholeFieldBytes(static_cast<std::size_t>(bytes.size()), fieldStarts));
  if (fileSize < qint64(size)) mended.shortFileBytes = fileSize;
  if (fileSize > qint64(size)) mended.longFileBytes = fileSize;
  return true;
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
