#include "display/PictureFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>

namespace {

// A picture of text and thin lines: JPEG's default quality blurs them.
constexpr int kJpegQuality = 90;

}  // namespace

bool WritePictureFile(const QImage& image, const char* format, const QString& path, const OutputOptions& options,
                      QString* reason) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (qstrcmp(format, "JPEG") == 0) writer.setQuality(kJpegQuality);
  if (image.isNull() || !writer.write(image)) {
    *reason = QCoreApplication::translate("PictureFile", "无法生成 %1 图像").arg(QLatin1String(format));
    return false;
  }
  return WriteOutputFile(path, bytes, options, reason);
}
