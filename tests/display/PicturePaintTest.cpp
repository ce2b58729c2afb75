// PaintDisplayList as pixels: which pixels a line, a dotted line, a polyline,
// a handle and a text cover, in the screen's and the paper's style.
#include "support/TestApplication.h"
#include "display/ComposeDisplay.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kGrid = 0xFF000078;    // RGB(0, 0, 120)
constexpr QRgb kCursor = 0xFF00C800;  // RGB(0, 200, 0)
constexpr QRgb kGrey = 0xFF808080;

class PicturePaint : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }

  // Paints `list` on a 120 x 80 picture filled with `background`.
  QImage Paint(const DisplayList& list, const DisplayStyle& style, QRgb background = kBlack) {
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(background);
    PaintDisplayList(image, list, style);
    return image;
  }

  // Columns x0..x1 of row y (or rows y0..y1 of column x) that are `colour`.
  static std::vector<int> ColumnsOf(const QImage& image, int y, int x0, int x1, QRgb colour) {
    std::vector<int> found;
    for (int x = x0; x <= x1; ++x)
      if (image.pixel(x, y) == colour) found.push_back(x);
    return found;
  }
  static std::vector<int> RowsOf(const QImage& image, int x, int y0, int y1, QRgb colour) {
    std::vector<int> found;
    for (int y = y0; y <= y1; ++y)
      if (image.pixel(x, y) == colour) found.push_back(y);
    return found;
  }
  static std::vector<int> Range(int from, int to, int step = 1) {
    std::vector<int> v;
    for (int i = from; step > 0 ? i <= to : i >= to; i += step) v.push_back(i);
    return v;
  }

  // The bounding box of the pixels of `colour`.
  static QRect BoxOf(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
  }
};

}  // namespace

TEST_F(PicturePaint, StraightLinesLeaveOutTheirEndPointInEitherDirection) {
  DisplayList list;
  list.Line({10, 5}, {20, 5}, PenRole::Frame);   // right
  list.Line({20, 7}, {10, 7}, PenRole::Frame);   // left
  list.Line({50, 10}, {50, 20}, PenRole::Frame); // down
  list.Line({60, 20}, {60, 10}, PenRole::Frame); // up
  list.Line({70, 30}, {71, 30}, PenRole::Frame); // one pixel long
  list.Line({80, 30}, {80, 30}, PenRole::Frame); // no length
  const QImage image = Paint(list, ScreenStyle());

  EXPECT_EQ(ColumnsOf(image, 5, 0, 119, kWhite), Range(10, 19));
  EXPECT_EQ(ColumnsOf(image, 7, 0, 119, kWhite), Range(11, 20));
  EXPECT_EQ(RowsOf(image, 50, 0, 79, kWhite), Range(10, 19));
  EXPECT_EQ(RowsOf(image, 60, 0, 79, kWhite), Range(11, 20));
  EXPECT_EQ(ColumnsOf(image, 30, 65, 85, kWhite), std::vector<int>{70});
}

TEST_F(PicturePaint, DottedLinesPaintEveryThirdPixelFromTheirStart) {
  // Qt::DotLine with a one-pixel pen: one pixel on, two off, counted from `from`.
  DisplayList list;
  list.Line({1, 10}, {31, 10}, PenRole::Grid);
  list.Line({31, 12}, {1, 12}, PenRole::Grid);
  list.Line({40, 1}, {40, 31}, PenRole::Cursor);
  list.Line({50, 1}, {50, 31}, PenRole::Ruler);
  const QImage image = Paint(list, ScreenStyle());

  EXPECT_EQ(ColumnsOf(image, 10, 0, 119, kGrid), Range(1, 28, 3));
  EXPECT_EQ(ColumnsOf(image, 12, 0, 119, kGrid), Range(4, 31, 3));  // 31, 28, ... 4
  EXPECT_EQ(RowsOf(image, 40, 0, 79, kCursor), Range(1, 28, 3));
  EXPECT_EQ(RowsOf(image, 50, 0, 79, kWhite), Range(1, 28, 3));
  // Between the dots the background shows.
  EXPECT_EQ(image.pixel(2, 10), kBlack);
  EXPECT_EQ(image.pixel(3, 10), kBlack);
  EXPECT_EQ(image.pixel(40, 2), kBlack);
}

TEST_F(PicturePaint, PolylinesPaintEachSegmentsStartButNotItsEnd) {
  DisplayList list;
  list.Polyline({{10, 30}, {10, 30}, {11, 35}, {12, 35}, {20, 35}}, PenRole::Ch1);  // ends going right
  list.Polyline({{40, 30}, {41, 30}, {42, 20}}, PenRole::Ch2);                     // ends going up
  list.Polyline({{60, 30}}, PenRole::Ch1);                                         // a move only
  DisplayStyle style = ScreenStyle();
  style.ch1.setColor(QColor(255, 0, 0));
  style.ch2.setColor(QColor(0, 0, 255));
  const QImage image = Paint(list, style);
  const QRgb red = 0xFFFF0000, blue = 0xFF0000FF;

  // A steep segment's run is shared by its two columns; every joint is painted
  // once, by the segment leaving it, and the final points not at all.
  EXPECT_EQ(RowsOf(image, 10, 0, 79, red), Range(30, 32));
  EXPECT_EQ(RowsOf(image, 11, 0, 79, red), Range(33, 35));
  EXPECT_EQ(ColumnsOf(image, 35, 0, 119, red), Range(11, 19));
  EXPECT_EQ(BoxOf(image, red), QRect(QPoint(10, 30), QPoint(19, 35)));
  EXPECT_EQ(image.pixel(40, 30), blue);
  EXPECT_EQ(RowsOf(image, 41, 0, 79, blue), Range(25, 30));
  EXPECT_EQ(RowsOf(image, 42, 0, 79, blue), Range(21, 24));
}

TEST_F(PicturePaint, HandlesCoverExactlyTheirRectangle) {
  DisplayList list;
  list.Handle(QRect(10, 20, 12, 5));  // a vertical cursor's handle: 10..21 x 20..24
  list.Handle(QRect(40, 30, 6, 12));  // a horizontal cursor's handle
  list.Handle(QRect());               // never placed: nothing

  const QImage screen = Paint(list, ScreenStyle(), kGrey);
  EXPECT_EQ(BoxOf(screen, kWhite), QRect(10, 20, 12, 5) | QRect(40, 30, 6, 12));
  for (int y = 20; y < 25; ++y)
    for (int x = 10; x < 22; ++x) ASSERT_EQ(screen.pixel(x, y), kWhite) << x << "," << y;
  for (int y = 30; y < 42; ++y)
    for (int x = 40; x < 46; ++x) ASSERT_EQ(screen.pixel(x, y), kWhite) << x << "," << y;
  EXPECT_EQ(screen.pixel(0, 0), kGrey);

  // On paper the outline is black and the inside white.
  const QImage paper = Paint(list, PaperStyle(), kGrey);
  EXPECT_EQ(BoxOf(paper, kBlack), QRect(10, 20, 12, 5) | QRect(40, 30, 6, 12));
  EXPECT_EQ(ColumnsOf(paper, 20, 9, 22, kBlack), Range(10, 21));
  EXPECT_EQ(ColumnsOf(paper, 24, 9, 22, kBlack), Range(10, 21));
  EXPECT_EQ(ColumnsOf(paper, 22, 9, 22, kBlack), (std::vector<int>{10, 21}));
  EXPECT_EQ(ColumnsOf(paper, 22, 9, 22, kWhite), Range(11, 20));
  EXPECT_EQ(RowsOf(paper, 43, 29, 42, kWhite), Range(31, 40));
}

TEST_F(PicturePaint, TextsHangFromTheirAnchorInTheStylesColour) {
  const QString text = QStringLiteral("时域");
  auto boxOf = [&](TextAnchor anchor, const DisplayStyle& style, QRgb background, QRgb ink) {
    DisplayList list;
    list.Text({60, 20}, anchor, text);
    return BoxOf(Paint(list, style, background), ink);
  };
  const QRect left = boxOf(TextAnchor::LeftTop, ScreenStyle(), kBlack, kWhite);
  const QRect right = boxOf(TextAnchor::RightTop, ScreenStyle(), kBlack, kWhite);
  const QRect centre = boxOf(TextAnchor::CentreTop, ScreenStyle(), kBlack, kWhite);
  ASSERT_FALSE(left.isEmpty());
  // Two 12-pixel CJK glyphs: about 24 pixels wide, at most 12 high, a little
  // below the anchor's row (the line's top is the ascent above the glyphs).
  EXPECT_GE(left.left(), 60);
  EXPECT_LE(left.left(), 62);
  EXPECT_GE(left.width(), 18);
  EXPECT_LE(left.width(), 26);
  EXPECT_GE(left.top(), 20);
  EXPECT_LE(left.bottom(), 20 + 15);
  EXPECT_LE(right.right(), 59);
  EXPECT_GE(right.right(), 56);
  EXPECT_EQ(right.top(), left.top());
  EXPECT_LE(std::abs((centre.left() + centre.right() + 1) / 2 - 60), 2);
  EXPECT_EQ(left.width(), right.width());

  // Paper: black text on white, no background box behind it.
  const QRect paper = boxOf(TextAnchor::LeftTop, PaperStyle(), kGrey, kBlack);
  EXPECT_EQ(paper, left);
  DisplayList list;
  list.Text({60, 20}, TextAnchor::LeftTop, text);
  const QImage image = Paint(list, PaperStyle(), kGrey);
  EXPECT_EQ(BoxOf(image, kWhite), QRect());
}

TEST_F(PicturePaint, TextFontIsATwelvePixelCjkFontFromTheFamilyList) {
  const QFont font = ScreenStyle().textFont;
  EXPECT_EQ(font.pixelSize(), 12);
  EXPECT_EQ(font.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
  EXPECT_EQ(font.families().value(0), QStringLiteral("SimSun"));
  const QString used = QFontInfo(font).family();
  EXPECT_TRUE(font.families().contains(used)) << used.toStdString();
  EXPECT_EQ(PaperStyle().textFont, font);
}
