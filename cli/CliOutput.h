#pragma once

#include "settings/OutputFile.h"

#include <QString>
#include <QStringList>

#include <utility>

// How ondrix-cli writes its outputs: never over one of the files it read,
// `inputs`; "-" is standard output; and a named pipe that no program reads
// yet is waited on until one does, as shell tools do.
inline OutputOptions CliOutput(QStringList inputs) {
  return {std::move(inputs), /*waitForReader=*/true, /*dashIsStandardOutput=*/true};
}

// A picture, a PDF or a WAV file is not written to a terminal: why, when
// `path` is "-" and standard output is one; else empty.
QString TerminalRefusal(const QString& path);
