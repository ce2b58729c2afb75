#pragma once

// The measurement picture: one composition for the screen, the bitmap export
// and the printed report, which differ only in the options below.

#include "analysis/TraceBuffer.h"
#include "display/DisplayList.h"
#include "display/DisplayStyle.h"
#include "display/PaintDisplayList.h"

#include <QSize>

class QImage;
class QPainter;

// The client area and the plot's top-left corner in it.
struct ViewGeometry {
  int clientWidth = 0;
  int clientHeight = 0;
  int plotLeft = 0;
  int plotTop = 0;
};

// plotLeft = (width - 600) / 4, plotTop = (height - 400) / 2 - 6, truncating.
ViewGeometry GeometryForClient(int clientWidth, int clientHeight);

// The smallest client area that holds the whole picture, in either language:
// the Y labels left of the plot, the readout column right of it, the X labels
// below and the handles above. A window with less room for the view shows
// the picture at this size, scrolled.
inline constexpr QSize kWholePictureClient{840, 436};

struct ComposeOptions {
  // Screen: CH2 then CH1 are measured before the renderer, so the readouts
  // show this frame's values. Export and report: the renderer runs first and
  // only CH1 is measured afterwards (the readouts show the last screen paint).
  bool measureBeforeRenderer = true;
  // Report: the crosshair lines take the pen of the last trace drawn.
  bool crosshairWithTracePen = false;
};

// Adds the whole picture to `out` in drawing order: handles, header, the
// renderer of g_settings.coordSystem, the traces, the crosshair, the cursors.
// Runs the measurements (writing g_settings) and, in the frequency domain,
// resets a positive baseline to 0, as a paint does.
void BuildDisplay(DisplayList& out, const TraceBuffer& ch1, const TraceBuffer& ch2, const ViewGeometry& geometry,
                  const ComposeOptions& options);

// Composes the picture into `image` (clientWidth x clientHeight, RGB32):
// BuildDisplay, then the whole image repainted with PaintDisplayRegion.
void ComposeDisplay(QImage& image, const TraceBuffer& ch1, const TraceBuffer& ch2, const ViewGeometry& geometry,
                    const ComposeOptions& options, const DisplayStyle& style);
// The same, building the picture in `list` (cleared first), so a caller that
// keeps the list between paints reuses its memory.
void ComposeDisplay(QImage& image, DisplayList& list, const TraceBuffer& ch1, const TraceBuffer& ch2,
                    const ViewGeometry& geometry, const ComposeOptions& options, const DisplayStyle& style);
