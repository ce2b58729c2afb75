#pragma once

// The parts of the measurement picture that every renderer shares: the
// 600 x 400 frame, the readout column to its right and the 10 x 10 grid with
// its axis labels. x, y is the plot's top-left corner.

#include "display/DisplayList.h"
#include "display/DisplayScales.h"

#include <QStringList>

#include <vector>

// The closed outline through the four corners, with the caller's pen.
void AddPlotFrame(DisplayList& out, int x, int y);

// Readout row r (1, 2, ...), left-aligned at (x + 630, y + 20 r).
void AddReadoutRow(DisplayList& out, int x, int y, int row, const QString& text);

// The nine horizontal grid lines, the Y labels, the nine vertical grid lines
// and the eleven X labels (centred below the plot), in this order.
void AddGridAndLabels(DisplayList& out, int x, int y, const std::vector<AxisLabel>& yLabels,
                      const QStringList& xLabels);
