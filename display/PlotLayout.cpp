#include "display/PlotLayout.h"

void AddPlotFrame(DisplayList& out, int x, int y) {
  const QPoint corners[5] = {{x, y}, {x + 600, y}, {x + 600, y + 400}, {x, y + 400}, {x, y}};
  for (int i = 0; i < 4; ++i) out.Line(corners[i], corners[i + 1], PenRole::Selected);
}

void AddReadoutRow(DisplayList& out, int x, int y, int row, const QString& text) {
  out.Text({x + 630, y + 20 * row}, TextAnchor::LeftTop, text);
}

void AddGridAndLabels(DisplayList& out, int x, int y, const std::vector<AxisLabel>& yLabels,
                      const QStringList& xLabels) {
  // The grid lines start one pixel inside the frame and end on its far edge,
  // which is not painted, so they never cover the frame.
  for (int j = 1; j <= 9; ++j) out.Line({x + 1, y + 40 * j}, {x + 600, y + 40 * j}, PenRole::Grid);
  for (const AxisLabel& label : yLabels) out.Text({x - 6, y + label.top}, TextAnchor::RightTop, label.text);
  for (int i = 1; i <= 9; ++i) out.Line({x + 60 * i, y + 1}, {x + 60 * i, y + 400}, PenRole::Grid);
  for (int i = 0; i < xLabels.size(); ++i) out.Text({x + 60 * i, y + 406}, TextAnchor::CentreTop, xLabels[i]);
}
