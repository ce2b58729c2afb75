#pragma once

// Pictures saved through Qt's image writers (PNG, JPEG): encoded in memory,
// then written by the program's safe writer, so that a failed write leaves
// an existing file as it was. The program's own bitmap layout is written by
// display/BitmapExport.h.

#include "settings/OutputFile.h"

#include <QString>

class QImage;

// Encodes `image` as `format` ("PNG", "JPEG") and writes it to `path`
// through WriteOutputFile with `options`. On failure returns false with
// `reason` set to one line: the picture could not be encoded, or the write's
// reason.
bool WritePictureFile(const QImage& image, const char* format, const QString& path, const OutputOptions& options,
                      QString* reason);
