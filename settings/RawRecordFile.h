#pragma once

#include "settings/RecordRepairs.h"

#include <QString>

#include <cstddef>
#include <span>

// setting.ini and wavedata.ini are raw little-endian images of a record.
// These two functions move such an image between memory and a file.

enum class RawReadResult { Missing, Read };

// Zeroes `size` bytes at `record`, then reads up to `size` bytes of the file
// over them (a short file fills only the leading bytes). Anything but a
// regular file counts as missing. `bytesRead`, when given, gets the number
// of bytes the file supplied.
RawReadResult ReadRawRecord(const QString& path, void* record, std::size_t size,
                            std::size_t* bytesRead = nullptr);

// Reads the image of a record of `size` bytes over `record`, which holds its
// defaults: the fields the file holds whole (`fieldStarts` as for
// WholeFieldBytes) are its own, those a short file cuts off or lacks keep
// their defaults; of a longer file the first `size` bytes are read. `mended`
// notes a file that cannot be read (a folder, a named pipe, a device, a link
// to nothing: the reason), or one shorter or longer than the record. False
// when nothing was read: the file is missing or cannot be read.
bool ReadRecordOverDefaults(const QString& path, void* record, std::size_t size,
                            std::span<const std::size_t> fieldStarts, RecordRepairs& mended);

// How many of the first `bytes` of a record hold whole fields: the largest
// of `fieldStarts` (the offsets where the fields begin, ascending, followed
// by the record's size) that is not above `bytes`.
std::size_t WholeFieldBytes(std::size_t bytes, std::span<const std::size_t> fieldStarts);

// Writes exactly `size` bytes through WriteOutputFile. On failure `error`
// gets a message for the user.
bool WriteRawRecord(const QString& path, const void* record, std::size_t size, QString* error);
