// The picture composed in English: header, captions and readouts in the
// display list, the numbers formatted as in the Chinese original.
#include "support/EnglishTranslation.h"
#include "support/TestApplication.h"
#include "display/RenderTestSupport.h"
#include "display/ComposeDisplay.h"
#include "display/Rulers.h"

#include <map>

TEST(PictureLanguage, HeaderCaptionsAndReadoutsReadInEnglish) {
  EnsureApplication();
  EnglishTranslation english;
  const ViewGeometry g = GeometryForClient(1000, 600);
  TraceBuffer silence{};
  const struct {
    int mode, coordSystem, timeUnit;
    std::map<int, const char*> rows;  // row 0 is the header
  } cases[] = {
      {TimeDomain, LogicLevel, Milliseconds,
       {{0, "====Time domain===="}, {1, "X axis: milliseconds [ms]"}, {2, "Y axis: logic level"},
        {3, "     X1: 2.72"}, {6, "1/|X2-X1|=123Hz"}, {9, "|Y2-Y1|: 39321.00"}, {10, "CH1 frequency: 0Hz"},
        {12, "Ruler[X]: 6.80"}}},
      {TimeDomain, Millivolt, Microseconds,
       {{1, "X axis: microseconds [us]"}, {2, "Y axis: voltage [mV]"}, {12, "CH1-RMS: 0.00 mV"},
        {15, "Ruler[Y]: 0.00"}}},
      {FrequencyDomain, Decibel, Milliseconds,
       {{0, "==Frequency domain=="}, {1, "X axis: frequency [kHz]"}, {2, "Y axis: decibels [dB]"},
        {6, "     Y1: 94.39"}, {9, "CH1 frequency: 431Hz"}, {12, "Ruler[Y]: 90.31"}}},
      {FunctionSignal, Decibel, Milliseconds, {{0, "==Function signal=="}, {13, "Ruler[Y]: ∞"}}},
  };
  for (const auto& c : cases) {
    ResetGlobals();
    g_displayMode = c.mode;
    g_settings.coordSystem = c.coordSystem;
    g_settings.timeUnit = c.timeUnit;
    g_settings.ch1Frequency = 431;  // the spectrum's peak, as the frame conversion leaves it
    PlaceRulers(g);
    g_rulerXOn = g_rulerYOn = true;
    DisplayList list;
    BuildDisplay(list, silence, silence, g, ComposeOptions{});
    for (const auto& [row, text] : c.rows)
      EXPECT_EQ(RowText(list, g.plotLeft, g.plotTop, row).toStdString(), text) << "mode " << c.mode << " row " << row;
  }
  ResetGlobals();
}
