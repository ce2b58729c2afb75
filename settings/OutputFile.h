#pragma once

// Every file the program and ondrix-cli write goes through here, so that no
// output ever destroys data:
//  - an output that is one of the write's inputs (by any name: links are
//    followed, hard links recognised) is refused before anything is touched;
//  - a regular file is replaced only when the whole new file was written and
//    committed; until then the old one stays as it was. The new file keeps the
//    old one's permission bits (and owner, where we may set it);
//  - a writable file in a folder where no new file can be made is rewritten
//    in place, the one case where a failure cannot keep the old contents;
//  - a device node or a named pipe is opened and written as it is, never
//    replaced by a regular file;
//  - every write and the commit are checked; a failure reports the system's
//    reason ("No space left on device").

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

// Writes the pieces, in order, as the file at `path`. `inputs` are the files
// this output was made from. On failure returns false with `reason` set to
// one line naming the cause.
bool WriteOutputFile(const QString& path, std::span<const std::span<const uint8_t>> pieces,
                     const QStringList& inputs, QString* reason);

bool WriteOutputFile(const QString& path, const QByteArray& bytes, const QStringList& inputs, QString* reason);
