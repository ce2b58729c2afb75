// The two trace drawers. A trace is one polyline: a move to its first point
// and lines to the others. Both follow the drawing steps one to one, so the
// second point repeats the first (a line of no length, which paints nothing).

#include "display/DisplayScales.h"
#include "display/Renderers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// Pixel row of `value` drawn `scale` pixels per unit above `zero`; the scaled
// value is truncated toward zero. Values far beyond the plot saturate at the
// int range rather than overflow.
int RowOf(int zero, int32_t value, double scale) {
  const double row = zero - std::trunc(value * scale);
  constexpr double lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(row, lo, hi));
}

}  // namespace

void DrawTimeTrace(DisplayList& out, int x, int y, const TraceBuffer& trace, int start, PenRole pen) {
  if (start < 0) start = 0;
  const int zero = y + 200;
  const double k = CurrentScales().pixelsPerUnit;
  // Only the first 424 start positions are drawn; a later start is just the
  // pen move. The move's sample lies past the trace for a start of 1023 or
  // more, so it is taken from the trace's last element there.
  const int firstIndex = std::min(start, kTraceLength - 2) + 1;
  std::vector<QPoint> points;
  points.reserve(600);
  points.emplace_back(x + 1, RowOf(zero, trace[firstIndex], k));
  if (start < 424) {
    for (int i = 1; i <= 599; ++i) points.emplace_back(x + i, RowOf(zero, trace[start + i], k));
  }
  out.Polyline(std::move(points), pen);
}

void DrawSpectrumTrace(DisplayList& out, int x, int y, const TraceBuffer& trace, int plotTop, PenRole pen) {
  const int bottom = y + 400;
  const double k = CurrentScales().pixelsPerUnit;
  // Only the top is clamped, to the plot's edge (not to y, which a negative
  // baseline lifts above it).
  auto row = [&](int i) { return std::max(RowOf(bottom, trace[i], k), plotTop); };
  std::vector<QPoint> points;
  points.reserve(600);
  points.emplace_back(x + 1, row(1));
  for (int i = 1; i <= 599; ++i) points.emplace_back(x + i, row(i));
  out.Polyline(std::move(points), pen);
}
