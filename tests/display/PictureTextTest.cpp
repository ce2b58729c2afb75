// Laid-out texts draw exactly what QPainter::drawText draws, and their
// bounds hold every pixel they paint.
#include "support/TestApplication.h"
#include "display/DisplayStyle.h"
#include "display/TextLayouts.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

class PictureText : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
};

}  // namespace

TEST_F(PictureText, DrawsLikeDrawTextAndStaysInItsBounds) {
  const QFont font = ScreenStyle().textFont;
  TextLayouts layouts(font);
  // Readouts, labels and captions of every kind; "W" and "WW" have advances
  // a fraction of a pixel off their natural widths.
  const char* texts[] = {"======时域=======", "横轴[X]：毫秒[ms]", "     X1：2.72", "1/|X2-X1|=∞Hz", "-19661",
                         "13.61",           "-∞",                "标尺[Y]：∞",  " 6554",          "CH2-RMS：1234.56 mV",
                         "W",               "WW",                "|Y2-Y1|：39321.00"};
  const std::pair<TextAnchor, int> anchors[] = {
      {TextAnchor::LeftTop, Qt::AlignLeft}, {TextAnchor::RightTop, Qt::AlignRight}, {TextAnchor::CentreTop, Qt::AlignHCenter}};
  for (const char* utf8 : texts) {
    for (const auto& [anchor, alignment] : anchors) {
      const DisplayText text{QPoint(150, 20), anchor, QString::fromUtf8(utf8)};
      QImage expected(300, 50, QImage::Format_RGB32), drawn(300, 50, QImage::Format_RGB32);
      expected.fill(Qt::black);
      drawn.fill(Qt::black);
      {
        QPainter p(&expected);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(text.at, QSizeF(0, 0)), alignment | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                   text.text);
      }
      {
        QPainter p(&drawn);
        p.setPen(Qt::white);
        layouts.Draw(p, text);
      }
      SCOPED_TRACE(testing::Message() << utf8 << " anchor " << static_cast<int>(anchor));
      EXPECT_EQ(drawn, expected);
      const QRect bounds = layouts.Bounds(text);
      int inked = 0;
      for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
          if (drawn.pixel(x, y) != qRgb(0, 0, 0)) {
            ++inked;
            EXPECT_TRUE(bounds.contains(x, y)) << x << "," << y;
          }
      EXPECT_GT(inked, 0);
    }
  }
  // Nothing to draw, nothing to bound.
  EXPECT_TRUE(layouts.Bounds(DisplayText{QPoint(5, 5), TextAnchor::LeftTop, QString()}).isEmpty());
}
