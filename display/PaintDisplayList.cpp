// Turns the display list into pixels: lines, traces and handles written into
// the image with our own one-pixel rasteriser, texts through the painter.
#include "display/PaintDisplayList.h"

#include "display/PixelLine.h"
#include "display/TextLayouts.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Bounds are kept within +-2^24, far beyond any picture, so that QRect's
// width arithmetic cannot overflow on a trace value far off the plot.
constexpr int kFar = 1 << 24;

// The rectangle spanning the points, in any order.
QRect Span(const QPoint* first, const QPoint* last) {
  int left = kFar, top = kFar, right = -kFar, bottom = -kFar;
  for (const QPoint* p = first; p != last; ++p) {
    left = std::min(left, p->x());
    right = std::max(right, p->x());
    top = std::min(top, p->y());
    bottom = std::max(bottom, p->y());
  }
  return QRect(QPoint(std::max(left, -kFar), std::max(top, -kFar)), QPoint(std::min(right, kFar), std::min(bottom, kFar)));
}

// How a pen role draws: its colour and dash, looked up once per paint.
struct Ink {
  QRgb colour;
  LineDash dash;
};

class ItemPainter {
 public:
  ItemPainter(PictureTarget target, const DisplayStyle& style)
      : target_(target), texts_(SharedTextLayouts(style.textFont)), outline_(style.selected.color().rgb()) {
    const std::pair<PenRole, const QPen*> pens[] = {
        {PenRole::Selected, &style.selected}, {PenRole::Frame, &style.penFrame}, {PenRole::Grid, &style.penGrid},
        {PenRole::Ruler, &style.penRuler},    {PenRole::Cursor, &style.penCursor}, {PenRole::Ch1, &style.ch1},
        {PenRole::Ch2, &style.ch2}};
    for (const auto& [role, pen] : pens) {
      inks_[static_cast<size_t>(role)] = {pen->color().rgb(),
                                          pen->style() == Qt::SolidLine ? LineDash::Solid : LineDash::Dotted};
    }
    target_.textPainter.setRenderHint(QPainter::Antialiasing, false);
    target_.textPainter.setRenderHint(QPainter::TextAntialiasing, false);
    target_.textPainter.setPen(style.text);
  }

  // Draws `item`, touching only the pixels of `clip` (picture coordinates).
  void Paint(const DisplayItem& item, const QRect& clip) {
    const QRect deviceClip = clip.translated(target_.origin);
    const QPoint o = target_.origin;
    if (const auto* line = std::get_if<DisplayLine>(&item)) {
      const Ink ink = InkOf(line->pen);
      DrawPixelLine(target_.image, line->from + o, line->to + o, ink.colour, ink.dash, deviceClip);
    } else if (const auto* polyline = std::get_if<DisplayPolyline>(&item)) {
      // Each segment paints its start and not its end: the joints are painted
      // once, by the segment leaving them, and the last point not at all.
      const Ink ink = InkOf(polyline->pen);
      const std::vector<QPoint>& p = polyline->points;
      for (size_t i = 1; i < p.size(); ++i) {
        if (std::max(p[i - 1].x(), p[i].x()) < clip.left() || std::min(p[i - 1].x(), p[i].x()) > clip.right() ||
            std::max(p[i - 1].y(), p[i].y()) < clip.top() || std::min(p[i - 1].y(), p[i].y()) > clip.bottom()) {
          continue;  // wholly outside: not worth a call
        }
        DrawPixelLine(target_.image, p[i - 1] + o, p[i] + o, ink.colour, ink.dash, deviceClip);
      }
    } else if (const auto* text = std::get_if<DisplayText>(&item)) {
      texts_.Draw(target_.textPainter, *text);
    } else if (const auto* handle = std::get_if<DisplayHandle>(&item)) {
      Handle(handle->rect.translated(o), deviceClip);
    }
  }

 private:
  Ink InkOf(PenRole role) const { return inks_[static_cast<size_t>(role)]; }

  // Filled white and outlined with the selected pen, covering exactly the
  // rectangle's pixels.
  void Handle(const QRect& r, const QRect& deviceClip) {
    if (r.isEmpty()) return;
    QImage& image = target_.image;
    FillPixels(image, r, qRgb(255, 255, 255), deviceClip);
    FillPixels(image, QRect(r.left(), r.top(), r.width(), 1), outline_, deviceClip);
    FillPixels(image, QRect(r.left(), r.bottom(), r.width(), 1), outline_, deviceClip);
    FillPixels(image, QRect(r.left(), r.top(), 1, r.height()), outline_, deviceClip);
    FillPixels(image, QRect(r.right(), r.top(), 1, r.height()), outline_, deviceClip);
  }

  PictureTarget target_;
  TextLayouts& texts_;
  QRgb outline_;
  static_assert(static_cast<size_t>(PenRole::Ch2) == 6, "one ink per pen role");
  std::array<Ink, 7> inks_{};
};

}  // namespace

std::vector<QRect> DisplayItemBounds(const DisplayList& list, const DisplayStyle& style) {
  TextLayouts& texts = SharedTextLayouts(style.textFont);
  std::vector<QRect> bounds;
  bounds.reserve(list.items.size());
  for (const DisplayItem& item : list.items) {
    QRect r;
    if (const auto* line = std::get_if<DisplayLine>(&item)) {
      const QPoint ends[2] = {line->from, line->to};
      if (line->from != line->to) r = Span(ends, ends + 2);
    } else if (const auto* polyline = std::get_if<DisplayPolyline>(&item)) {
      const std::vector<QPoint>& p = polyline->points;
      if (p.size() >= 2) r = Span(p.data(), p.data() + p.size());
    } else if (const auto* text = std::get_if<DisplayText>(&item)) {
      r = texts.Bounds(*text);
    } else if (const auto* handle = std::get_if<DisplayHandle>(&item)) {
      r = handle->rect;
    }
    bounds.push_back(r);
  }
  return bounds;
}

void PaintDisplayRegion(PictureTarget target, const QRegion& region, const DisplayList& list,
                        const std::vector<QRect>& bounds, const DisplayStyle& style) {
  Q_ASSERT(bounds.size() == list.items.size());
  QPainter& textPainter = target.textPainter;
  textPainter.save();
  ItemPainter painter(target, style);
  const QRgb background = style.background.rgb();
  for (const QRect& rect : region) {
    FillPixels(target.image, rect.translated(target.origin), background, target.image.rect());
    textPainter.setClipRect(rect);
    for (size_t i = 0; i < list.items.size(); ++i)
      if (bounds[i].intersects(rect)) painter.Paint(list.items[i], rect);
  }
  textPainter.restore();
}

void PaintDisplayList(QImage& image, const DisplayList& list, const DisplayStyle& style) {
  QPainter textPainter(&image);
  ItemPainter painter({image, QPoint(0, 0), textPainter}, style);
  for (const DisplayItem& item : list.items) painter.Paint(item, image.rect());
}
