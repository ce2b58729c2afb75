// The screenshot driver's picture arithmetic, and its writing of pictures:
// a picture that was not taken never replaces one that was.

#include "tools/screenshots/ShotCamera.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QImage Filled(int w, int h, QRgb color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

}  // namespace

TEST(ShotCamera, GrowWithinStaysOnTheScreen) {
  const QRect screen(0, 0, 1280, 800);
  const struct {
    QRect area;
    int margin;
    QRect expected;
  } cases[] = {
      {{100, 100, 50, 20}, 8, {92, 92, 66, 36}},      // room on every side
      {{0, 0, 50, 20}, 8, {0, 0, 58, 28}},            // in the top left corner
      {{1250, 790, 30, 10}, 8, {1242, 782, 38, 18}},  // in the bottom right corner
      {{-20, 100, 30, 20}, 0, {0, 100, 10, 20}},      // partly off the screen
  };
  for (const auto& c : cases) EXPECT_EQ(GrowWithin(c.area, c.margin, screen), c.expected) << c.area.x();
  EXPECT_TRUE(GrowWithin({2000, 100, 30, 20}, 8, screen).isEmpty());  // wholly off it
}

TEST(ShotCamera, TileLaysImagesOutInRowsOfEqualCells) {
  const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0), white = qRgb(255, 255, 255);
  // Cells of 30 x 25 (the widest and the tallest image), 4 px apart and around.
  const QImage out = Tile({Filled(30, 10, red), Filled(20, 25, blue), Filled(10, 10, green)}, 2, 4, Qt::white);
  ASSERT_EQ(out.size(), QSize(4 + 2 * (30 + 4), 4 + 2 * (25 + 4)));
  const struct {
    int x, y;
    QRgb color;
  } pixels[] = {
      {4, 4, red},   {33, 13, red},    // the first cell's image, corner to corner
      {4, 14, white},                  // below it, still in its cell
      {34, 4, white},                  // the gap between the columns
      {38, 4, blue}, {57, 28, blue},   // the second cell
      {58, 4, white},                  // right of the narrower image
      {4, 33, green}, {13, 42, green}, // the second row
      {38, 33, white},                 // an empty cell
  };
  for (const auto& p : pixels) EXPECT_EQ(out.pixel(p.x, p.y), p.color) << p.x << "," << p.y;

  EXPECT_EQ(Tile({Filled(30, 10, red)}, 3, 4, Qt::white).size(), QSize(38, 18));  // one row, as wide as used
  EXPECT_TRUE(Tile({}, 2, 4, Qt::white).isNull());
}

TEST(ShotCamera, SaveReplacesAPictureOnlyWithATakenOne) {
  QTemporaryDir dir;
  ShotCamera camera(dir.path());
  ASSERT_TRUE(camera.Save("shot", Filled(8, 6, qRgb(255, 0, 0))));
  const QString path = dir.filePath("shot.png");
  EXPECT_EQ(QImage(path).pixel(7, 5), qRgb(255, 0, 0));

  EXPECT_FALSE(camera.Save("shot", QImage()));  // nothing was grabbed
  EXPECT_EQ(QImage(path).size(), QSize(8, 6));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"shot.png"});  // no leftovers

  EXPECT_FALSE(ShotCamera(dir.filePath("missing")).Save("shot", Filled(8, 6, qRgb(0, 0, 0))));
}
