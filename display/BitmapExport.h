#pragma once

// Saving a composed picture as a 24-bit bitmap file.

#include "settings/OutputFile.h"

#include <QString>

class QImage;

// Writes `image` (any format; RGB32 is written as it is) with the bitmap
// layout of files/BitmapFile.h through WriteOutputFile with `options`. On
// failure returns false with `error` set to "error 2!", the file and the
// reason; an existing file is then left as it was.
bool WriteBitmapFile(const QImage& image, const QString& path, QString* error, const OutputOptions& options = {});
