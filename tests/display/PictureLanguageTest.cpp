// The picture composed in English: its header, captions and readouts in the
// display list read in English, the numbers formatted exactly as in the
// Chinese original.
#include "support/EnglishTranslation.h"
#include "support/TestApplication.h"
#include "display/RenderTestSupport.h"
#include "app/Globals.h"
#include "display/ComposeDisplay.h"
#include "display/Rulers.h"

#include <gtest/gtest.h>

#include <map>

TEST(PictureLanguage, HeaderCaptionsAndReadoutsReadInEnglish) {
  EnsureApplication();
  EnglishTranslation english;
  const ViewGeometry g = GeometryForClient(1000, 600);
  const int x = g.plotLeft, y = g.plotTop;
  TraceBuffer silence;
  silence.fill(0);
  const struct {
    int mode, coordSystem, timeUnit;
    std::map<int, const char*> rows;  // row 0 is the header
  } cases[] = {
      {TimeDomain, LogicLevel, Milliseconds,
       {{0, "====Time domain===="}, {1, "X axis: milliseconds [ms]"}, {2, "Y axis: logic level"},
        {3, "     X1: 2.72"}, {5, "|X2-X1|: 8.16"}, {6, "1/|X2-X1|=123Hz"}, {7, "     Y1: 19661"},
        {9, "|Y2-Y1|: 39321.00"}, {10, "CH1 frequency: 0Hz"}, {11, "CH2 frequency: 0Hz"}, {12, "Ruler[X]: 6.80"},
        {13, "Ruler[Y]: 0.00"}}},
      {TimeDomain, Decibel, Microseconds,
       {{1, "X axis: microseconds [us]"}, {2, "Y axis: decibels [dB]"}, {3, "     X1: 2721.09"},
        {7, "     Y1: -4.44"}, {13, "Ruler[Y]: ∞"}}},
      {TimeDomain, Millivolt, Milliseconds,
       {{2, "Y axis: voltage [mV]"}, {12, "CH1-RMS: 0.00 mV"}, {13, "CH2-RMS: 0.00 mV"}, {14, "Ruler[X]: 6.80"},
        {15, "Ruler[Y]: 0.00"}}},
      {FrequencyDomain, Decibel, Milliseconds,
       {{0, "==Frequency domain=="}, {1, "X axis: frequency [kHz]"}, {2, "Y axis: decibels [dB]"},
        {3, "     X1: 5.17"}, {6, "     Y1: 94.39"}, {8, "|Y2-Y1|: 91.89"}, {9, "CH1 frequency: 431Hz"},
        {10, "CH2 frequency: 862Hz"}, {11, "Ruler[X]: 12.92"}, {12, "Ruler[Y]: 90.31"}}},
      {FrequencyDomain, LogicLevel, Microseconds,
       {{1, "X axis: frequency [MHz]"}, {2, "Y axis: logic level"}, {9, "CH1 frequency: 431"}}},
      {FunctionSignal, LogicLevel, Milliseconds, {{0, "==Function signal=="}, {2, "Y axis: logic level"}}},
  };
  for (const auto& c : cases) {
    ResetGlobals();
    g_displayMode = c.mode;
    g_settings.coordSystem = c.coordSystem;
    g_settings.timeUnit = c.timeUnit;
    // The spectrum's peaks, as the frame conversion leaves them.
    g_settings.ch1Frequency = 431;
    g_settings.ch2Frequency = 862;
    PlaceRulers(g);
    g_rulerXOn = g_rulerYOn = true;
    DisplayList list;
    BuildDisplay(list, silence, silence, g, ComposeOptions{});
    for (const auto& [row, text] : c.rows) {
      EXPECT_EQ(RowText(list, x, y, row).toStdString(), text)
          << "mode " << c.mode << " system " << c.coordSystem << " row " << row;
    }
  }
  ResetGlobals();
}
