#pragma once

#include "settings/OutputFile.h"

#include <QStringList>

#include <utility>

// How ondrix-cli writes its outputs: never over one of the files it read,
// `inputs`; and a named pipe that no program reads yet is waited on until
// one does, as shell tools do.
inline OutputOptions CliOutput(QStringList inputs) { return {std::move(inputs), /*waitForReader=*/true}; }
