#pragma once

#include "cli/CliArguments.h"

#include <QString>

// `render`: composes the picture the program shows for one frame of a WAV
// file and writes it as a bitmap (or as PNG when the output ends in .png).
// Needs a QGuiApplication. On failure returns false with `error` set to one
// line for the user.
bool RenderPicture(const CliArguments& arguments, QString* error);
