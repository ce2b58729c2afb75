#pragma once

#include "cli/CliArguments.h"

#include <QString>

// `csv`: the 2048 elements of a WAV file from --at on, read as the 16-bit
// sample (an 8-bit file is widened the way opening it does), exported as the
// program's CSV file. On failure returns false with `error` set to one line.
bool ExportCsvFrame(const CliArguments& arguments, QString* error);
