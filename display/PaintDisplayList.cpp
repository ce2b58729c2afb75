// Turns the display list into pixels. Lines follow the old platform's rule
// that a line does not paint its end point: a horizontal or vertical line from
// `from` to `to` paints from .. to - 1 (in its own direction), a zero-length
// line paints nothing. QPainter's aliased cosmetic lines paint both end points
// with a square cap, and with a flat cap leave out whichever end point is
// larger along the line's major axis; so straight lines are drawn with a square
// cap up to the pixel before `to`, slanted lines (the picture has none) with a
// flat cap. Polylines go to drawPolyline with a flat cap: the segments join
// without gaps, and the final point is left out when the last segment runs
// right or down along its major axis and painted when it runs left or up.
#include "display/ComposeDisplay.h"

#include <QPainter>

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

// Selects pens only when the role or the cap changes.
class PenSelector {
 public:
  PenSelector(QPainter& painter, const DisplayStyle& style) : painter_(painter), style_(style) {}

  void Use(PenRole role, Qt::PenCapStyle cap) {
    if (selected_ && role == role_ && cap == cap_) return;
    QPen pen = Pen(role);
    pen.setCapStyle(cap);
    painter_.setPen(pen);
    selected_ = true;
    role_ = role;
    cap_ = cap;
  }
  void Forget() { selected_ = false; }

 private:
  const QPen& Pen(PenRole role) const {
    switch (role) {
      case PenRole::Selected: return style_.selected;
      case PenRole::Frame: return style_.penFrame;
      case PenRole::Grid: return style_.penGrid;
      case PenRole::Ruler: return style_.penRuler;
      case PenRole::Cursor: return style_.penCursor;
      case PenRole::Ch1: return style_.ch1;
      case PenRole::Ch2: return style_.ch2;
    }
    return style_.selected;
  }

  QPainter& painter_;
  const DisplayStyle& style_;
  bool selected_ = false;
  PenRole role_ = PenRole::Selected;
  Qt::PenCapStyle cap_ = Qt::FlatCap;
};

void PaintLine(QPainter& painter, PenSelector& pens, const DisplayLine& line) {
  const QPoint d = line.to - line.from;
  if (d.isNull()) return;
  if (d.x() != 0 && d.y() != 0) {
    pens.Use(line.pen, Qt::FlatCap);
    painter.drawLine(line.from, line.to);
    return;
  }
  pens.Use(line.pen, Qt::SquareCap);
  painter.drawLine(line.from, line.to - QPoint(Sign(d.x()), Sign(d.y())));
}

void PaintText(QPainter& painter, const DisplayText& text) {
  int flags = Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
  switch (text.anchor) {
    case TextAnchor::LeftTop: flags |= Qt::AlignLeft; break;
    case TextAnchor::RightTop: flags |= Qt::AlignRight; break;
    case TextAnchor::CentreTop: flags |= Qt::AlignHCenter; break;
  }
  // A rectangle of no size at the anchor: the alignment hangs the text from it.
  painter.drawText(QRectF(text.at, QSizeF(0, 0)), flags, text.text);
}

// Outlined with the selected pen and filled white, covering exactly the
// rectangle's pixels (right and bottom exclusive).
void PaintHandle(QPainter& painter, PenSelector& pens, const DisplayHandle& handle) {
  if (handle.rect.isEmpty()) return;
  painter.fillRect(handle.rect, Qt::white);
  pens.Use(PenRole::Selected, Qt::SquareCap);
  painter.drawRect(handle.rect.adjusted(0, 0, -1, -1));
}

}  // namespace

void PaintDisplayList(QPainter& painter, const DisplayList& list, const DisplayStyle& style) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.setBrush(Qt::NoBrush);
  painter.setFont(style.textFont);
  PenSelector pens(painter, style);

  for (const DisplayItem& item : list.items) {
    if (const auto* line = std::get_if<DisplayLine>(&item)) {
      PaintLine(painter, pens, *line);
    } else if (const auto* polyline = std::get_if<DisplayPolyline>(&item)) {
      if (polyline->points.size() < 2) continue;
      pens.Use(polyline->pen, Qt::FlatCap);
      painter.drawPolyline(polyline->points.data(), static_cast<int>(polyline->points.size()));
    } else if (const auto* text = std::get_if<DisplayText>(&item)) {
      painter.setPen(style.text);
      pens.Forget();
      PaintText(painter, *text);
    } else if (const auto* handle = std::get_if<DisplayHandle>(&item)) {
      PaintHandle(painter, pens, *handle);
    }
  }
  painter.restore();
}
