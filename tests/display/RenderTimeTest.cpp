// The time-domain renderers: captions, readout rows, labels and grid.

#include "display/Renderers.h"
#include "RenderTestSupport.h"

#include <array>
#include <functional>

namespace {


// 44100 Hz in milliseconds, both rulers on, cursors at their start positions
// (X at 120 and 480 px, Y 120 px above and below the zero line), the
// horizontal ruler 7 px above the zero line.
class TimeRenderTest : public RenderTest {
 protected:
  TimeRenderTest() {
    g_settings.logicRef = 32768;
    g_settings.voltageRefMv = 1000;
    g_settings.ch1Frequency = 1000;
    g_settings.ch2Frequency = 250;
    g_settings.ch1Rms = 100;
    g_settings.ch2Rms = 2000;
    g_crossY = y + 193;
  }
};

const std::array<Renderer, 3> kAllTimeRenderers = {RenderTimeLogic, RenderTimeDecibel, RenderTimeMillivolt};

TEST_F(TimeRenderTest, RowsSharedByAllSystems) {
  for (const Renderer& render : kAllTimeRenderers) {
    const DisplayList list = Render(render);
    EXPECT_EQ(Row(list, 1), Q("横轴[X]：毫秒[ms]"));
    EXPECT_EQ(Row(list, 3), Q("     X1：2.72"));
    EXPECT_EQ(Row(list, 4), Q("     X2：10.88"));
    EXPECT_EQ(Row(list, 5), Q("|X2-X1|：8.16"));
    // 44100 / 360 = 122.5, a half rounded up by the tenths digit.
    EXPECT_EQ(Row(list, 6), Q("1/|X2-X1|=123Hz"));
    EXPECT_EQ(Row(list, 10), Q("CH1频率：1000Hz"));
    EXPECT_EQ(Row(list, 11), Q("CH2频率：250Hz"));
  }
}

TEST_F(TimeRenderTest, MicrosecondsChangeCaptionAndTimes) {
  g_settings.timeUnit = Microseconds;
  for (const Renderer& render : kAllTimeRenderers) {
    const DisplayList list = Render(render);
    EXPECT_EQ(Row(list, 1), Q("横轴[X]：微秒[us]"));
    EXPECT_EQ(Row(list, 3), Q("     X1：2721.09"));
    EXPECT_EQ(Row(list, 5), Q("|X2-X1|：8163.27"));
    EXPECT_EQ(Row(list, 6), Q("1/|X2-X1|=123Hz"));  // a frequency, whatever the time unit
  }
}

TEST_F(TimeRenderTest, LogicLevelReadouts) {
  DisplayList list = Render(RenderTimeLogic);
  EXPECT_EQ(Row(list, 2), Q("纵轴[Y]：逻辑电平"));
  // 120 px x 163.8375 = 19660.5: up to 19661 above the line, but the tenths
  // rounding truncates -19660.5 toward zero below it.
  EXPECT_EQ(Row(list, 7), Q("     Y1：19661"));
  EXPECT_EQ(Row(list, 8), Q("     Y2：-19660"));
  EXPECT_EQ(Row(list, 9), Q("|Y2-Y1|：39321.00"));
  EXPECT_EQ(Row(list, 12), Q("标尺[X]：6.80"));
  EXPECT_EQ(Row(list, 13), Q("标尺[Y]：1146.86"));

  g_settings.bitsPerSample = 8;
  list = Render(RenderTimeLogic);
  EXPECT_EQ(Row(list, 7), Q("     Y1：77"));
  EXPECT_EQ(Row(list, 8), Q("     Y2：-76"));
  EXPECT_EQ(Row(list, 9), Q("|Y2-Y1|：153.60"));
  EXPECT_EQ(Row(list, 13), Q("标尺[Y]：4.48"));
}

TEST_F(TimeRenderTest, DecibelReadouts) {
  for (int bits : {16, 8}) {
    g_settings.bitsPerSample = static_cast<uint16_t>(bits);
    const DisplayList list = Render(RenderTimeDecibel);
    EXPECT_EQ(Row(list, 2), Q("纵轴[Y]：分贝[db]"));
    // 0.6 of full scale above and below the line, 1.2 between the cursors.
    EXPECT_EQ(Row(list, 7), Q("     Y1：-4.44")) << bits;
    EXPECT_EQ(Row(list, 8), Q("     Y2：-4.44")) << bits;
    EXPECT_EQ(Row(list, 9), Q("|Y2-Y1|：1.58")) << bits;
    EXPECT_EQ(Row(list, 12), Q("标尺[X]：6.80"));
    EXPECT_EQ(Row(list, 13), Q("标尺[Y]：-29.12")) << bits;
  }
}

TEST_F(TimeRenderTest, DecibelCrosshairOnZeroAndFrameLines) {
  for (int bits : {16, 8}) {
    g_settings.bitsPerSample = static_cast<uint16_t>(bits);
    g_crossY = y + 200;
    EXPECT_EQ(Row(Render(RenderTimeDecibel), 13), Q("标尺[Y]：∞")) << bits;
    g_crossY = y;
    EXPECT_EQ(Row(Render(RenderTimeDecibel), 13), Q("标尺[Y]：0.00")) << bits;
    g_crossY = y + 400;
    EXPECT_EQ(Row(Render(RenderTimeDecibel), 13), Q("标尺[Y]：0.00")) << bits;
  }
}

TEST_F(TimeRenderTest, DecibelOfZeroCursorValuesReadsMinusInfinity) {
  g_cursorY1 = g_cursorY2 = y + 200;
  const DisplayList list = Render(RenderTimeDecibel);
  EXPECT_EQ(Row(list, 7), Q("     Y1：-∞"));
  EXPECT_EQ(Row(list, 8), Q("     Y2：-∞"));
  EXPECT_EQ(Row(list, 9), Q("|Y2-Y1|：-∞"));
}

TEST_F(TimeRenderTest, CoincidingCursorsGiveInfiniteReciprocal) {
  g_cursorX2 = g_cursorX1;
  for (const Renderer& render : kAllTimeRenderers) {
    const DisplayList list = Render(render);
    EXPECT_EQ(Row(list, 5), Q("|X2-X1|：0.00"));
    EXPECT_EQ(Row(list, 6), Q("1/|X2-X1|=∞Hz"));
  }
  g_cursorX2 = g_cursorX1 - 1;  // one sample apart, either way round
  EXPECT_EQ(Row(Render(RenderTimeLogic), 6), Q("1/|X2-X1|=44100Hz"));
}

TEST_F(TimeRenderTest, MillivoltReadouts) {
  // 1000 mV per 32768 units: 0.030517578125 mV per unit.
  const DisplayList list = Render(RenderTimeMillivolt);
  EXPECT_EQ(Row(list, 2), Q("纵轴[Y]：电压[mV]"));
  EXPECT_EQ(Row(list, 7), Q("     Y1：599.99"));
  EXPECT_EQ(Row(list, 8), Q("     Y2：-599.99"));
  EXPECT_EQ(Row(list, 9), Q("|Y2-Y1|：1199.98"));
  EXPECT_EQ(Row(list, 12), Q("CH1-RMS：3.05 mV"));
  EXPECT_EQ(Row(list, 13), Q("CH2-RMS：61.04 mV"));
  EXPECT_EQ(Row(list, 14), Q("标尺[X]：6.80"));
  EXPECT_EQ(Row(list, 15), Q("标尺[Y]：35.00"));
}

TEST_F(TimeRenderTest, RmsRowsOnlyForLiveTimeDomainInput) {
  struct Case {
    int32_t mode;
    int32_t record;
    bool live;
    bool shown;
  };
  const Case cases[] = {
      {TimeDomain, Idle, true, true},          {TimeDomain, Recording, true, true},
      {TimeDomain, Playing, true, false},      {TimeDomain, Paused, true, false},
      {TimeDomain, Idle, false, false},        {FunctionSignal, Idle, true, false},
  };
  for (const Case& c : cases) {
    g_displayMode = c.mode;
    g_recordState = c.record;
    g_showRealTime = c.live;
    const DisplayList list = Render(RenderTimeMillivolt);
    EXPECT_EQ(!Row(list, 12).isNull(), c.shown) << c.mode << " " << c.record << " " << c.live;
    EXPECT_EQ(!Row(list, 13).isNull(), c.shown) << c.mode << " " << c.record << " " << c.live;
    // The crosshair rows keep their places below the RMS rows.
    EXPECT_EQ(Row(list, 14), Q("标尺[X]：6.80"));
    EXPECT_EQ(Row(list, 15), Q("标尺[Y]：35.00"));
  }
  // The other systems never write RMS values.
  for (const Renderer& render : {Renderer(RenderTimeLogic), Renderer(RenderTimeDecibel)}) {
    for (const QString& text : TextsAnchored(Render(render), TextAnchor::LeftTop)) EXPECT_FALSE(text.contains("RMS"));
  }
}

TEST_F(TimeRenderTest, CrosshairRowsFollowTheRulerSwitches) {
  g_rulerXOn = g_rulerYOn = false;
  std::vector<int> expected{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  EXPECT_EQ(WrittenRows(Render(RenderTimeLogic), x, y), expected);
  EXPECT_EQ(WrittenRows(Render(RenderTimeDecibel), x, y), expected);
  expected.insert(expected.end(), {12, 13});  // the RMS rows
  EXPECT_EQ(WrittenRows(Render(RenderTimeMillivolt), x, y), expected);

  g_rulerYOn = true;  // only Y: row 12 (LL, dB) or 14 (mV) stays a gap
  DisplayList list = Render(RenderTimeDecibel);
  EXPECT_TRUE(Row(list, 12).isNull());
  EXPECT_EQ(Row(list, 13), Q("标尺[Y]：-29.12"));
  list = Render(RenderTimeMillivolt);
  EXPECT_TRUE(Row(list, 14).isNull());
  EXPECT_EQ(Row(list, 15), Q("标尺[Y]：35.00"));

  g_rulerXOn = true;
  g_rulerYOn = false;
  list = Render(RenderTimeLogic);
  EXPECT_EQ(Row(list, 12), Q("标尺[X]：6.80"));
  EXPECT_TRUE(Row(list, 13).isNull());
}

TEST_F(TimeRenderTest, SecondChannelFrequencyWrittenWithOneChannel) {
  g_settings.channels = 1;
  for (const Renderer& render : kAllTimeRenderers) EXPECT_EQ(Row(Render(render), 11), Q("CH2频率：250Hz"));
}

TEST_F(TimeRenderTest, XLabelsAt44100Hz) {
  const QStringList ms{"0.00", "1.36", "2.72", "4.08", "5.44", "6.80", "8.16", "9.52", "10.88", "12.24", "13.61"};
  const QStringList us{"0.00",    "1360.54", "2721.09", "4081.63",  "5442.18", "6802.72",
                       "8163.27", "9523.81", "10884.35", "12244.90", "13605.44"};
  for (const Renderer& render : kAllTimeRenderers) {
    g_settings.timeUnit = Milliseconds;
    EXPECT_EQ(TextsAnchored(Render(render), TextAnchor::CentreTop), ms);
    g_settings.timeUnit = Microseconds;
    EXPECT_EQ(TextsAnchored(Render(render), TextAnchor::CentreTop), us);
  }
}

TEST_F(TimeRenderTest, LogicAndDecibelYLabelsOnTheGridLines) {
  const QStringList ll16{"32768", "26214", "19661", "13107", "6554", "0",
                         "-6554", "-13107", "-19661", "-26214", "-32768"};
  const QStringList ll8{"128.00", "102.40", "76.80",  "51.20",   "25.60",  "0.00",
                        "-25.60", "-51.20", "-76.80", "-102.40", "-128.00"};
  const QStringList db{"0.00", "-1.94", "-4.44", "-7.96", "-13.98", "-∞", "-13.98", "-7.96", "-4.44", "-1.94", "0.00"};
  for (int bits : {16, 8}) {
    g_settings.bitsPerSample = static_cast<uint16_t>(bits);
    const DisplayList logic = Render(RenderTimeLogic);
    const DisplayList decibel = Render(RenderTimeDecibel);
    EXPECT_EQ(TextsAnchored(logic, TextAnchor::RightTop).size(), 11);
    EXPECT_EQ(TextsAnchored(decibel, TextAnchor::RightTop).size(), 11);
    for (int j = 0; j <= 10; ++j) {
      EXPECT_EQ(YLabelAt(logic, x, y, 40 * j - 6), (bits == 16 ? ll16 : ll8)[j]) << bits << " " << j;
      EXPECT_EQ(YLabelAt(decibel, x, y, 40 * j - 6), db[j]) << bits << " " << j;
    }
  }
}

TEST_F(TimeRenderTest, MillivoltLabelsAreComputed) {
  g_settings.logicRef = 1;
  g_settings.voltageRefMv = 1;
  DisplayList list = Render(RenderTimeMillivolt);
  EXPECT_EQ(TextsAnchored(list, TextAnchor::RightTop).size(), 11);
  EXPECT_EQ(YLabelAt(list, x, y, 194), Q("0"));
  const int v16[] = {6554, 13107, 19661, 26214, 32768};
  for (int J = 1; J <= 5; ++J) {
    EXPECT_EQ(YLabelAt(list, x, y, 200 - 40 * J - 6), QString(" %1").arg(v16[J - 1]));
    EXPECT_EQ(YLabelAt(list, x, y, 200 + 40 * J - 6), QString("-%1").arg(v16[J - 1]));
  }

  g_settings.bitsPerSample = 8;
  list = Render(RenderTimeMillivolt);
  const int v8[] = {26, 51, 77, 102, 128};
  for (int J = 1; J <= 5; ++J) {
    EXPECT_EQ(YLabelAt(list, x, y, 200 - 40 * J - 6), QString(" %1").arg(v8[J - 1]));
    EXPECT_EQ(YLabelAt(list, x, y, 200 + 40 * J - 6), QString("-%1").arg(v8[J - 1]));
  }
}

TEST_F(TimeRenderTest, MillivoltScaleIsSinglePrecision) {
  // 5 mV per 3 units is 1.66666663 in single precision; in double precision
  // the first label would round up to 10923 instead.
  g_settings.voltageRefMv = 5;
  g_settings.logicRef = 3;
  const DisplayList list = Render(RenderTimeMillivolt);
  const int v[] = {10922, 21845, 32767, 43690, 54612};
  for (int J = 1; J <= 5; ++J) EXPECT_EQ(YLabelAt(list, x, y, 200 - 40 * J - 6), QString(" %1").arg(v[J - 1]));

  // The readouts use the same rounded factor: 14 px of 1/3 mV per unit give
  // 764.5750228 mV (764.5749999 in double precision).
  g_settings.voltageRefMv = 1;
  g_cursorY1 = y + 186;
  EXPECT_EQ(RowText(Render(RenderTimeMillivolt), x, y, 7), Q("     Y1：764.58"));
}

}  // namespace
