// The measurement picture: what is drawn, in which order, and the measurements
// and setting changes a paint makes on the way.
#include "display/ComposeDisplay.h"

#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"
#include "display/PictureText.h"
#include "display/Renderers.h"

#include <QImage>
#include <QPainter>

namespace {

void RenderTime(DisplayList& out, int x, int y) {
  const int rate = g_settings.sampleRate;
  switch (g_settings.coordSystem) {
    case LogicLevel: RenderTimeLogic(out, x, y, rate); break;
    case Decibel: RenderTimeDecibel(out, x, y, rate); break;
    case Millivolt: RenderTimeMillivolt(out, x, y, rate); break;
    default: break;  // an unknown system draws no renderer
  }
}

void RenderFreq(DisplayList& out, int x, int y) {
  const int rate = g_settings.sampleRate;
  switch (g_settings.coordSystem) {
    case LogicLevel: RenderFreqLogic(out, x, y, rate); break;
    case Decibel: RenderFreqDecibel(out, x, y, rate); break;
    case Millivolt: RenderFreqMillivolt(out, x, y, rate); break;
    default: break;
  }
}

// The export's and the report's single measurement: CH1 only, after the
// renderer has written its readouts.
void MeasureCh1(const TraceBuffer& ch1) {
  const TraceMeasurement m =
      MeasureTrace(ch1.data(), g_settings.triggerEdge, g_settings.triggerLevel, g_settings.sampleRate);
  g_settings.triggerIndex = m.triggerIndex;
  g_settings.ch1Frequency = m.frequency;
  g_settings.ch1Rms = m.rms;
}

// One channel's trace in the current mode; in the frequency domain a positive
// baseline is first reset to 0 (the stored setting changes).
void DrawChannel(DisplayList& out, const TraceBuffer& trace, int32_t phase, int32_t& baseline, PenRole pen,
                 const ViewGeometry& g) {
  const int x = g.plotLeft;
  switch (g_displayMode) {
    case TimeDomain:
      DrawTimeTrace(out, x, g.plotTop + baseline, trace, g_settings.triggerIndex + phase, pen);
      break;
    case FrequencyDomain:
      if (baseline > 0) baseline = 0;
      DrawSpectrumTrace(out, x, g.plotTop + baseline, trace, g.plotTop, pen);
      break;
    case FunctionSignal:
      DrawTimeTrace(out, x, g.plotTop + baseline, trace, 0, pen);
      break;
    default: break;
  }
}

}  // namespace

void BuildDisplay(DisplayList& out, const TraceBuffer& ch1, const TraceBuffer& ch2, const ViewGeometry& geometry,
                  const ComposeOptions& options) {
  const int x = geometry.plotLeft;
  const int y = geometry.plotTop;
  const QPoint header(x + 630, y);

  out.Handle(g_handleX1);
  out.Handle(g_handleX2);
  out.Handle(g_handleY1);
  out.Handle(g_handleY2);

  switch (g_displayMode) {
    case TimeDomain:
      out.Text(header, TextAnchor::LeftTop, PictureText::tr("======时域======="));
      if (options.measureBeforeRenderer) MeasureBothTraces(ch1, ch2, g_settings);
      RenderTime(out, x, y);
      if (!options.measureBeforeRenderer) MeasureCh1(ch1);
      break;
    case FrequencyDomain:
      out.Text(header, TextAnchor::LeftTop, PictureText::tr("======频域======="));
      RenderFreq(out, x, y);
      break;
    case FunctionSignal:
      out.Text(header, TextAnchor::LeftTop, PictureText::tr("====函数信号====="));
      RenderTime(out, x, y);
      break;
    default: break;  // an unknown mode shows only the handles and the rulers
  }

  DrawChannel(out, ch1, g_settings.ch1Phase, g_settings.ch1Baseline, PenRole::Ch1, geometry);
  const bool twoChannels = g_settings.channels == 2;
  if (twoChannels) DrawChannel(out, ch2, g_settings.ch2Phase, g_settings.ch2Baseline, PenRole::Ch2, geometry);

  // The report draws the crosshair with the pen of the last trace drawn.
  const PenRole crossPen =
      options.crosshairWithTracePen ? (twoChannels ? PenRole::Ch2 : PenRole::Ch1) : PenRole::Ruler;
  if (g_rulerXOn) out.Line({g_crossX, y}, {g_crossX, y + 400}, crossPen);
  if (g_rulerYOn) out.Line({x, g_crossY}, {x + 600, g_crossY}, crossPen);

  out.Line({g_cursorX1, y + 1}, {g_cursorX1, y + 400}, PenRole::Cursor);
  out.Line({g_cursorX2, y + 1}, {g_cursorX2, y + 400}, PenRole::Cursor);
  out.Line({x + 1, g_cursorY1}, {x + 600, g_cursorY1}, PenRole::Cursor);
  out.Line({x + 1, g_cursorY2}, {x + 600, g_cursorY2}, PenRole::Cursor);
}

void ComposeDisplay(QImage& image, DisplayList& list, const TraceBuffer& ch1, const TraceBuffer& ch2,
                    const ViewGeometry& geometry, const ComposeOptions& options, const DisplayStyle& style) {
  const QSize size(geometry.clientWidth, geometry.clientHeight);
  if (image.size() != size || image.format() != QImage::Format_RGB32) image = QImage(size, QImage::Format_RGB32);

  list.items.clear();
  BuildDisplay(list, ch1, ch2, geometry, options);
  if (image.isNull()) return;  // no client area: measured, but nothing to paint on
  const DisplayStyle traced = WithTraceColours(style);
  QPainter painter(&image);
  PaintDisplayRegion({image, QPoint(0, 0), painter}, QRegion(image.rect()), list, DisplayItemBounds(list, traced),
                     traced);
}

void ComposeDisplay(QImage& image, const TraceBuffer& ch1, const TraceBuffer& ch2, const ViewGeometry& geometry,
                    const ComposeOptions& options, const DisplayStyle& style) {
  // One list kept between paints (everything runs on the GUI thread), so a
  // paint reuses its capacity.
  static DisplayList list;
  ComposeDisplay(image, list, ch1, ch2, geometry, options, style);
}
