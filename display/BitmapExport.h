#pragma once

// Saving a composed picture as a 24-bit bitmap file.

#include <QString>

class QImage;

// Writes `image` (any format; RGB32 is written as it is) with the bitmap
// layout of files/BitmapFile.h. On failure returns false with `error` set to
// "error 2!"; an existing file is then left as it was.
bool WriteBitmapFile(const QImage& image, const QString& path, QString* error);
