#pragma once

// Every file the program and ondrix-cli write goes through here, so that no
// output ever destroys data:
//  - an output that is one of the write's inputs (by any name: links are
//    followed, hard links recognised) is refused before anything is touched;
//  - a regular file is replaced only when the whole new file was written
//    beside it and is on disk; until then the old one stays as it was,
//    whatever fails. The new file keeps the old one's permission bits (and
//    owner, where we may set it). In a folder where no new file can be made
//    a file cannot be replaced so, and the write is refused;
//  - a device node or a named pipe is opened and written as it is, never
//    replaced by a regular file. The open never waits: a named pipe that no
//    program reads is refused at once, unless the caller asks to wait for a
//    reader (a command-line tool may; a window must not freeze);
//  - every write and the commit are checked; a failure reports the system's
//    reason ("No space left on device").

#include "settings/WritePieces.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct OutputOptions {
  // The files the output is made from: it may be none of them.
  QStringList inputs;
  // A named pipe that no program reads yet: wait until one does, as shell
  // tools do, instead of refusing.
  bool waitForReader = false;
  // The path "-" is standard output (a command-line tool's convention); it
  // is written as it is, every write checked.
  bool dashIsStandardOutput = false;
};

// Writes the pieces, in order, as the file at `path`. On failure returns
// false with `reason` set to one line naming the cause.
bool WriteOutputFile(const QString& path, OutputPieces pieces, const OutputOptions& options, QString* reason);

bool WriteOutputFile(const QString& path, const QByteArray& bytes, const OutputOptions& options, QString* reason);
