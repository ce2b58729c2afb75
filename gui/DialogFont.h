#pragma once

#include <QFont>

// The dialog templates' font, 9-point "宋体". It is asked for by a family list
// so all text comes from one CJK font where SimSun is not installed, and its
// size is given in pixels (9 pt at 96 dpi = 12 px) so forms placed in dialog
// units have the same geometry on every screen.
QFont DialogFont();
