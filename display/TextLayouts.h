#pragma once

// The picture's texts, each laid out once and kept: the readouts repeat
// from tick to tick, and shaping a text costs far more than drawing it.

#include "display/DisplayList.h"

#include <QCache>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>

class QPainter;

class TextLayouts {
 public:
  explicit TextLayouts(const QFont& font);

  const QFont& Font() const { return font_; }

  // Draws `text` hung from its anchor in the painter's pen colour, pixel for
  // pixel as QPainter::drawText with this font does into a rectangle of no
  // size at the anchor with that alignment.
  void Draw(QPainter& painter, const DisplayText& text);

  // The pixels `text` can paint (a little more, never less).
  QRect Bounds(const DisplayText& text);

 private:
  struct Layout {
    QList<QGlyphRun> glyphs;  // positioned from the top-left of the line
    qreal advance = 0;  // the width drawText aligns by
    QRect ink;          // relative to the top-left of the text line
  };
  const Layout& LayoutOf(const QString& text);
  QPointF TopLeft(const DisplayText& text, const Layout& layout) const;

  QFont font_;
  QFontMetrics metrics_;
  QCache<QString, Layout> cache_;
};

// The layouts of `font`, kept for the whole run; a call with another font
// starts a new set.
TextLayouts& SharedTextLayouts(const QFont& font);
