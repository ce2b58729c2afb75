#include "OutbarFixture.h"

#include <QImage>
#include <QTemporaryDir>

#include <iostream>

namespace {

using OutbarPaintTest = OutbarFixture;

const QColor kBackground(102, 102, 153);

// Keeps the picture to look at when the test fails, in a new folder of the
// test's own (a fixed name in /tmp could be anyone's link).
class KeptOnFailure {
 public:
  explicit KeptOnFailure(const QImage& image) : image_(image) {}
  ~KeptOnFailure() {
    if (!::testing::Test::HasFailure()) return;
    QTemporaryDir dir;
    dir.setAutoRemove(false);
    const QString path = dir.filePath(QStringLiteral("outbar.png"));
    if (dir.isValid() && image_.save(path)) std::cerr << "the picture: " << path.toStdString() << "\n";
  }

 private:
  const QImage& image_;
};

TEST_F(OutbarPaintTest, TheProgramsBarPaintsBackgroundButtonsIconsAndLabels) {
  const QImage image = bar.grab().toImage();
  const KeptOnFailure kept(image);
  ASSERT_EQ(image.size(), QSize(200, 600));
  const OutbarGeometry g = bar.Geometry();

  EXPECT_EQ(image.pixelColor(10, 300), kBackground);
  EXPECT_EQ(image.pixelColor(190, 540), kBackground);
  // Button face on folder 1's button, left of its centred label.
  const QColor face = bar.palette().color(QPalette::Button);
  EXPECT_EQ(image.pixelColor(10, g.folders[1].center().y()), face);
  EXPECT_EQ(image.pixelColor(10, g.folders[0].center().y()), face);
  // The icons of the three items: red, green, blue swatches.
  EXPECT_EQ(image.pixelColor(g.items[0].icon.center()), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(g.items[1].icon.center()), QColor(Qt::green));
  EXPECT_EQ(image.pixelColor(g.items[2].icon.center()), QColor(Qt::blue));
  // The label's glyphs are light (the label colour, antialiased) on the dark background.
  const QColor label = bar.palette().color(QPalette::Window);
  ASSERT_GT(label.lightness(), 200);
  int lightPixels = 0;
  const QRect box = g.items[0].label;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) lightPixels += image.pixelColor(x, y).lightness() > 200;
  EXPECT_GT(lightPixels, 10);
  // The frame: a dark border outside the items.
  EXPECT_EQ(image.pixel(0, 300), bar.palette().color(QPalette::Shadow).rgb());
}

TEST_F(OutbarPaintTest, DragDrawsABlackDropMarkerInTheGap) {
  Press(Icon(0));
  Move(GapBelow(0));
  Move(Icon(2));
  const OutbarGeometry g = bar.Geometry();
  const int y = g.DropMarkerY(2);
  QImage image = bar.grab().toImage();
  EXPECT_EQ(image.pixelColor(g.itemsArea.center().x(), y), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(g.itemsArea.center().x(), y - 2), kBackground);  // 1 px thick
  Release(Icon(2));
  image = bar.grab().toImage();
  EXPECT_EQ(image.pixelColor(g.itemsArea.center().x(), g.DropMarkerY(2)), kBackground);
}

}  // namespace
