#include "files/BitmapFile.h"

#include "settings/OutputFile.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

void Put16(char* p, uint32_t v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(char* p, uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}

}  // namespace

int BitmapStride(int width) { return 4 * ((std::max(width, 0) * 24 + 31) / 32); }

QByteArray BitmapFileBytes(int width, int height, const uint32_t* pixels, long long rowStride) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  const int stride = BitmapStride(width);
  const uint32_t imageBytes = static_cast<uint32_t>(stride) * static_cast<uint32_t>(height);
  QByteArray file(kBitmapHeaderBytes + static_cast<qsizetype>(imageBytes), '\0');
  char* h = file.data();

  // BITMAPFILEHEADER: "BM", file size, two reserved words, offset of the pixels.
  h[0] = 'B';
  h[1] = 'M';
  Put32(h + 2, kBitmapHeaderBytes + imageBytes);
  Put32(h + 10, kBitmapHeaderBytes);
  // BITMAPINFOHEADER: its size, width, height (positive: bottom-up), one plane,
  // 24 bits; compression, image size, resolutions and colour counts stay 0.
  Put32(h + 14, 40);
  Put32(h + 18, static_cast<uint32_t>(width));
  Put32(h + 22, static_cast<uint32_t>(height));
  Put16(h + 26, 1);
  Put16(h + 28, 24);

  for (int row = 0; row < height; ++row) {
    const uint32_t* source = pixels + static_cast<long long>(height - 1 - row) * rowStride;
    auto* out = reinterpret_cast<uint8_t*>(h + kBitmapHeaderBytes + static_cast<qsizetype>(row) * stride);
    for (int x = 0; x < width; ++x) {
      const uint32_t rgb = source[x];
      *out++ = static_cast<uint8_t>(rgb);        // blue
      *out++ = static_cast<uint8_t>(rgb >> 8);   // green
      *out++ = static_cast<uint8_t>(rgb >> 16);  // red
    }
  }
  return file;
}

bool WriteBitmapFile(const QString& path, int width, int height, const uint32_t* pixels, long long rowStride,
                     QString* error, const OutputOptions& options) {
  QString reason;
  if (WriteOutputFile(path, BitmapFileBytes(width, height, pixels, rowStride), options, &reason)) return true;
  if (error)
    *error = QCoreApplication::translate("BitmapFile", "error 2! 无法写入文件 %1：%2")
                 .arg(QDir::toNativeSeparators(path), reason);
  return false;
}
