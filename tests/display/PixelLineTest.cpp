// The one-pixel line rule: start painted, end not, one pixel per step along
// the longer axis, exact halves toward the smaller coordinate; dots counted
// from the start; clipping that changes no pixel inside the clip.
#include "display/PixelLine.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr QRgb kBackground = 0xFF000000;
constexpr QRgb kInk = 0xFFFFFFFF;

using Pixels = std::set<std::pair<int, int>>;

QImage Blank(int w = 40, int h = 40) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kBackground);
  return image;
}

Pixels InkOf(const QImage& image) {
  Pixels found;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == kInk) found.insert({x, y});
  return found;
}

Pixels Line(QPoint from, QPoint to, LineDash dash = LineDash::Solid, QRect clip = QRect(0, 0, 40, 40)) {
  QImage image = Blank();
  DrawPixelLine(image, from, to, kInk, dash, clip);
  return InkOf(image);
}

}  // namespace

TEST(PixelLine, ShortSegmentsInEveryOctant) {
  const QPoint a(10, 10);
  struct Case {
    QPoint to;
    Pixels expected;
  };
  const Case cases[] = {
      // Shallow, x steps: the half-way column takes the smaller y.
      {{14, 11}, {{10, 10}, {11, 10}, {12, 10}, {13, 11}}},
      {{14, 9}, {{10, 10}, {11, 10}, {12, 9}, {13, 9}}},
      {{6, 11}, {{10, 10}, {9, 10}, {8, 10}, {7, 11}}},
      {{6, 9}, {{10, 10}, {9, 10}, {8, 9}, {7, 9}}},
      // Steep, y steps: the half-way row takes the smaller x.
      {{11, 14}, {{10, 10}, {10, 11}, {10, 12}, {11, 13}}},
      {{9, 14}, {{10, 10}, {10, 11}, {9, 12}, {9, 13}}},
      {{11, 6}, {{10, 10}, {10, 9}, {10, 8}, {11, 7}}},
      {{9, 6}, {{10, 10}, {10, 9}, {9, 8}, {9, 7}}},
      // Straight and diagonal.
      {{14, 10}, {{10, 10}, {11, 10}, {12, 10}, {13, 10}}},
      {{10, 7}, {{10, 10}, {10, 9}, {10, 8}}},
      {{13, 13}, {{10, 10}, {11, 11}, {12, 12}}},
      {{7, 13}, {{10, 10}, {9, 11}, {8, 12}}},
      {{11, 10}, {{10, 10}}},
      // A trace's steep step: the run is shared by both columns, not all in the first.
      {{11, 2}, {{10, 10}, {10, 9}, {10, 8}, {10, 7}, {10, 6}, {11, 5}, {11, 4}, {11, 3}}},
      // No length, nothing painted.
      {{10, 10}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Line(a, c.to), c.expected) << "to " << c.to.x() << "," << c.to.y();
}

TEST(PixelLine, EveryLineIsOneConnectedPixelPerStepAndTheSameBothWays) {
  const QPoint a(20, 20);
  for (int dy = -9; dy <= 9; ++dy) {
    for (int dx = -9; dx <= 9; ++dx) {
      if (dx == 0 && dy == 0) continue;
      const QPoint b = a + QPoint(dx, dy);
      Pixels forward = Line(a, b), backward = Line(b, a);
      SCOPED_TRACE(testing::Message() << "dx " << dx << " dy " << dy);
      ASSERT_EQ(forward.size(), static_cast<size_t>(std::max(std::abs(dx), std::abs(dy))));
      EXPECT_TRUE(forward.count({a.x(), a.y()}));
      EXPECT_FALSE(forward.count({b.x(), b.y()}));
      // Every pixel but the start has a neighbour in the line, one step back.
      for (auto [x, y] : forward) {
        if (QPoint(x, y) == a) continue;
        bool touches = false;
        for (auto [u, v] : forward) touches |= (u != x || v != y) && std::abs(u - x) <= 1 && std::abs(v - y) <= 1;
        EXPECT_TRUE(touches) << x << "," << y;
      }
      forward.erase({a.x(), a.y()});
      backward.erase({b.x(), b.y()});
      EXPECT_EQ(forward, backward);
    }
  }
}

TEST(PixelLine, DotsAreCountedFromTheStart) {
  EXPECT_EQ(Line({0, 5}, {10, 5}, LineDash::Dotted), (Pixels{{0, 5}, {3, 5}, {6, 5}, {9, 5}}));
  EXPECT_EQ(Line({10, 5}, {0, 5}, LineDash::Dotted), (Pixels{{10, 5}, {7, 5}, {4, 5}, {1, 5}}));
  EXPECT_EQ(Line({0, 0}, {9, 3}, LineDash::Dotted), (Pixels{{0, 0}, {3, 1}, {6, 2}}));
  EXPECT_EQ(Line({0, 0}, {1, 6}, LineDash::Dotted), (Pixels{{0, 0}, {0, 3}}));
  // Clipping away the start keeps the dots where they were.
  EXPECT_EQ(Line({0, 5}, {10, 5}, LineDash::Dotted, QRect(2, 0, 10, 10)), (Pixels{{3, 5}, {6, 5}, {9, 5}}));
  EXPECT_EQ(Line({-7, 5}, {10, 5}, LineDash::Dotted), (Pixels{{2, 5}, {5, 5}, {8, 5}}));
}

TEST(PixelLine, ClippingKeepsThePixelsInsideAndTouchesNothingOutside) {
  // A clip inside the image, and lines crossing it and the image's edges.
  const QRect clip(5, 8, 20, 15);
  const std::pair<QPoint, QPoint> lines[] = {
      {{-10, 3}, {50, 30}}, {{30, 45}, {2, -6}}, {{12, -100}, {17, 100}}, {{-3, 39}, {44, 38}}, {{6, 9}, {6, 9}}};
  for (const auto& [from, to] : lines) {
    QImage big = Blank(100, 300);
    DrawPixelLine(big, from + QPoint(40, 120), to + QPoint(40, 120), kInk, LineDash::Solid, big.rect());
    Pixels expected;
    for (auto [x, y] : InkOf(big))
      if (clip.contains(x - 40, y - 120)) expected.insert({x - 40, y - 120});
    SCOPED_TRACE(testing::Message() << from.x() << "," << from.y() << " -> " << to.x() << "," << to.y());
    EXPECT_EQ(Line(from, to, LineDash::Solid, clip), expected);
    // Unclipped on the small image: exactly the part of the line on it.
    Pixels onImage;
    for (auto [x, y] : InkOf(big))
      if (QRect(0, 0, 40, 40).contains(x - 40, y - 120)) onImage.insert({x - 40, y - 120});
    EXPECT_EQ(Line(from, to, LineDash::Solid, QRect(-50, -50, 200, 200)), onImage);
  }
}

TEST(PixelLine, FarAwayEndsAreExactAndCheap) {
  // Two billion steps, of which only the twenty on the image are visited;
  // the half-way row decides which column each part is painted in.
  EXPECT_EQ(Line({5, -1000000000}, {6, 1000000002}, LineDash::Solid, QRect(0, 0, 40, 20)),
            ([] {
              Pixels p{{5, 0}, {5, 1}};
              for (int y = 2; y < 20; ++y) p.insert({6, y});
              return p;
            }()));
  // The extremes of int: the line crosses over at 0 on either axis.
  QImage image = Blank(4, 4);
  DrawPixelLine(image, {0, INT_MIN}, {1, INT_MAX}, kInk, LineDash::Solid, image.rect());
  DrawPixelLine(image, {INT_MIN, 3}, {INT_MAX, 2}, kInk, LineDash::Solid, image.rect());
  EXPECT_EQ(InkOf(image), (Pixels{{1, 0}, {1, 1}, {1, 2}, {1, 3}, {0, 2}, {2, 2}, {3, 2}}));
}

TEST(PixelLine, FillPixelsStaysInsideClipAndImage) {
  QImage image = Blank(10, 10);
  FillPixels(image, QRect(-5, 2, 30, 3), kInk, QRect(1, 0, 5, 10));
  Pixels expected;
  for (int y = 2; y <= 4; ++y)
    for (int x = 1; x <= 5; ++x) expected.insert({x, y});
  EXPECT_EQ(InkOf(image), expected);
}
