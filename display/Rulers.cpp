#include "display/Rulers.h"

#include "app/Globals.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A vertical cursor's handle: a strip just above the plot, x - 6 .. x + 6.
QRect HandleForX(int x, const ViewGeometry& g) { return QRect(x - 6, g.plotTop - 5, 12, 5); }
// A horizontal cursor's handle: a strip just right of the plot, y - 6 .. y + 6.
QRect HandleForY(int y, const ViewGeometry& g) { return QRect(g.plotLeft + 600, y - 6, 6, 12); }

int ClampX(int x, const ViewGeometry& g) { return std::clamp(x, g.plotLeft, g.plotLeft + 600); }
int ClampY(int y, const ViewGeometry& g) { return std::clamp(y, g.plotTop, g.plotTop + 400); }

}  // namespace

void ClearRulerState() {
  g_rulerXOn = g_rulerYOn = false;
  RulerRelease();
}

void PlaceRulers(const ViewGeometry& g) {
  g_crossX = g.plotLeft + 300;
  g_crossY = g.plotTop + 200;
  g_cursorX1 = g.plotLeft + 120;
  g_cursorX2 = g.plotLeft + 480;
  g_cursorY1 = g.plotTop + 80;
  g_cursorY2 = g.plotTop + 320;
  g_handleX1 = HandleForX(g_cursorX1, g);
  g_handleX2 = HandleForX(g_cursorX2, g);
  g_handleY1 = HandleForY(g_cursorY1, g);
  g_handleY2 = HandleForY(g_cursorY2, g);
}

void RulerPress(QPoint at, const ViewGeometry& g) {
  g_dragCross = true;
  if (at.x() >= g.plotLeft && at.x() <= g.plotLeft + 600) g_crossX = at.x();
  if (at.y() >= g.plotTop && at.y() <= g.plotTop + 400) g_crossY = at.y();

  // QRect::contains takes left/top inclusive and right/bottom exclusive here,
  // since the handles' rectangles end one pixel before their right and bottom.
  if (g_handleX1.contains(at)) {
    g_dragX1 = true;
    if (std::abs(g_cursorX1 - g_cursorX2) < 3) {
      g_cursorX2 += 5;
      g_handleX2 = HandleForX(g_cursorX2, g);
    }
  }
  if (g_handleX2.contains(at)) g_dragX2 = true;
  if (g_handleY1.contains(at)) {
    g_dragY1 = true;
    if (std::abs(g_cursorY1 - g_cursorY2) < 3) {
      g_cursorY2 += 5;
      g_handleY2 = HandleForY(g_cursorY2, g);
    }
  }
  if (g_handleY2.contains(at)) g_dragY2 = true;
}

void RulerMove(QPoint at, const ViewGeometry& g) {
  // A dragged cursor's handle stays around its line, so a cursor pulled past
  // the plot's edge can still be grabbed where it stopped.
  if (g_dragCross) {
    g_crossX = ClampX(at.x(), g);
    g_crossY = ClampY(at.y(), g);
  }
  if (g_dragX1) {
    g_cursorX1 = ClampX(at.x(), g);
    g_handleX1 = HandleForX(g_cursorX1, g);
  }
  if (g_dragX2) {
    g_cursorX2 = ClampX(at.x(), g);
    g_handleX2 = HandleForX(g_cursorX2, g);
  }
  if (g_dragY1) {
    g_cursorY1 = ClampY(at.y(), g);
    g_handleY1 = HandleForY(g_cursorY1, g);
  }
  if (g_dragY2) {
    g_cursorY2 = ClampY(at.y(), g);
    g_handleY2 = HandleForY(g_cursorY2, g);
  }
}

void RulerRelease() { g_dragCross = g_dragX1 = g_dragX2 = g_dragY1 = g_dragY2 = false; }
