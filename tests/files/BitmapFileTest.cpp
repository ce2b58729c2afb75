// The bytes of the 24-bit bitmap file, field by field, and how writing it
// fails.
#include "files/BitmapFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

uint32_t Le(const QByteArray& b, int at, int size) {
  uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
  return v;
}

// Blue, green, red of the stored pixel (x, storedRow), rows counted from the file's first.
uint32_t StoredRgb(const QByteArray& file, int width, int x, int storedRow) {
  const int at = kBitmapHeaderBytes + storedRow * BitmapStride(width) + 3 * x;
  return (Le(file, at + 2, 1) << 16) | (Le(file, at + 1, 1) << 8) | Le(file, at, 1);
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(BitmapFile, HeaderFieldsOfA3By2Picture) {
  const std::vector<uint32_t> pixels(6, 0);
  const QByteArray b = BitmapFileBytes(3, 2, pixels.data(), 3);
  ASSERT_EQ(b.size(), 54 + 12 * 2);
  EXPECT_EQ(b.left(2), QByteArray("BM"));
  EXPECT_EQ(Le(b, 2, 4), 78u);   // file size
  EXPECT_EQ(Le(b, 6, 2), 0u);    // reserved
  EXPECT_EQ(Le(b, 8, 2), 0u);    // reserved
  EXPECT_EQ(Le(b, 10, 4), 54u);  // offset of the pixels
  EXPECT_EQ(Le(b, 14, 4), 40u);  // information header size
  EXPECT_EQ(Le(b, 18, 4), 3u);   // width
  EXPECT_EQ(Le(b, 22, 4), 2u);   // height, positive: bottom-up
  EXPECT_EQ(Le(b, 26, 2), 1u);   // planes
  EXPECT_EQ(Le(b, 28, 2), 24u);  // bits per pixel
  for (int at = 30; at < 54; at += 4) EXPECT_EQ(Le(b, at, 4), 0u) << "offset " << at;
}

TEST(BitmapFile, RowsArePaddedToMultiplesOfFourBytes) {
  EXPECT_EQ(BitmapStride(0), 0);
  EXPECT_EQ(BitmapStride(1), 4);
  EXPECT_EQ(BitmapStride(4), 12);
  EXPECT_EQ(BitmapStride(5), 16);
  EXPECT_EQ(BitmapStride(801), 2404);  // 2403 bytes of pixels and one of padding

  // An 801-pixel-wide white picture: size 54 + 2404 * H and a zero pad byte after each row.
  const int h = 3;
  const std::vector<uint32_t> pixels(801 * h, 0xFFFFFF);
  const QByteArray b = BitmapFileBytes(801, h, pixels.data(), 801);
  ASSERT_EQ(b.size(), 54 + 2404 * h);
  EXPECT_EQ(Le(b, 2, 4), static_cast<uint32_t>(54 + 2404 * h));
  EXPECT_EQ(Le(b, 34, 4), 0u);  // the image size field stays 0
  for (int row = 0; row < h; ++row) {
    const int rowStart = 54 + row * 2404;
    EXPECT_EQ(Le(b, rowStart + 2400, 3), 0xFFFFFFu) << "last pixel of row " << row;
    EXPECT_EQ(b[rowStart + 2403], '\0') << "pad byte of row " << row;
  }
}

TEST(BitmapFile, PixelsAreStoredBottomUpAsBlueGreenRed) {
  // 2 x 3 picture, top row first; the top byte of each value must not matter.
  const std::vector<uint32_t> pixels = {0xFF102030, 0x00405060,  // top
                                        0x00708090, 0x00A0B0C0,  // middle
                                        0xAAD0E0F0, 0x00010203};  // bottom
  const QByteArray b = BitmapFileBytes(2, 3, pixels.data(), 2);
  ASSERT_EQ(b.size(), 54 + 8 * 3);
  // The first stored row is the bottom of the picture.
  EXPECT_EQ(StoredRgb(b, 2, 0, 0), 0xD0E0F0u);
  EXPECT_EQ(StoredRgb(b, 2, 1, 0), 0x010203u);
  EXPECT_EQ(StoredRgb(b, 2, 0, 2), 0x102030u);
  EXPECT_EQ(StoredRgb(b, 2, 1, 2), 0x405060u);
  // Byte order within the pixel: blue first.
  EXPECT_EQ(static_cast<uint8_t>(b[54]), 0xF0);
  EXPECT_EQ(static_cast<uint8_t>(b[55]), 0xE0);
  EXPECT_EQ(static_cast<uint8_t>(b[56]), 0xD0);
  EXPECT_EQ(Le(b, 54 + 6, 2), 0u);  // padding of the first stored row
}

TEST(BitmapFile, SourceRowsMayBeFurtherApartThanTheWidth) {
  // One pixel wide, rows 4 values apart: only the first value of each row is read.
  const std::vector<uint32_t> pixels = {0x111111, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0x222222, 0xEEEEEE};
  const QByteArray b = BitmapFileBytes(1, 2, pixels.data(), 4);
  EXPECT_EQ(StoredRgb(b, 1, 0, 0), 0x222222u);
  EXPECT_EQ(StoredRgb(b, 1, 0, 1), 0x111111u);
}

TEST(BitmapFile, WritesExactlyTheBytesAndReplacesAnOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("picture.bmp");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
  }
  const std::vector<uint32_t> pixels = {0x00FF0000, 0x0000FF00, 0x000000FF};
  QString error;
  ASSERT_TRUE(WriteBitmapFile(path, 3, 1, pixels.data(), 3, &error)) << error.toStdString();
  EXPECT_TRUE(error.isEmpty());
  EXPECT_EQ(ReadAll(path), BitmapFileBytes(3, 1, pixels.data(), 3));
}

TEST(BitmapFile, UncreatableFileReportsError2AndLeavesNothing) {
  QTemporaryDir dir;
  const std::vector<uint32_t> pixels(4, 0x123456);
  const QString inMissingFolder = dir.filePath("no/such/folder/picture.bmp");
  QString error;
  EXPECT_FALSE(WriteBitmapFile(inMissingFolder, 2, 2, pixels.data(), 2, &error));
  EXPECT_EQ(error, QStringLiteral("error 2! 无法写入文件 %1：%2").arg(inMissingFolder, QString::fromLocal8Bit(std::strerror(ENOENT))));
  EXPECT_FALSE(QFile::exists(inMissingFolder));

  // A folder in the file's place: refused, and the folder is untouched.
  error.clear();
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.bmp"));
  EXPECT_FALSE(WriteBitmapFile(dir.filePath("taken.bmp"), 2, 2, pixels.data(), 2, &error));
  EXPECT_EQ(error, QStringLiteral("error 2! 无法写入文件 %1：%2")
                       .arg(dir.filePath("taken.bmp"), QString::fromLocal8Bit(std::strerror(EISDIR))));
  EXPECT_TRUE(QFileInfo(dir.filePath("taken.bmp")).isDir());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"taken.bmp"});
}
