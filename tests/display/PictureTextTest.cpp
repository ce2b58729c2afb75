// Laid-out texts draw exactly what QPainter::drawText draws, and their
// bounds hold every pixel they paint.
#include "support/TestApplication.h"
#include "display/DisplayStyle.h"
#include "display/TextLayouts.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(PictureText, DrawsLikeDrawTextAndStaysInItsBounds) {
  EnsureApplication();
  const QFont font = ScreenStyle().textFont;
  TextLayouts layouts(font);
  // Readouts, labels and captions; "W" and "WW" have advances a fraction of a
  // pixel off their natural widths, which moves them when aligned by the latter.
  const char* texts[] = {"======时域=======", "     X1：2.72", "1/|X2-X1|=∞Hz", "-19661", "13.61", "-∞",
                         " 6554",             "CH2-RMS：1234.56 mV", "W", "WW"};
  const std::pair<TextAnchor, int> anchors[] = {
      {TextAnchor::LeftTop, Qt::AlignLeft}, {TextAnchor::RightTop, Qt::AlignRight}, {TextAnchor::CentreTop, Qt::AlignHCenter}};
  for (const char* utf8 : texts) {
    for (const auto& [anchor, alignment] : anchors) {
      const DisplayText text{QPoint(150, 20), anchor, QString::fromUtf8(utf8)};
      QImage expected(300, 50, QImage::Format_RGB32);
      expected.fill(Qt::black);
      QImage drawn = expected;
      QPainter reference(&expected);
      reference.setFont(font);
      reference.setPen(Qt::white);
      reference.drawText(QRectF(text.at, QSizeF(0, 0)), alignment | Qt::AlignTop | Qt::TextDontClip, text.text);
      reference.end();
      QPainter ours(&drawn);
      ours.setPen(Qt::white);
      layouts.Draw(ours, text);
      ours.end();

      EXPECT_TRUE(drawn == expected) << utf8 << " anchor " << static_cast<int>(anchor);
      const QRect bounds = layouts.Bounds(text);
      for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
          if (drawn.pixel(x, y) != qRgb(0, 0, 0)) {
            ASSERT_TRUE(bounds.contains(x, y)) << utf8 << " " << x << "," << y;
          }
    }
  }
  EXPECT_TRUE(layouts.Bounds(DisplayText{QPoint(5, 5), TextAnchor::LeftTop, QString()}).isEmpty());
}
