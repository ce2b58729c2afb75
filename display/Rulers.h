#pragma once

// The crosshair and the four measuring cursors: their start positions and
// the left-button dragging, on the ruler globals (g_crossX, g_cursorX1,
// g_handleX1, g_dragCross, ...). Positions are client pixels.

#include "display/ComposeDisplay.h"

#include <QPoint>

// Rulers switched off and no drag in progress (the view's first update).
void ClearRulerState();

// Puts the crosshair and the cursors at their start positions for the plot
// and their handles around them (every resize).
void PlaceRulers(const ViewGeometry& geometry);

// The left button went down at `at`: the crosshair is always dragged (and
// jumps to the press inside the plot); a press in a cursor's handle drags
// that cursor. Grabbing X1 or Y1 while its partner lies within 2 pixels
// first pushes the partner 5 pixels on, so the two can be told apart.
void RulerPress(QPoint at, const ViewGeometry& geometry);

// The mouse moved to `at`: every dragged line follows, kept on the plot.
void RulerMove(QPoint at, const ViewGeometry& geometry);

// The left button was released: nothing is dragged any more.
void RulerRelease();
