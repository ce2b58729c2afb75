#pragma once

#include "cli/CliArguments.h"

#include <QString>

// `response`: the transfer function of a device from a stereo WAV file (CH1
// the reference, CH2 the response) or from two mono files (aligned by the
// delay measured between them). Prints the delay, the averages and the
// curve (plain or --json) and writes --csv and --png; on failure returns
// false with `error` set to one line for the user.
bool RunResponse(const CliArguments& arguments, QString* error);
