// The time-domain and spectrum trace drawers.

#include "RenderTestSupport.h"
#include "display/Renderers.h"

namespace {

class TraceTest : public RenderTest {
 protected:
  TraceBuffer trace{};

  std::vector<QPoint> TimeTrace(int top, int start, PenRole pen = PenRole::Ch1) {
    DisplayList list;
    DrawTimeTrace(list, x, top, trace, start, pen);
    EXPECT_EQ(list.items.size(), 1u);
    const auto& line = std::get<DisplayPolyline>(list.items.at(0));
    EXPECT_EQ(line.pen, pen);
    return line.points;
  }
  std::vector<QPoint> Spectrum(int top, PenRole pen = PenRole::Ch2) {
    DisplayList list;
    DrawSpectrumTrace(list, x, top, trace, y, pen);
    EXPECT_EQ(list.items.size(), 1u);
    const auto& line = std::get<DisplayPolyline>(list.items.at(0));
    EXPECT_EQ(line.pen, pen);
    return line.points;
  }
  // A trace whose element i is i; with 16-bit scaling every 164 units are a
  // pixel, so mark the elements a test looks at with their own values.
  void Ramp() {
    for (int i = 0; i < kTraceLength; ++i) trace[i] = i;
  }
};

TEST_F(TraceTest, TimeTraceDrawsSamplesAfterTheStartOnePerColumn) {
  g_settings.bitsPerSample = 8;  // 1.5625 px per unit
  Ramp();
  const int zero = y + 200;
  const std::vector<QPoint> p = TimeTrace(y, 10);
  ASSERT_EQ(p.size(), 600u);
  // The move and the first line both go to sample start + 1.
  EXPECT_EQ(p[0], QPoint(x + 1, zero - 17));  // 11 x 1.5625 = 17.19
  EXPECT_EQ(p[1], QPoint(x + 1, zero - 17));
  EXPECT_EQ(p[2], QPoint(x + 2, zero - 18));  // 12 x 1.5625 = 18.75
  EXPECT_EQ(p[599], QPoint(x + 599, zero - 951));  // 609 x 1.5625 = 951.56
}

TEST_F(TraceTest, TimeTraceScalesTruncateTowardZero) {
  const int zero = y + 30 + 200;  // a baseline 30 px down
  trace[1] = 1;
  trace[2] = -1;
  trace[3] = -128;
  trace[4] = 127;
  g_settings.bitsPerSample = 8;
  std::vector<QPoint> p = TimeTrace(y + 30, 0);
  EXPECT_EQ(p[1].y(), zero - 1);    // 1.5625
  EXPECT_EQ(p[2].y(), zero + 1);    // -1.5625: toward zero, not down to -2
  EXPECT_EQ(p[3].y(), zero + 200);  // the bottom line
  EXPECT_EQ(p[4].y(), zero - 198);  // 198.44

  trace[1] = 163;     // 0.995 px
  trace[2] = -163;    // -0.995 px: still on the line
  trace[3] = -32768;  // -200 px
  trace[4] = -164;    // -1.001 px
  g_settings.bitsPerSample = 16;
  p = TimeTrace(y + 30, 0);
  EXPECT_EQ(p[1].y(), zero);
  EXPECT_EQ(p[2].y(), zero);
  EXPECT_EQ(p[3].y(), zero + 200);
  EXPECT_EQ(p[4].y(), zero + 1);
}

TEST_F(TraceTest, TimeTraceStartLimits) {
  g_settings.bitsPerSample = 8;
  Ramp();
  const int zero = y + 200;
  // A start before the trace is the start of the trace.
  EXPECT_EQ(TimeTrace(y, -5), TimeTrace(y, 0));

  // 423 is the last start drawn; its last column shows element 1022.
  trace[1022] = 100;  // 156.25 px
  trace[1023] = -100;
  std::vector<QPoint> p = TimeTrace(y, 423);
  ASSERT_EQ(p.size(), 600u);
  EXPECT_EQ(p[0], QPoint(x + 1, zero - 662));  // element 424: 662.5
  EXPECT_EQ(p[599], QPoint(x + 599, zero - 156));

  // From 424 on only the pen is moved: nothing is drawn.
  p = TimeTrace(y, 424);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0], QPoint(x + 1, zero - 664));  // element 425: 664.06

  // Starts at and beyond the trace's end still give the single move, taken
  // from the last element.
  for (int start : {1022, 1023, 5000}) {
    p = TimeTrace(y, start);
    ASSERT_EQ(p.size(), 1u) << start;
    EXPECT_EQ(p[0], QPoint(x + 1, zero + 156)) << start;
  }
}

TEST_F(TraceTest, SpectrumRisesFromTheBottomEdge) {
  g_settings.bitsPerSample = 16;
  trace[0] = 65536;  // the DC bin is never drawn
  trace[1] = 32768;  // half height: 200 px
  trace[2] = 163;    // under one pixel
  trace[599] = 6554;  // 40.002 px
  const int bottom = y + 400;
  const std::vector<QPoint> p = Spectrum(y);
  ASSERT_EQ(p.size(), 600u);
  EXPECT_EQ(p[0], QPoint(x + 1, bottom - 200));
  EXPECT_EQ(p[1], QPoint(x + 1, bottom - 200));
  EXPECT_EQ(p[2], QPoint(x + 2, bottom));
  EXPECT_EQ(p[3], QPoint(x + 3, bottom));
  EXPECT_EQ(p[599], QPoint(x + 599, bottom - 40));
  for (const QPoint& point : p) EXPECT_NE(point.y(), y) << "bin 0 drawn";

  g_settings.bitsPerSample = 8;
  trace[1] = 255;  // 398.4 px
  EXPECT_EQ(Spectrum(y)[1], QPoint(x + 1, bottom - 398));
}

TEST_F(TraceTest, SpectrumClampsToThePlotTopOnly) {
  g_settings.bitsPerSample = 16;
  trace[1] = 65536;    // exactly full height
  trace[2] = 70000;    // 427 px: past the top
  trace[3] = 2000000;  // far past it
  trace[4] = -1000;    // below the bottom is not clamped
  std::vector<QPoint> p = Spectrum(y);
  EXPECT_EQ(p[1].y(), y);
  EXPECT_EQ(p[2].y(), y);
  EXPECT_EQ(p[3].y(), y);
  EXPECT_EQ(p[4].y(), y + 400 + 6);

  // A baseline 30 px up lifts the zero above the frame's bottom edge; the
  // clamp stays at the plot's top, not 30 px above it.
  trace[5] = 0;
  trace[6] = 32768;
  p = Spectrum(y - 30);
  EXPECT_EQ(p[1].y(), y);
  EXPECT_EQ(p[5].y(), y + 370);
  EXPECT_EQ(p[6].y(), y + 170);
}

}  // namespace
