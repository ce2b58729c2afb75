#pragma once

#include "settings/WritePieces.h"

#include <QString>

// Writes the pieces as the regular file `path` (links followed, even to a
// file that does not exist yet) by way of a new file beside it, which takes
// its place only once complete and on disk. The old file, if any, stays as it
// was until then, whatever fails: so a folder in which no new file can be made
// means the file cannot be replaced, and that is refused. A replaced file
// keeps its permission bits (and owner, where we may set it); a file the user
// may not write is not replaced. False with `reason` set on failure; no
// temporary file is left behind.
bool ReplaceFile(const QString& path, OutputPieces pieces, QString* reason);
