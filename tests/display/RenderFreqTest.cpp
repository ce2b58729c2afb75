// The frequency-domain renderers: captions, readout rows and labels.

#include "RenderTestSupport.h"
#include "display/Renderers.h"

#include <array>
#include <functional>

namespace {


// 44100 Hz in kHz, 16-bit, stereo, both rulers on; cursors at their start
// positions (X at 120 and 480 px, Y 320 and 80 px above the bottom), the
// horizontal ruler 200 px above the bottom.
class FreqRenderTest : public RenderTest {
 protected:
  FreqRenderTest() {
    g_displayMode = FrequencyDomain;
    g_settings.logicRef = 1;
    g_settings.voltageRefMv = 1;
    g_settings.ch1Frequency = 431;
    g_settings.ch2Frequency = 862;
  }
};

const std::array<Renderer, 3> kAllFreqRenderers = {RenderFreqLogic, RenderFreqDecibel, RenderFreqMillivolt};

TEST_F(FreqRenderTest, RowsSharedByAllSystems) {
  for (const Renderer& render : kAllFreqRenderers) {
    const DisplayList list = Render(render);
    EXPECT_EQ(Row(list, 1), Q("横轴[X]：频率[KHz]"));
    EXPECT_EQ(Row(list, 3), Q("     X1：5.17"));   // 120 bins of 43.07 Hz
    EXPECT_EQ(Row(list, 4), Q("     X2：20.67"));
    EXPECT_EQ(Row(list, 5), Q("|X2-X1|：15.50"));
    EXPECT_EQ(Row(list, 11), Q("标尺[X]：12.92"));
    EXPECT_TRUE(Row(list, 13).isNull());  // no reciprocal, no RMS: nothing below the crosshair
  }
}

TEST_F(FreqRenderTest, MegahertzCaptionAndValues) {
  g_settings.timeUnit = Microseconds;
  for (const Renderer& render : kAllFreqRenderers) {
    const DisplayList list = Render(render);
    EXPECT_EQ(Row(list, 1), Q("横轴[X]：频率[MHz]"));
    EXPECT_EQ(Row(list, 3), Q("     X1：0.01"));
    EXPECT_EQ(Row(list, 4), Q("     X2：0.02"));
    EXPECT_EQ(TextsAnchored(list, TextAnchor::CentreTop), QStringList(11, "0"));
  }
}

TEST_F(FreqRenderTest, LogicLevelReadouts) {
  DisplayList list = Render(RenderFreqLogic);
  EXPECT_EQ(Row(list, 2), Q("纵轴[Y]：逻辑电平"));
  EXPECT_EQ(Row(list, 6), Q("     Y1：52428.00"));
  EXPECT_EQ(Row(list, 7), Q("     Y2：13107.00"));
  EXPECT_EQ(Row(list, 8), Q("|Y2-Y1|：39321.00"));
  EXPECT_EQ(Row(list, 9), Q("CH1频率：431"));  // no unit in this system
  EXPECT_EQ(Row(list, 10), Q("CH2频率：862"));
  EXPECT_EQ(Row(list, 12), Q("标尺[Y]：32767.50"));

  g_settings.bitsPerSample = 8;
  list = Render(RenderFreqLogic);
  EXPECT_EQ(Row(list, 6), Q("     Y1：204.80"));
  EXPECT_EQ(Row(list, 7), Q("     Y2：51.20"));
  EXPECT_EQ(Row(list, 8), Q("|Y2-Y1|：153.60"));
  EXPECT_EQ(Row(list, 12), Q("标尺[Y]：128.00"));
}

TEST_F(FreqRenderTest, DecibelReadoutsAreAbsolute) {
  DisplayList list = Render(RenderFreqDecibel);
  EXPECT_EQ(Row(list, 2), Q("纵轴[Y]：分贝[db]"));
  EXPECT_EQ(Row(list, 6), Q("     Y1：94.39"));
  EXPECT_EQ(Row(list, 7), Q("     Y2：82.35"));
  EXPECT_EQ(Row(list, 8), Q("|Y2-Y1|：91.89"));
  EXPECT_EQ(Row(list, 9), Q("CH1频率：431Hz"));
  EXPECT_EQ(Row(list, 10), Q("CH2频率：862Hz"));
  EXPECT_EQ(Row(list, 12), Q("标尺[Y]：90.31"));

  g_settings.bitsPerSample = 8;
  list = Render(RenderFreqDecibel);
  EXPECT_EQ(Row(list, 6), Q("     Y1：46.23"));
  EXPECT_EQ(Row(list, 7), Q("     Y2：34.19"));
  EXPECT_EQ(Row(list, 8), Q("|Y2-Y1|：43.73"));
  EXPECT_EQ(Row(list, 12), Q("标尺[Y]：42.14"));
}

TEST_F(FreqRenderTest, DecibelOnTheTopAndBottomLines) {
  g_cursorY1 = y;  // full height: 65535 or 256 units
  g_cursorY2 = y + 400;
  g_crossY = y + 400;
  DisplayList list = Render(RenderFreqDecibel);
  EXPECT_EQ(Row(list, 6), Q("     Y1：96.33"));
  EXPECT_EQ(YLabelAt(list, x, y, -6), Q("96"));
  EXPECT_EQ(Row(list, 7), Q("     Y2：-∞"));
  EXPECT_EQ(Row(list, 8), Q("|Y2-Y1|：96.33"));
  EXPECT_EQ(Row(list, 12), Q("标尺[Y]：-∞"));

  g_settings.bitsPerSample = 8;
  g_cursorY2 = y;
  list = Render(RenderFreqDecibel);
  EXPECT_EQ(Row(list, 6), Q("     Y1：48.16"));
  EXPECT_EQ(YLabelAt(list, x, y, -6), Q("48.16"));
  EXPECT_EQ(Row(list, 8), Q("|Y2-Y1|：-∞"));  // coinciding cursors
}

TEST_F(FreqRenderTest, MillivoltReadoutsAreRounded) {
  DisplayList list = Render(RenderFreqMillivolt);
  EXPECT_EQ(Row(list, 2), Q("纵轴[Y]：电压[mV]"));
  EXPECT_EQ(Row(list, 6), Q("     Y1：52428"));
  EXPECT_EQ(Row(list, 7), Q("     Y2：13107"));
  EXPECT_EQ(Row(list, 8), Q("|Y2-Y1|：39321"));
  EXPECT_EQ(Row(list, 9), Q("CH1频率：431Hz"));
  EXPECT_EQ(Row(list, 10), Q("CH2频率：862Hz"));
  EXPECT_EQ(Row(list, 12), Q("标尺[Y]：32768"));  // 32767.5 rounded up

  g_settings.voltageRefMv = 1000;  // per 32768 units
  g_settings.logicRef = 32768;
  list = Render(RenderFreqMillivolt);
  EXPECT_EQ(Row(list, 6), Q("     Y1：1600"));  // 1599.98
  EXPECT_EQ(Row(list, 7), Q("     Y2：400"));
  EXPECT_EQ(Row(list, 8), Q("|Y2-Y1|：1200"));
  EXPECT_EQ(Row(list, 12), Q("标尺[Y]：1000"));

  g_settings.bitsPerSample = 8;
  g_settings.voltageRefMv = 1;
  g_settings.logicRef = 1;
  list = Render(RenderFreqMillivolt);
  EXPECT_EQ(Row(list, 6), Q("     Y1：205"));
  EXPECT_EQ(Row(list, 7), Q("     Y2：51"));
  EXPECT_EQ(Row(list, 8), Q("|Y2-Y1|：154"));
}

TEST_F(FreqRenderTest, ConditionalRows) {
  g_settings.channels = 1;  // no CH2 row in the frequency domain
  g_rulerXOn = g_rulerYOn = false;
  for (const Renderer& render : kAllFreqRenderers) {
    EXPECT_EQ(WrittenRows(Render(render), x, y), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  }
  g_rulerYOn = true;
  EXPECT_EQ(WrittenRows(Render(RenderFreqLogic), x, y), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 12}));
  g_settings.channels = 2;
  g_rulerXOn = true;
  g_rulerYOn = false;
  EXPECT_EQ(WrittenRows(Render(RenderFreqMillivolt), x, y), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(FreqRenderTest, XLabelsInWholeKilohertz) {
  const QStringList at44100{"0", "3", "5", "8", "10", "13", "16", "18", "21", "23", "26"};
  const QStringList at48000{"0", "3", "6", "8", "11", "14", "17", "20", "23", "25", "28"};
  for (const Renderer& render : kAllFreqRenderers) {
    EXPECT_EQ(TextsAnchored(Render(render), TextAnchor::CentreTop), at44100);
    g_settings.sampleRate = 48000;
    EXPECT_EQ(TextsAnchored(Render(render), TextAnchor::CentreTop), at48000);
    g_settings.sampleRate = 200000;  // the highest rate still gives whole MHz of 0
    g_settings.timeUnit = Microseconds;
    EXPECT_EQ(TextsAnchored(Render(render), TextAnchor::CentreTop), QStringList(11, "0"));
    g_settings.sampleRate = 44100;
    g_settings.timeUnit = Milliseconds;
  }
}

TEST_F(FreqRenderTest, LogicAndDecibelLabelTables) {
  const QStringList ll8{"256.00", "230.40", "204.80", "179.20", "153.60", "128.00",
                        "102.40", "76.80",  "51.20",  "25.60",  "0"};
  const QStringList ll16{"65535", "58982", "52428", "45875", "39321", "32768",
                         "26214", "19661", "13107", "6554",  "0"};
  const QStringList db8{"48.16", "47.25", "46.23", "45.07", "43.73", "42.14",
                        "40.21", "37.71", "34.19", "28.16", "0.00"};
  const QStringList db16{"96", "95", "94", "93", "92", "90", "88", "86", "82", "76", "0"};
  for (int bits : {8, 16}) {
    g_settings.bitsPerSample = static_cast<uint16_t>(bits);
    const DisplayList logic = Render(RenderFreqLogic);
    const DisplayList decibel = Render(RenderFreqDecibel);
    EXPECT_EQ(TextsAnchored(logic, TextAnchor::RightTop).size(), 11);
    EXPECT_EQ(TextsAnchored(decibel, TextAnchor::RightTop).size(), 11);
    for (int j = 0; j <= 10; ++j) {
      EXPECT_EQ(YLabelAt(logic, x, y, 40 * j - 6), (bits == 8 ? ll8 : ll16)[j]) << bits << " " << j;
      EXPECT_EQ(YLabelAt(decibel, x, y, 40 * j - 6), (bits == 8 ? db8 : db16)[j]) << bits << " " << j;
    }
  }
}

TEST_F(FreqRenderTest, MillivoltLabelsFromTheBottomUp) {
  const int v16[] = {0, 6554, 13107, 19661, 26214, 32768, 39321, 45875, 52428, 58982, 65535};
  const int v8[] = {0, 26, 51, 77, 102, 128, 154, 179, 205, 230, 256};
  for (int bits : {16, 8}) {
    g_settings.bitsPerSample = static_cast<uint16_t>(bits);
    const DisplayList list = Render(RenderFreqMillivolt);
    EXPECT_EQ(TextsAnchored(list, TextAnchor::RightTop).size(), 11);
    for (int i = 0; i <= 10; ++i) {
      EXPECT_EQ(YLabelAt(list, x, y, 400 - 40 * i - 6), QString::number((bits == 16 ? v16 : v8)[i])) << bits << i;
    }
  }
  g_settings.bitsPerSample = 16;
  g_settings.voltageRefMv = 1000;
  g_settings.logicRef = 32768;
  const DisplayList list = Render(RenderFreqMillivolt);
  EXPECT_EQ(YLabelAt(list, x, y, -6), Q("2000"));     // 65535 units: 1999.97 mV
  EXPECT_EQ(YLabelAt(list, x, y, 354), Q("200"));     // one line up: 199.997 mV
}

}  // namespace
