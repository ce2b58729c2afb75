#pragma once

#include "cli/CliArguments.h"

#include <QString>

// `report`: the printed test report of one frame of a WAV file, as a one-page
// A4 landscape PDF at 300 dpi. Needs a QGuiApplication. On failure returns
// false with `error` set to one line; an existing file is then left as it was.
bool WriteReportPdf(const CliArguments& arguments, QString* error);
