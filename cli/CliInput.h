#pragma once

#include "files/WavFile.h"

#include <QString>

// The most ondrix-cli reads from a stream into memory.
inline constexpr qint64 kMaxStreamInputBytes = qint64(1) << 31;

// Checks the WAV file a command names. "-" is standard input and a named
// pipe (/dev/stdin among them) is read whole into memory, up to
// kMaxStreamInputBytes, then measured as a file; a regular file is checked
// where it is, and only the frames a command needs are read later. A device
// or a folder is refused. `analysis`: the formats ProbeAnalysisWav takes.
WavProbe ProbeCliWav(const QString& path, bool analysis);
