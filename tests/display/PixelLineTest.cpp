// The one-pixel line rule: start painted, end not, one pixel per step along
// the longer axis, exact halves toward the smaller coordinate; dots counted
// from the start; clipping that changes no pixel inside the clip.
#include "display/PixelLine.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels InkOf(const QImage& image) {
  Pixels found;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == 0xFFFFFFFF) found.insert({x, y});
  return found;
}

// The pixels a line paints on a 40 x 40 image (or `size`), clipped to `clip`.
Pixels Line(QPoint from, QPoint to, LineDash dash = LineDash::Solid, QRect clip = QRect(-50, -50, 200, 200),
            QSize size = QSize(40, 40)) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::black);
  DrawPixelLine(image, from, to, 0xFFFFFFFF, dash, clip);
  return InkOf(image);
}

}  // namespace

TEST(PixelLine, ShortSegmentsInEveryOctant) {
  const std::pair<QPoint, Pixels> cases[] = {
      // Shallow: the half-way column takes the smaller y.
      {{14, 11}, {{10, 10}, {11, 10}, {12, 10}, {13, 11}}},
      {{14, 9}, {{10, 10}, {11, 10}, {12, 9}, {13, 9}}},
      {{6, 11}, {{10, 10}, {9, 10}, {8, 10}, {7, 11}}},
      {{6, 9}, {{10, 10}, {9, 10}, {8, 9}, {7, 9}}},
      // Steep: the half-way row takes the smaller x.
      {{11, 14}, {{10, 10}, {10, 11}, {10, 12}, {11, 13}}},
      {{9, 14}, {{10, 10}, {10, 11}, {9, 12}, {9, 13}}},
      {{11, 6}, {{10, 10}, {10, 9}, {10, 8}, {11, 7}}},
      {{9, 6}, {{10, 10}, {10, 9}, {9, 8}, {9, 7}}},
      // Straight, diagonal, one pixel long, no length.
      {{14, 10}, {{10, 10}, {11, 10}, {12, 10}, {13, 10}}},
      {{10, 7}, {{10, 10}, {10, 9}, {10, 8}}},
      {{7, 13}, {{10, 10}, {9, 11}, {8, 12}}},
      {{11, 10}, {{10, 10}}},
      {{10, 10}, {}},
      // A trace's steep step: the run is shared by both columns, not all in the first.
      {{11, 2}, {{10, 10}, {10, 9}, {10, 8}, {10, 7}, {10, 6}, {11, 5}, {11, 4}, {11, 3}}},
  };
  for (const auto& [to, expected] : cases) EXPECT_EQ(Line({10, 10}, to), expected) << to.x() << "," << to.y();
}

TEST(PixelLine, EveryLineIsOnePixelPerStepAndTheSameBothWays) {
  const QPoint a(20, 20);
  for (int dy = -9; dy <= 9; ++dy) {
    for (int dx = -9; dx <= 9; ++dx) {
      const QPoint b = a + QPoint(dx, dy);
      if (a == b) continue;
      Pixels forward = Line(a, b), backward = Line(b, a);
      ASSERT_EQ(forward.size(), static_cast<size_t>(std::max(std::abs(dx), std::abs(dy)))) << dx << "," << dy;
      EXPECT_EQ(forward.erase({a.x(), a.y()}), 1u) << dx << "," << dy;
      EXPECT_EQ(backward.erase({b.x(), b.y()}), 1u) << dx << "," << dy;
      EXPECT_EQ(forward, backward) << dx << "," << dy;
    }
  }
}

TEST(PixelLine, DotsAreCountedFromTheStart) {
  EXPECT_EQ(Line({0, 5}, {10, 5}, LineDash::Dotted), (Pixels{{0, 5}, {3, 5}, {6, 5}, {9, 5}}));
  EXPECT_EQ(Line({10, 5}, {0, 5}, LineDash::Dotted), (Pixels{{10, 5}, {7, 5}, {4, 5}, {1, 5}}));
  EXPECT_EQ(Line({0, 0}, {9, 3}, LineDash::Dotted), (Pixels{{0, 0}, {3, 1}, {6, 2}}));
  EXPECT_EQ(Line({0, 0}, {1, 6}, LineDash::Dotted), (Pixels{{0, 0}, {0, 3}}));
  // A start clipped away or off the image keeps the dots where they were.
  EXPECT_EQ(Line({0, 5}, {10, 5}, LineDash::Dotted, QRect(2, 0, 10, 10)), (Pixels{{3, 5}, {6, 5}, {9, 5}}));
  EXPECT_EQ(Line({-7, 5}, {10, 5}, LineDash::Dotted), (Pixels{{2, 5}, {5, 5}, {8, 5}}));
}

TEST(PixelLine, ClippingKeepsExactlyThePixelsInside) {
  // Lines crossing a clip inside the image and the image's edges, compared
  // with the same lines drawn whole on a larger image.
  const QRect clip(5, 8, 20, 15);
  const std::pair<QPoint, QPoint> lines[] = {{{-10, 3}, {50, 30}}, {{30, 45}, {2, -6}}, {{12, -100}, {17, 100}}};
  const QPoint shift(40, 120);
  for (const auto& [from, to] : lines) {
    Pixels inClip, onImage;
    for (auto [x, y] : Line(from + shift, to + shift, LineDash::Solid, QRect(0, 0, 100, 300), QSize(100, 300))) {
      if (clip.contains(x - shift.x(), y - shift.y())) inClip.insert({x - shift.x(), y - shift.y()});
      if (QRect(0, 0, 40, 40).contains(x - shift.x(), y - shift.y())) onImage.insert({x - shift.x(), y - shift.y()});
    }
    EXPECT_EQ(Line(from, to, LineDash::Solid, clip), inClip) << from.x() << "," << from.y();
    EXPECT_EQ(Line(from, to), onImage) << from.x() << "," << from.y();
  }
}

TEST(PixelLine, FarAwayEndsAreExactAndCheap) {
  // Two billion steps, of which only the twenty on the image are visited; the
  // half-way row decides which column each part lies in.
  Pixels expected{{5, 0}, {5, 1}};
  for (int y = 2; y < 20; ++y) expected.insert({6, y});
  EXPECT_EQ(Line({5, -1000000000}, {6, 1000000002}, LineDash::Solid, QRect(0, 0, 40, 20)), expected);
  // The extremes of int: both lines cross over at 0.
  EXPECT_EQ(Line({0, INT_MIN}, {1, INT_MAX}, LineDash::Solid, QRect(0, 0, 4, 4)),
            (Pixels{{1, 0}, {1, 1}, {1, 2}, {1, 3}}));
  EXPECT_EQ(Line({INT_MIN, 3}, {INT_MAX, 2}, LineDash::Solid, QRect(0, 0, 4, 4)),
            (Pixels{{0, 2}, {1, 2}, {2, 2}, {3, 2}}));
}
