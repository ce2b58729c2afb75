#include "display/BitmapExport.h"

#include "files/BitmapFile.h"

#include <QImage>

bool WriteBitmapFile(const QImage& image, const QString& path, QString* error, const OutputOptions& options) {
  const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
  const auto* pixels = reinterpret_cast<const uint32_t*>(rgb.constBits());
  return WriteBitmapFile(path, rgb.width(), rgb.height(), pixels, rgb.bytesPerLine() / 4, error, options);
}
