#pragma once

#include <QRect>
#include <QSize>

// Dialog units to pixels, the way dialog templates are laid out: a horizontal
// unit is a quarter of the font's average letter width, a vertical unit an
// eighth of its height.
struct DialogBaseUnits {
  int x;  // average width of "A".."Z", "a".."z", in pixels
  int y;  // font height in pixels
};

// The base units every form of the program is laid out with: those of the
// 9-point "宋体" the templates were designed for, 6 x 12 px at 96 dpi. Forms
// keep their designed size whatever font then draws their text.
constexpr DialogBaseUnits kTemplateBaseUnits{6, 12};

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// Each of x, y, width and height is converted on its own.
QRect DialogRect(const DialogBaseUnits& units, int x, int y, int w, int h);
QSize DialogSize(const DialogBaseUnits& units, int w, int h);
