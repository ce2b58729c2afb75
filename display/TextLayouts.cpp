#include "display/TextLayouts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTextLayout>

#include <cmath>
#include <memory>

namespace {

// Readouts change with the measurements; this many distinct texts are kept.
constexpr int kCachedTexts = 2000;

// Released with the application object: fonts and laid-out texts must not
// outlive the font database.
std::unique_ptr<TextLayouts> g_sharedLayouts;
void ReleaseSharedLayouts() { g_sharedLayouts.reset(); }

}  // namespace

TextLayouts::TextLayouts(const QFont& font) : font_(font), metrics_(font), cache_(kCachedTexts) {}

const TextLayouts::Layout& TextLayouts::LayoutOf(const QString& text) {
  if (const Layout* found = cache_.object(text)) return *found;
  auto layout = std::make_unique<Layout>();
  QTextLayout shaped(text, font_);
  shaped.beginLayout();
  const QTextLine line = shaped.createLine();
  shaped.endLayout();
  // Glyph runs carry their own pixel-sized font, so they draw alike on any
  // device. drawText aligns a line by its horizontal advance, which can
  // differ from its natural width by a fraction of a pixel, enough to move a
  // glyph.
  layout->glyphs = shaped.glyphRuns();
  layout->advance = line.isValid() ? line.horizontalAdvance() : 0;

  // The glyphs' ink, from the baseline to the line's top, united with the
  // line box; two pixels more all round for hinting and rounding.
  const QRect box(0, 0, static_cast<int>(std::ceil(layout->advance)), metrics_.height());
  layout->ink = (box | metrics_.boundingRect(text).translated(0, metrics_.ascent())).adjusted(-2, -2, 2, 2);

  Layout* stored = layout.release();
  cache_.insert(text, stored);
  return *stored;
}

QPointF TextLayouts::TopLeft(const DisplayText& text, const Layout& layout) const {
  qreal x = text.at.x();
  switch (text.anchor) {
    case TextAnchor::LeftTop: break;
    case TextAnchor::RightTop: x -= layout.advance; break;
    case TextAnchor::CentreTop: x -= layout.advance / 2; break;
  }
  return QPointF(x, text.at.y());
}

void TextLayouts::Draw(QPainter& painter, const DisplayText& text) {
  if (text.text.isEmpty()) return;
  const Layout& layout = LayoutOf(text.text);
  const QPointF topLeft = TopLeft(text, layout);
  for (const QGlyphRun& run : layout.glyphs) painter.drawGlyphRun(topLeft, run);
}

QRect TextLayouts::Bounds(const DisplayText& text) {
  if (text.text.isEmpty()) return QRect();
  const Layout& layout = LayoutOf(text.text);
  const QPointF topLeft = TopLeft(text, layout);
  return layout.ink.translated(static_cast<int>(std::floor(topLeft.x())), text.at.y());
}

TextLayouts& SharedTextLayouts(const QFont& font) {
  if (!g_sharedLayouts) qAddPostRoutine(ReleaseSharedLayouts);
  if (!g_sharedLayouts || g_sharedLayouts->Font() != font) g_sharedLayouts = std::make_unique<TextLayouts>(font);
  return *g_sharedLayouts;
}
