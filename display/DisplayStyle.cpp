#include "display/DisplayStyle.h"

#include "app/Globals.h"

#include <QStringList>

namespace {

QPen Pen(const QColor& colour, Qt::PenStyle style) {
  QPen pen(colour, 1, style);
  pen.setCosmetic(true);  // one device pixel whatever the painter's transform
  return pen;
}

// 9-point "宋体". The size is given in pixels (9 pt at 96 dpi = 12 px) so the
// picture is the same on every screen; the family list makes all the text
// come from one CJK font where SimSun is not installed. Glyphs are drawn
// without antialiasing, in the text colour only, like the rest of the picture
// (the painter's text hint alone does not stop FreeType from smoothing).
QFont TextFont() {
  QFont font;
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("WenQuanYi Micro Hei"),
                    QStringLiteral("Noto Sans CJK SC")});
  font.setPixelSize(12);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

DisplayStyle CommonStyle() {
  DisplayStyle s;
  s.penGrid = Pen(QColor(0, 0, 120), Qt::DotLine);
  s.penRuler = Pen(QColor(255, 255, 255), Qt::DotLine);
  s.penCursor = Pen(QColor(0, 200, 0), Qt::DotLine);
  s.ch1 = Pen(QColor(255, 255, 0), Qt::SolidLine);
  s.ch2 = Pen(QColor(0, 255, 255), Qt::SolidLine);
  s.textFont = TextFont();
  return s;
}

}  // namespace

DisplayStyle ScreenStyle() {
  DisplayStyle s = CommonStyle();
  s.background = QColor(0, 0, 0);
  s.text = QColor(255, 255, 255);
  s.penFrame = s.selected = Pen(QColor(255, 255, 255), Qt::SolidLine);
  return s;
}

DisplayStyle PaperStyle() {
  // Paper keeps the painter's defaults: black text and a solid black pen on white.
  DisplayStyle s = CommonStyle();
  s.background = QColor(255, 255, 255);
  s.text = QColor(0, 0, 0);
  s.penFrame = s.selected = Pen(QColor(0, 0, 0), Qt::SolidLine);
  return s;
}

DisplayStyle WithTraceColours(const DisplayStyle& style) {
  DisplayStyle traced = style;
  traced.ch1.setColor(ColorFromColorref(g_settings.ch1Color));
  traced.ch2.setColor(ColorFromColorref(g_settings.ch2Color));
  return traced;
}

QColor ColorFromColorref(uint32_t colorref) {
  return QColor(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}
