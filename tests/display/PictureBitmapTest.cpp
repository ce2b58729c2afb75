// A composed picture saved as a bitmap file and read back.
#include "support/TestApplication.h"
#include "app/Globals.h"
#include "display/BitmapExport.h"
#include "display/ComposeDisplay.h"
#include "display/Rulers.h"
#include "files/BitmapFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PictureBitmap : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(PictureBitmap, ComposedPictureSurvivesTheRoundTrip) {
  // 801 pixels wide: rows of 2403 bytes padded to 2404.
  const ViewGeometry g = GeometryForClient(801, 500);
  PlaceRulers(g);
  TraceBuffer ch1, ch2;
  for (int i = 0; i < kTraceLength; ++i) ch1[i] = ch2[i] = (i % 40 < 20) ? 12000 : -12000;
  QImage image;
  ComposeDisplay(image, ch1, ch2, g, ComposeOptions{false, false}, ScreenStyle());
  // Mark the corners so that flipped rows or columns show.
  image.setPixel(0, 0, qRgb(10, 20, 30));
  image.setPixel(800, 499, qRgb(200, 100, 50));

  const QString path = dir.filePath("picture.bmp");
  QString error;
  ASSERT_TRUE(WriteBitmapFile(image, path, &error)) << error.toStdString();
  EXPECT_EQ(QFileInfo(path).size(), 54 + 2404 * 500);

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  // The first stored row is the picture's bottom row: (800, 499) is its last pixel, blue first.
  const int last = 54 + 3 * 800;
  EXPECT_EQ(static_cast<uint8_t>(bytes[last]), 50);
  EXPECT_EQ(static_cast<uint8_t>(bytes[last + 1]), 100);
  EXPECT_EQ(static_cast<uint8_t>(bytes[last + 2]), 200);
  // (0, 0) starts the last stored row.
  const int top = 54 + 2404 * 499;
  EXPECT_EQ(static_cast<uint8_t>(bytes[top]), 30);
  EXPECT_EQ(static_cast<uint8_t>(bytes[top + 2]), 10);

  // Another reader sees the same picture, pixel for pixel.
  const QImage back(path);
  ASSERT_EQ(back.size(), image.size());
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
}

TEST_F(PictureBitmap, OtherImageFormatsAreConverted) {
  QImage argb(3, 2, QImage::Format_ARGB32);
  argb.fill(qRgba(1, 2, 3, 255));
  const QString path = dir.filePath("argb.bmp");
  QString error;
  ASSERT_TRUE(WriteBitmapFile(argb, path, &error));
  EXPECT_EQ(QImage(path).pixel(2, 1), qRgb(1, 2, 3));
}

TEST_F(PictureBitmap, UnwritablePathGivesError2) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::black);
  const QString path = dir.filePath("missing/picture.bmp");
  QString error;
  EXPECT_FALSE(WriteBitmapFile(image, path, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("error 2! "))) << error.toStdString();
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}
