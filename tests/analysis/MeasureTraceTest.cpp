#include "analysis/SignalAnalysis.h"
#include "settings/SettingsRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

// A sine whose samples sit half a step off the zero crossings, so with
// shift 0.5 it rises through 0 at exactly the multiples of the period.
TraceBuffer Sine(double period, double amplitude, double shift = 0.5) {
  TraceBuffer t;
  for (int i = 0; i < kTraceLength; ++i)
    t[i] = static_cast<int32_t>(std::lround(amplitude * std::sin(2 * std::numbers::pi * (i + shift) / period)));
  return t;
}

// A flat trace at `floor` with the pair (first, second) written at each index.
TraceBuffer Steps(int32_t floor, int32_t first, int32_t second, std::initializer_list<int> at) {
  TraceBuffer t;
  t.fill(floor);
  for (int i : at) {
    t[i] = first;
    t[i + 1] = second;
  }
  return t;
}

}  // namespace

TEST(MeasureTrace, SineGivesItsTriggerFrequencyAndRmsOnEitherEdge) {
  const TraceBuffer sine = Sine(100, 1000);
  TraceMeasurement m = MeasureTrace(sine.data(), 0, 0, 44100);
  EXPECT_EQ(m.triggerIndex, 100);
  EXPECT_EQ(m.frequency, 441);
  EXPECT_EQ(m.rms, 707.0f);  // 1000 / sqrt(2) = 707.1
  m = MeasureTrace(sine.data(), 1, 0, 44100);
  EXPECT_EQ(m.triggerIndex, 50);
  EXPECT_EQ(m.frequency, 441);
  // 1000 sin(2 pi (i + 0.5) / 100) is 454 at i = 7 and 509 at i = 8.
  EXPECT_EQ(MeasureTrace(sine.data(), 0, 500, 44100).triggerIndex, 8);

  const TraceBuffer loud = Sine(96, 8000);
  m = MeasureTrace(loud.data(), 0, 0, 48000);
  EXPECT_EQ(m.frequency, 500);
  EXPECT_EQ(m.rms, 5657.0f);  // 8000 / sqrt(2) = 5656.85
}

TEST(MeasureTrace, CrossingNeedsTheNextSampleToMoveOnStrictly) {
  TraceBuffer t = Steps(-100, 20, 30, {50, 150, 250});
  t[51] = 20;  // a flat top at the level
  TraceMeasurement m = MeasureTrace(t.data(), 0, 20, 10000);
  EXPECT_EQ(m.triggerIndex, 150);
  EXPECT_EQ(m.frequency, 100);
  t[51] = 21;
  EXPECT_EQ(MeasureTrace(t.data(), 0, 20, 10000).triggerIndex, 50);

  TraceBuffer f = Steps(100, -20, -30, {60, 160, 360});
  f[61] = -20;
  m = MeasureTrace(f.data(), 1, -20, 10000);
  EXPECT_EQ(m.triggerIndex, 160);
  EXPECT_EQ(m.frequency, 50);
}

TEST(MeasureTrace, CrossingsOnlyAfterIndex423LeaveFirstAtZero) {
  const TraceBuffer t = Steps(-10, 10, 20, {500, 700});
  const TraceMeasurement m = MeasureTrace(t.data(), 0, 0, 44100);
  EXPECT_EQ(m.triggerIndex, 0);
  EXPECT_EQ(m.frequency, 88);  // second = 500: 44100 / 500 = 88.2
  EXPECT_EQ(m.rms, 10.0f);     // over values 0 .. 499
}

TEST(MeasureTrace, WithoutASecondCrossingReportsNoFrequencyAndTheWholeTraceRms) {
  TraceBuffer t = Steps(-30, 0, 10, {100});  // the only crossing
  for (int i = 512; i < kTraceLength; ++i) t[i] = 40;
  TraceMeasurement m = MeasureTrace(t.data(), 0, 0, 44100);
  EXPECT_EQ(m.triggerIndex, 100);
  EXPECT_EQ(m.frequency, 0);
  EXPECT_EQ(m.rms, 35.0f);  // sqrt((510 * 900 + 100 + 512 * 1600) / 1024) = 35.33

  t.fill(-30);  // no crossing at all
  m = MeasureTrace(t.data(), 0, 0, 44100);
  EXPECT_EQ(m.triggerIndex, 0);
  EXPECT_EQ(m.frequency, 0);
  EXPECT_EQ(m.rms, 30.0f);

  const TraceBuffer sine = Sine(100, 1000);  // edge 2 never crosses
  m = MeasureTrace(sine.data(), 2, 0, 44100);
  EXPECT_EQ(m.triggerIndex, 0);
  EXPECT_EQ(m.frequency, 0);
  EXPECT_NEAR(m.rms, 707.0f, 1.0f);
}

TEST(MeasureBothTraces, LeavesCh1TriggerAndEachChannelsOwnReadings) {
  SettingsRecord s = DefaultSettings();
  s.sampleRate = 44100;
  s.triggerEdge = 0;
  s.triggerLevel = 0;
  const TraceBuffer ch1 = Sine(100, 1000);
  const TraceBuffer ch2 = Sine(50, 2000, 20.5);  // rises through 0 at 30, 80, ...
  MeasureBothTraces(ch1, ch2, s);
  EXPECT_EQ(s.triggerIndex, 100);
  EXPECT_EQ(s.ch1Frequency, 441);
  EXPECT_EQ(s.ch1Rms, 707.0f);
  EXPECT_EQ(s.ch2Frequency, 882);
  EXPECT_EQ(s.ch2Rms, 1414.0f);
  MeasureBothTraces(ch2, ch1, s);
  EXPECT_EQ(s.triggerIndex, 30);
  EXPECT_EQ(s.ch2Frequency, 441);
}
