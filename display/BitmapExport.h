#pragma once

// Saving a composed picture as a 24-bit bitmap file.

#include <QString>
#include <QStringList>

class QImage;

// Writes `image` (any format; RGB32 is written as it is) with the bitmap
// layout of files/BitmapFile.h (`inputs`: the files the picture was made
// from). On failure returns false with `error` set to "error 2!" and the
// reason; an existing file is then left as it was.
bool WriteBitmapFile(const QImage& image, const QString& path, QString* error, const QStringList& inputs = {});
