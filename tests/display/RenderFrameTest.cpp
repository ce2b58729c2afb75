// What all six renderers share: frame, grid, label anchors and drawing order.

#include "RenderTestSupport.h"
#include "display/Renderers.h"

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

namespace {


const std::pair<const char*, Renderer> kRenderers[] = {
    {"time logic", RenderTimeLogic}, {"time decibel", RenderTimeDecibel}, {"time millivolt", RenderTimeMillivolt},
    {"freq logic", RenderFreqLogic}, {"freq decibel", RenderFreqDecibel}, {"freq millivolt", RenderFreqMillivolt},
};

class FrameTest : public RenderTest {
 protected:
  FrameTest() {
    g_rulerXOn = g_rulerYOn = true;
    g_cursorX1 = x + 120;
    g_cursorX2 = x + 480;
  }
};

TEST_F(FrameTest, FrameIsTheFirstFourLinesWithTheCallersPen) {
  const QPoint corners[] = {{x, y}, {x + 600, y}, {x + 600, y + 400}, {x, y + 400}, {x, y}};
  for (const auto& [name, render] : kRenderers) {
    DisplayList list;
    render(list, x, y, 44100);
    ASSERT_GE(list.items.size(), 4u) << name;
    EXPECT_EQ(LinesOf(list, PenRole::Selected).size(), 4u) << name;
    for (int i = 0; i < 4; ++i) {
      const auto* line = std::get_if<DisplayLine>(&list.items[i]);
      ASSERT_NE(line, nullptr) << name;
      EXPECT_EQ(line->pen, PenRole::Selected) << name;
      EXPECT_EQ(line->from, corners[i]) << name << " side " << i;
      EXPECT_EQ(line->to, corners[i + 1]) << name << " side " << i;
    }
  }
}

TEST_F(FrameTest, NineByNineGridLinesInsideTheFrame) {
  for (const auto& [name, render] : kRenderers) {
    DisplayList list;
    render(list, x, y, 44100);
    const std::vector<DisplayLine> grid = LinesOf(list, PenRole::Grid);
    ASSERT_EQ(grid.size(), 18u) << name;
    std::set<int> horizontal, vertical;  // offsets from the plot origin
    for (const DisplayLine& l : grid) {
      if (l.from.y() == l.to.y()) {
        EXPECT_EQ(l.from.x(), x + 1) << name;
        EXPECT_EQ(l.to.x(), x + 600) << name;
        horizontal.insert(l.from.y() - y);
      } else {
        EXPECT_EQ(l.from.x(), l.to.x()) << name;
        EXPECT_EQ(l.from.y(), y + 1) << name;
        EXPECT_EQ(l.to.y(), y + 400) << name;
        vertical.insert(l.from.x() - x);
      }
    }
    std::set<int> expectedH, expectedV;
    for (int k = 1; k <= 9; ++k) {
      expectedH.insert(40 * k);
      expectedV.insert(60 * k);
    }
    EXPECT_EQ(horizontal, expectedH) << name;
    EXPECT_EQ(vertical, expectedV) << name;
    // Nothing else is drawn: no axis line, no ruler or cursor (those are the
    // composition's), no trace.
    EXPECT_EQ(list.items.size(), 4u + 18u + TextsOf(list).size()) << name;
  }
}

TEST_F(FrameTest, LabelAnchorsAndDrawingOrder) {
  for (const auto& [name, render] : kRenderers) {
    DisplayList list;
    render(list, x, y, 44100);
    // The X labels come last, centred below the grid columns 0 .. 10.
    ASSERT_GE(list.items.size(), 11u);
    for (int i = 0; i <= 10; ++i) {
      const auto* t = std::get_if<DisplayText>(&list.items[list.items.size() - 11 + i]);
      ASSERT_NE(t, nullptr) << name;
      EXPECT_EQ(t->anchor, TextAnchor::CentreTop) << name;
      EXPECT_EQ(t->at, QPoint(x + 60 * i, y + 406)) << name;
    }
    // Y labels right-aligned left of the plot, on the eleven grid lines.
    std::set<int> tops;
    for (const DisplayText& t : TextsOf(list)) {
      if (t.anchor != TextAnchor::RightTop) continue;
      EXPECT_EQ(t.at.x(), x - 6) << name;
      tops.insert(t.at.y() - y);
    }
    std::set<int> expected;
    for (int j = 0; j <= 10; ++j) expected.insert(40 * j - 6);
    EXPECT_EQ(tops, expected) << name;
    // Readout rows are written before the grid, right after the frame.
    const auto firstGrid = std::find_if(list.items.begin(), list.items.end(), [](const DisplayItem& item) {
      auto l = std::get_if<DisplayLine>(&item);
      return l && l->pen == PenRole::Grid;
    });
    for (auto it = list.items.begin() + 4; it != firstGrid; ++it) {
      const auto* t = std::get_if<DisplayText>(&*it);
      ASSERT_NE(t, nullptr) << name;
      EXPECT_EQ(t->anchor, TextAnchor::LeftTop) << name;
    }
    EXPECT_EQ(firstGrid - list.items.begin() - 4, TextsAnchored(list, TextAnchor::LeftTop).size()) << name;
  }
}

}  // namespace
