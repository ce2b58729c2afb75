// The three time-domain renderers (also used in function-signal mode). They
// share the frame, the X readouts, the frequency rows, the crosshair X row and
// the grid; a coordinate system contributes its Y caption, its Y readouts and
// its Y labels, and the millivolt system its two RMS rows.

#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"
#include "display/DisplayScales.h"
#include "display/PictureText.h"
#include "display/PlotLayout.h"
#include "display/Renderers.h"

#include <cmath>
#include <cstdlib>

namespace {

// What one coordinate system writes; the rows are ready-made texts.
struct TimeSystemTexts {
  QString yCaption;          // row 2
  QString y1, y2, distance;  // rows 7, 8, 9
  QString crossY;            // written while the Y ruler is on
  bool millivoltRows = false;  // RMS rows 12, 13 and the crosshair at 14, 15
  QString rms1, rms2;
  std::vector<AxisLabel> yLabels;
};

// The RMS values are live measurements: shown only for live input in the time
// domain, not for the frozen sample, the generated signal or a replay.
bool RmsShown() {
  return g_displayMode == TimeDomain && g_recordState != Playing && g_recordState != Paused && g_showRealTime;
}

void RenderTimeDomain(DisplayList& out, int x, int y, int sampleRate, const TimeSystemTexts& t) {
  const bool ms = g_settings.timeUnit == Milliseconds;
  const double timeFactor = TimeFactor(g_settings.timeUnit);
  const int cursorGap = std::abs(g_cursorX2 - g_cursorX1);

  AddPlotFrame(out, x, y);
  AddReadoutRow(out, x, y, 1, ms ? PictureText::tr("横轴[X]：毫秒[ms]") : PictureText::tr("横轴[X]：微秒[us]"));
  AddReadoutRow(out, x, y, 2, t.yCaption);
  AddReadoutRow(out, x, y, 3,
                FormatReadout(PictureText::tr("     X1：%0.2f"), TimeOfColumn(g_cursorX1, x, sampleRate, timeFactor)));
  AddReadoutRow(out, x, y, 4,
                FormatReadout(PictureText::tr("     X2：%0.2f"), TimeOfColumn(g_cursorX2, x, sampleRate, timeFactor)));
  AddReadoutRow(out, x, y, 5, FormatReadout(PictureText::tr("|X2-X1|：%0.2f"), cursorGap * timeFactor / sampleRate));
  // Coinciding cursors enclose no period: the reciprocal is shown as infinite.
  AddReadoutRow(out, x, y, 6,
                cursorGap == 0 ? QStringLiteral("1/|X2-X1|=∞Hz")
                               : QString::asprintf("1/|X2-X1|=%dHz", RoundByTenth(double(sampleRate) / cursorGap)));
  AddReadoutRow(out, x, y, 7, t.y1);
  AddReadoutRow(out, x, y, 8, t.y2);
  AddReadoutRow(out, x, y, 9, t.distance);
  AddReadoutRow(out, x, y, 10, FormatReadout(PictureText::tr("CH1频率：%dHz"), g_settings.ch1Frequency));
  AddReadoutRow(out, x, y, 11, FormatReadout(PictureText::tr("CH2频率：%dHz"), g_settings.ch2Frequency));
  if (t.millivoltRows && RmsShown()) {
    AddReadoutRow(out, x, y, 12, t.rms1);
    AddReadoutRow(out, x, y, 13, t.rms2);
  }
  const int crossRow = t.millivoltRows ? 14 : 12;
  if (g_rulerXOn) {
    AddReadoutRow(out, x, y, crossRow,
                  FormatReadout(PictureText::tr("标尺[X]：%0.2f"), TimeOfColumn(g_crossX, x, sampleRate, timeFactor)));
  }
  if (g_rulerYOn) AddReadoutRow(out, x, y, crossRow + 1, t.crossY);

  AddGridAndLabels(out, x, y, t.yLabels, TimeAxisLabels(sampleRate, timeFactor));
}

}  // namespace

void RenderTimeLogic(DisplayList& out, int x, int y, int sampleRate) {
  const double upp = CurrentScales().unitsPerPixel;
  TimeSystemTexts t;
  t.yCaption = PictureText::tr("纵轴[Y]：逻辑电平");
  t.y1 = FormatReadout(PictureText::tr("     Y1：%d"), RoundByTenth(HeightAboveZero(g_cursorY1, y) * upp));
  t.y2 = FormatReadout(PictureText::tr("     Y2：%d"), RoundByTenth(HeightAboveZero(g_cursorY2, y) * upp));
  t.distance = FormatReadout(PictureText::tr("|Y2-Y1|：%0.2f"), std::abs(g_cursorY2 - g_cursorY1) * upp);
  t.crossY = FormatReadout(PictureText::tr("标尺[Y]：%.2f"), HeightAboveZero(g_crossY, y) * upp);
  t.yLabels = TimeLogicLabels(g_settings.bitsPerSample);
  RenderTimeDomain(out, x, y, sampleRate, t);
}

void RenderTimeDecibel(DisplayList& out, int x, int y, int sampleRate) {
  const SampleScales s = CurrentScales();
  // Relative amplitude of a height in pixels: 1 at the top and bottom lines.
  auto relative = [&](int heightPx) { return std::abs(heightPx) * s.unitsPerPixel / s.fullScale; };
  TimeSystemTexts t;
  t.yCaption = PictureText::tr("纵轴[Y]：分贝[db]");
  t.y1 = DecibelReadout(PictureText::tr("     Y1：%0.2f"), relative(HeightAboveZero(g_cursorY1, y)));
  t.y2 = DecibelReadout(PictureText::tr("     Y2：%0.2f"), relative(HeightAboveZero(g_cursorY2, y)));
  t.distance = DecibelReadout(PictureText::tr("|Y2-Y1|：%0.2f"), relative(g_cursorY2 - g_cursorY1));
  const int crossHeight = HeightAboveZero(g_crossY, y);
  t.crossY = crossHeight == 0 ? PictureText::tr("标尺[Y]：∞")
                              : DecibelReadout(PictureText::tr("标尺[Y]：%0.2f"), relative(crossHeight));
  t.yLabels = TimeDecibelLabels();
  RenderTimeDomain(out, x, y, sampleRate, t);
}

void RenderTimeMillivolt(DisplayList& out, int x, int y, int sampleRate) {
  const double upp = CurrentScales().unitsPerPixel;
  // Computed once per paint in single precision; every millivolt value and
  // label below goes through this rounded factor.
  const float mvPerUnit = g_settings.voltageRefMv / g_settings.logicRef;
  TimeSystemTexts t;
  t.yCaption = PictureText::tr("纵轴[Y]：电压[mV]");
  t.y1 = FormatReadout(PictureText::tr("     Y1：%.2f"), HeightAboveZero(g_cursorY1, y) * upp * mvPerUnit);
  t.y2 = FormatReadout(PictureText::tr("     Y2：%.2f"), HeightAboveZero(g_cursorY2, y) * upp * mvPerUnit);
  t.distance = FormatReadout(PictureText::tr("|Y2-Y1|：%.2f"), std::abs(g_cursorY2 - g_cursorY1) * upp * mvPerUnit);
  t.crossY = FormatReadout(PictureText::tr("标尺[Y]：%0.2f"), HeightAboveZero(g_crossY, y) * upp * mvPerUnit);
  t.millivoltRows = true;
  t.rms1 = FormatReadout(PictureText::tr("CH1-RMS：%0.2f mV"), double(g_settings.ch1Rms) * mvPerUnit);
  t.rms2 = FormatReadout(PictureText::tr("CH2-RMS：%0.2f mV"), double(g_settings.ch2Rms) * mvPerUnit);
  t.yLabels = TimeMillivoltLabels(upp, mvPerUnit);
  RenderTimeDomain(out, x, y, sampleRate, t);
}
