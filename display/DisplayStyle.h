#pragma once

// The look of the measurement picture: colours, pens and the text font.

#include <QColor>
#include <QFont>
#include <QPen>

#include <cstdint>

// The screen's look (black background, white texts and frame) or the paper's
// (white background, black texts, frame and handles).
struct DisplayStyle {
  QColor background;
  QColor text;
  QPen selected;  // the pen the renderers' frame and the handles are drawn with
  QPen penFrame, penGrid, penRuler, penCursor;
  QPen ch1, ch2;  // WithTraceColours sets them from g_settings' trace colours
  QFont textFont;

  bool operator==(const DisplayStyle&) const = default;
};
DisplayStyle ScreenStyle();
DisplayStyle PaperStyle();

// The style with g_settings' CH1 and CH2 colours on the trace pens.
DisplayStyle WithTraceColours(const DisplayStyle& style);

// A stored trace colour, COLORREF 0x00BBGGRR, as a colour to draw with.
QColor ColorFromColorref(uint32_t colorref);
