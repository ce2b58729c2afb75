#pragma once

// The 24-bit Windows bitmap file the picture is saved as: a 14-byte file
// header, a 40-byte information header, no colour table, then the rows from
// the bottom of the picture up, each pixel blue, green, red, each row padded
// with zeros to a multiple of 4 bytes.

#include "settings/OutputFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

constexpr int kBitmapHeaderBytes = 54;

// Bytes of one stored row: 3 * width rounded up to a multiple of 4.
int BitmapStride(int width);

// The whole file for a picture of width x height pixels. `pixels` holds the
// rows top-down, `rowStride` values apart; each pixel is 0x00RRGGBB (the top
// byte is ignored). Negative sizes count as 0.
QByteArray BitmapFileBytes(int width, int height, const uint32_t* pixels, long long rowStride);

// Writes those bytes to `path` through WriteOutputFile with `options`. When
// the file cannot be created or written, returns false with `error` set to
// the message for the user: "error 2!", the file and the reason.
bool WriteBitmapFile(const QString& path, int width, int height, const uint32_t* pixels, long long rowStride,
                     QString* error, const OutputOptions& options = {});
