#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <variant>
#include <vector>

// The measurement picture as an ordered list of drawing steps. The renderers
// and the composition build it without a painter, so every text and line can
// be checked as data; PaintDisplayList.h turns it into pixels.

// Which pen a line is drawn with. `Selected` is the pen the caller had
// selected when the renderer started (the frame pen on screen, black on paper).
enum class PenRole { Selected, Frame, Grid, Ruler, Cursor, Ch1, Ch2 };

// Where a text hangs from its anchor point: its top-left, top-right or top-centre.
enum class TextAnchor { LeftTop, RightTop, CentreTop };

struct DisplayLine {
  QPoint from;
  QPoint to;  // not painted itself
  PenRole pen;
  bool operator==(const DisplayLine&) const = default;
};

struct DisplayPolyline {
  std::vector<QPoint> points;  // a move to the first, lines to the others
  PenRole pen;
  bool operator==(const DisplayPolyline&) const = default;
};

struct DisplayText {
  QPoint at;
  TextAnchor anchor;
  QString text;
  bool operator==(const DisplayText&) const = default;
};

// A grab handle: outlined with the frame pen and filled white.
struct DisplayHandle {
  QRect rect;  // left, top inclusive; right, bottom exclusive
  bool operator==(const DisplayHandle&) const = default;
};

using DisplayItem = std::variant<DisplayLine, DisplayPolyline, DisplayText, DisplayHandle>;

struct DisplayList {
  std::vector<DisplayItem> items;

  void Line(QPoint from, QPoint to, PenRole pen) { items.emplace_back(DisplayLine{from, to, pen}); }
  void Text(QPoint at, TextAnchor anchor, QString text) {
    items.emplace_back(DisplayText{at, anchor, std::move(text)});
  }
  void Handle(const QRect& rect) { items.emplace_back(DisplayHandle{rect}); }
  void Polyline(std::vector<QPoint> points, PenRole pen) {
    items.emplace_back(DisplayPolyline{std::move(points), pen});
  }
};
