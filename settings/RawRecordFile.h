#pragma once

#include <QString>

#include <cstddef>

// setting.ini and wavedata.ini are raw little-endian images of a record.
// These two functions move such an image between memory and a file.

enum class RawReadResult { Missing, Read };

// Zeroes `size` bytes at `record`, then reads up to `size` bytes of the file
// over them (a short file fills only the leading bytes). Anything but a
// regular file counts as missing.
RawReadResult ReadRawRecord(const QString& path, void* record, std::size_t size);

// Writes exactly `size` bytes through WriteOutputFile. On failure `error`
// gets a message for the user.
bool WriteRawRecord(const QString& path, const void* record, std::size_t size, QString* error);
