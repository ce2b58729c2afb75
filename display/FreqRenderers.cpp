// The three frequency-domain renderers. The spectrum's zero is the plot's
// bottom edge; the X readouts are frequencies of bins (one bin per pixel
// column). A coordinate system contributes its Y caption, its Y readouts,
// its frequency row formats and its Y labels.

#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"
#include "display/DisplayScales.h"
#include "display/PictureText.h"
#include "display/PlotLayout.h"
#include "display/Renderers.h"

#include <cstdlib>

namespace {

struct FreqSystemTexts {
  QString yCaption;          // row 2
  QString y1, y2, distance;  // rows 6, 7, 8
  QString crossY;            // row 12, while the Y ruler is on
  QString ch1Format;         // row 9
  QString ch2Format;         // row 10, stereo only
  std::vector<AxisLabel> yLabels;
};

void RenderFreqDomain(DisplayList& out, int x, int y, int sampleRate, const FreqSystemTexts& t) {
  const bool khz = g_settings.timeUnit == Milliseconds;
  const double freqFactor = FreqFactor(g_settings.timeUnit);

  AddPlotFrame(out, x, y);
  AddReadoutRow(out, x, y, 1, khz ? PictureText::tr("横轴[X]：频率[KHz]") : PictureText::tr("横轴[X]：频率[MHz]"));
  AddReadoutRow(out, x, y, 2, t.yCaption);
  AddReadoutRow(out, x, y, 3,
                FormatReadout(PictureText::tr("     X1：%.2f"), FreqOfColumn(g_cursorX1, x, sampleRate, freqFactor)));
  AddReadoutRow(out, x, y, 4,
                FormatReadout(PictureText::tr("     X2：%.2f"), FreqOfColumn(g_cursorX2, x, sampleRate, freqFactor)));
  AddReadoutRow(out, x, y, 5,
                FormatReadout(PictureText::tr("|X2-X1|：%.2f"),
                              std::abs(g_cursorX2 - g_cursorX1) * double(sampleRate) * freqFactor / 1024));
  AddReadoutRow(out, x, y, 6, t.y1);
  AddReadoutRow(out, x, y, 7, t.y2);
  AddReadoutRow(out, x, y, 8, t.distance);
  AddReadoutRow(out, x, y, 9, FormatReadout(t.ch1Format, g_settings.ch1Frequency));
  if (g_settings.channels == 2) AddReadoutRow(out, x, y, 10, FormatReadout(t.ch2Format, g_settings.ch2Frequency));
  if (g_rulerXOn) {
    AddReadoutRow(out, x, y, 11,
                  FormatReadout(PictureText::tr("标尺[X]：%.2f"), FreqOfColumn(g_crossX, x, sampleRate, freqFactor)));
  }
  if (g_rulerYOn) AddReadoutRow(out, x, y, 12, t.crossY);

  AddGridAndLabels(out, x, y, t.yLabels, FreqAxisLabels(sampleRate, g_settings.timeUnit));
}

}  // namespace

void RenderFreqLogic(DisplayList& out, int x, int y, int sampleRate) {
  const double upp = CurrentScales().unitsPerPixel;
  FreqSystemTexts t;
  t.yCaption = PictureText::tr("纵轴[Y]：逻辑电平");
  t.y1 = FormatReadout(PictureText::tr("     Y1：%.2f"), HeightAboveBottom(g_cursorY1, y) * upp);
  t.y2 = FormatReadout(PictureText::tr("     Y2：%.2f"), HeightAboveBottom(g_cursorY2, y) * upp);
  t.distance = FormatReadout(PictureText::tr("|Y2-Y1|：%0.2f"), std::abs(g_cursorY2 - g_cursorY1) * upp);
  t.crossY = FormatReadout(PictureText::tr("标尺[Y]：%.2f"), HeightAboveBottom(g_crossY, y) * upp);
  t.ch1Format = PictureText::tr("CH1频率：%d");
  t.ch2Format = PictureText::tr("CH2频率：%d");
  t.yLabels = FreqLogicLabels(g_settings.bitsPerSample);
  RenderFreqDomain(out, x, y, sampleRate, t);
}

void RenderFreqDecibel(DisplayList& out, int x, int y, int sampleRate) {
  // Absolute decibels of the magnitude in sample units (0 dB is 1 unit).
  const double upp = CurrentScales().unitsPerPixel;
  FreqSystemTexts t;
  t.yCaption = PictureText::tr("纵轴[Y]：分贝[db]");
  t.y1 = DecibelReadout(PictureText::tr("     Y1：%0.2f"), HeightAboveBottom(g_cursorY1, y) * upp);
  t.y2 = DecibelReadout(PictureText::tr("     Y2：%0.2f"), HeightAboveBottom(g_cursorY2, y) * upp);
  t.distance = DecibelReadout(PictureText::tr("|Y2-Y1|：%0.2f"), std::abs(g_cursorY1 - g_cursorY2) * upp);
  t.crossY = DecibelReadout(PictureText::tr("标尺[Y]：%0.2f"), HeightAboveBottom(g_crossY, y) * upp);
  t.ch1Format = PictureText::tr("CH1频率：%dHz");
  t.ch2Format = PictureText::tr("CH2频率：%dHz");
  t.yLabels = FreqDecibelLabels(g_settings.bitsPerSample);
  RenderFreqDomain(out, x, y, sampleRate, t);
}

void RenderFreqMillivolt(DisplayList& out, int x, int y, int sampleRate) {
  const double upp = CurrentScales().unitsPerPixel;
  const double vref = g_settings.voltageRefMv;
  const int logicRef = g_settings.logicRef;
  auto millivolts = [&](int heightPx) { return RoundByTenth(heightPx * upp * vref / logicRef); };
  FreqSystemTexts t;
  t.yCaption = PictureText::tr("纵轴[Y]：电压[mV]");
  t.y1 = FormatReadout(PictureText::tr("     Y1：%d"), millivolts(HeightAboveBottom(g_cursorY1, y)));
  t.y2 = FormatReadout(PictureText::tr("     Y2：%d"), millivolts(HeightAboveBottom(g_cursorY2, y)));
  t.distance = FormatReadout(PictureText::tr("|Y2-Y1|：%d"), millivolts(std::abs(g_cursorY2 - g_cursorY1)));
  t.crossY = FormatReadout(PictureText::tr("标尺[Y]：%d"), millivolts(HeightAboveBottom(g_crossY, y)));
  t.ch1Format = PictureText::tr("CH1频率：%dHz");
  t.ch2Format = PictureText::tr("CH2频率：%dHz");
  t.yLabels = FreqMillivoltLabels(g_settings.bitsPerSample, g_settings.voltageRefMv, logicRef);
  RenderFreqDomain(out, x, y, sampleRate, t);
}
