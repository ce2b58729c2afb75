#pragma once

// Reading the program's small files (setting.ini, wavedata.ini, plus.ini,
// pluslist.l): only a regular file is opened, links followed, so a named pipe
// cannot block the program and a device such as /dev/zero cannot fill its
// memory; and never more than a bound is read.

#include <QByteArray>
#include <QString>

enum class SmallFileStatus {
  Missing,  // nothing is at the path
  Fits,     // a regular file within the bound
  Refused,  // something else: a folder, pipe or device, or a file too long
};

// What is at `path`, without opening it. `reason` (when given) says why a
// refused path is refused: a folder, a device, a named pipe, a link that
// leads nowhere (something the user made, not a file never made), a file too
// long.
SmallFileStatus CheckSmallFile(const QString& path, qint64 limit, QString* reason);

enum class LongerFile { Refuse, ReadStart };

// Reads the regular file at `path` into `bytes` (cleared first). A file longer
// than `limit` bytes is refused, or with LongerFile::ReadStart only its first
// `limit` bytes are read. A file that cannot be read is refused with the
// system's reason. `size`, when given, receives the whole file's size.
SmallFileStatus ReadSmallFile(const QString& path, qint64 limit, QByteArray* bytes, QString* reason,
                              LongerFile longer = LongerFile::Refuse, qint64* size = nullptr);
