#include "generator/SignalSynthesis.h"
#include "settings/GeneratorParams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// The generator written out plainly, one channel at a time: period P in
// bytes, N samples per period, H frames per half period, phase step 2π/N
// (2π as 6.283185307), triangle step 8AC/P, each value truncated toward zero.
std::vector<int16_t> ReferenceChannel(const WaveChannel& c, int rate, int channels, long frames) {
  const long p = static_cast<long>(2.0 * rate * channels / c.freq), n = p / (2 * channels), h = p / (4 * channels);
  const double d = 8.0 * c.peak * channels / p;
  std::vector<int16_t> out;
  double phase = 0, v = -c.peak;
  bool up = false;
  for (long i = 0; i < frames; ++i, phase += 6.283185307 / n) {
    double s = 0;
    if (c.wave == Sine) s = std::trunc(std::sin(phase) * c.peak);
    if (c.wave == Square) s = std::sin(phase) >= 0 ? c.peak : -c.peak;
    if (c.wave == Triangle) {
      if (i % h == 0) up = !up;
      s = v = std::trunc(up ? v + d : v - d);
    }
    if (c.wave == Sawtooth) s = v = std::trunc((i % n == 0 ? -c.peak : v) + d / 2);
    out.push_back(static_cast<int16_t>(static_cast<long>(s) & 0xFFFF));
  }
  return out;
}

std::vector<int16_t> Samples(const std::vector<uint8_t>& bytes) {
  std::vector<int16_t> s(bytes.size() / 2);
  std::memcpy(s.data(), bytes.data(), 2 * s.size());
  return s;
}

}  // namespace

TEST(SignalSynthesis, CommonPeriodIsTheSmallestCountUpFromTheLarger) {
  for (uint64_t a = 1; a <= 60; ++a) {
    for (uint64_t b = 1; b <= 60; ++b) {
      uint64_t count = std::max(a, b);
      while (count % a != 0 || count % b != 0) ++count;
      ASSERT_EQ(CommonPeriodBytes(a, b), count) << a << ", " << b;
    }
  }
  EXPECT_EQ(CommonPeriodBytes(800000, 266666), 106666400000u);  // far beyond counting up
}

TEST(SignalSynthesis, TheLoopHoldsWholePeriodsOfBothChannelsInFrames) {
  struct Case {
    int rate, channels;
    WaveChannel left, right;
    int64_t leftP, rightP, leftFrames, rightFrames;
    uint64_t loopFrames, bytes;
    bool leftOnly;
  } const cases[] = {
      {44100, 2, {Sine, 1000, 1}, {Sine, 1000, 1}, 176, 176, 44, 44, 44, 4224, false},  // 24 periods
      {44100, 2, {Sine, 1000, 1}, {Sine, 500, 1}, 176, 352, 44, 88, 88, 4224, false},
      {44100, 1, {Sine, 1000, 1}, {Sine, 500, 1}, 88, 176, 44, 88, 88, 4224, false},  // the right still counts
      {44100, 1, {Sine, 1000, 1}, {Sine, 1000, 1}, 88, 88, 44, 44, 44, 4136, false},  // 47 periods reach 4096
      {44100, 2, {Sine, 10, 1}, {Sine, 7, 1}, 17640, 25200, 4410, 6300, 44100, 176400, false},
      // Periods that are no whole number of frames: the loop is counted in
      // frames (58 bytes are 14.5 frames; 74 periods of 14, not 73.5).
      {44100, 2, {Sine, 3000, 1}, {Sine, 3000, 1}, 58, 58, 14, 14, 14, 4144, false},
      {44100, 2, {Sine, 1500, 1}, {Square, 400, 1}, 117, 441, 29, 110, 3190, 12760, false},
      {44100, 2, {Triangle, 13, 1}, {Sawtooth, 13, 1}, 13569, 13569, 3392, 3392, 3392, 13568, false},
      // A triangle reverses every H = 22 frames: its period is 44, not N = 45.
      {44100, 2, {Triangle, 980, 1}, {Sine, 1000, 1}, 180, 176, 44, 44, 44, 4224, false},
      // The right channel of a mono signal is not synthesised: it counts N.
      {44100, 1, {Sine, 1000, 1}, {Triangle, 30000, 1}, 88, 2, 44, 1, 44, 4136, false},
      {200000, 2, {Sine, 1, 1}, {Sine, 3, 1}, 800000, 266666, 200000, 66666, 6666600000u, 16000000, true},
  };
  for (const Case& c : cases) {
    const FunctionSignalLayout l = PlanFunctionSignal(c.rate, c.channels, c.left, c.right);
    SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.channels << " ch, " << c.left.freq << "/"
                                    << c.right.freq);
    EXPECT_EQ(l.leftPeriodBytes, c.leftP);
    EXPECT_EQ(l.rightPeriodBytes, c.rightP);
    EXPECT_EQ(l.leftPeriodFrames, c.leftFrames);
    EXPECT_EQ(l.rightPeriodFrames, c.rightFrames);
    EXPECT_EQ(l.loopFrames, c.loopFrames);
    EXPECT_EQ(l.bufferBytes, c.bytes);
    EXPECT_EQ(l.leftPeriodsOnly, c.leftOnly);
  }
}

TEST(SignalSynthesis, HighestFrequencyIsTheLastWhosePeriodIsLongEnough) {
  struct Case {
    int rate, channels, wave;
    bool heard;
    int64_t minFrames;
    int32_t highest;
  } const cases[] = {
      {44100, 2, Sine, true, 3, 14700},     {44100, 1, Square, true, 3, 14700},
      {44100, 2, Triangle, true, 3, 11025}, {44100, 2, Sawtooth, true, 3, 14700},
      {48000, 2, Sine, true, 3, 16000},     {44101, 2, Triangle, true, 3, 11025},
      {192000, 1, Triangle, true, 3, 48000}, {200000, 2, Sine, true, 3, 66666},
      {44100, 1, Triangle, false, 1, 44100},  // the unheard right of a mono signal
      {44100, 2, Sine, true, 44101, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.channels << " ch, wave " << c.wave);
    const int32_t h = HighestFrequency(c.rate, c.channels, c.wave, c.heard, c.minFrames);
    EXPECT_EQ(h, c.highest);
    if (h == 0) continue;
    EXPECT_GE(PeriodFrames(c.rate, c.channels, c.wave, h, c.heard), c.minFrames);
    EXPECT_LT(PeriodFrames(c.rate, c.channels, c.wave, h + 1, c.heard), c.minFrames);
  }
}

TEST(SignalSynthesis, FunctionSignalMatchesTheFormulasBitForBit) {
  struct Case {
    int rate, channels;
    WaveChannel left, right;
  } const cases[] = {
      {44100, 2, {Sine, 1000, 16384}, {Triangle, 2000, 16384}},
      {48000, 2, {Square, 997, 32767}, {Sawtooth, 440, 10}},
      {96000, 2, {Triangle, 3, 32767}, {Square, 5, 1000}},          // long periods, a large buffer
      {44100, 2, {Triangle, 22050, 32767}, {Sine, 44100, 32767}},   // the shortest periods synthesised
      {44100, 2, {Triangle, 13, 32767}, {Sawtooth, 13, 32767}},     // odd period length
      {192000, 1, {Sawtooth, 19000, 32767}, {Triangle, 1000, 1}},   // mono: the left only
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.channels << " ch, waves " << c.left.wave << "/"
                                    << c.right.wave);
    const FunctionSignalLayout layout = PlanFunctionSignal(c.rate, c.channels, c.left, c.right);
    const std::vector<uint8_t> bytes = SynthesizeFunctionSignal(layout, c.left, c.right, c.rate, c.channels);
    ASSERT_EQ(bytes.size(), layout.bufferBytes);
    const long frames = static_cast<long>(layout.bufferBytes / (2 * c.channels));
    const std::vector<int16_t> s = Samples(bytes);
    const auto left = ReferenceChannel(c.left, c.rate, c.channels, frames);
    const auto right = ReferenceChannel(c.right, c.rate, c.channels, frames);
    for (long i = 0; i < frames; ++i) {
      ASSERT_EQ(s[c.channels * i], left[i]) << "left, frame " << i;
      if (c.channels == 2) {
        ASSERT_EQ(s[2 * i + 1], right[i]) << "right, frame " << i;
      }
    }
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(frames * 2 * c.channels));  // whole frames only
  }
}

TEST(SignalSynthesis, WaveformsStartWhereTheyShouldAndUnknownOnesStaySilent) {
  // 1000 Hz, 44100 Hz stereo, peak 20000: P = 176, d = 8 × 20000 × 2 / 176 = 1818.2.
  const int firsts[][2] = {{Sine, 0}, {Triangle, -18181}, {Square, 20000}, {Sawtooth, -19090}, {4, 0}, {-1, 0}};
  const FunctionSignalLayout layout = PlanFunctionSignal(44100, 2, {Sine, 1000, 1}, {Sine, 1000, 1});
  for (const auto& [wave, first] : firsts) {
    const auto s = Samples(SynthesizeFunctionSignal(layout, {Sine, 1000, 100}, {wave, 1000, 20000}, 44100, 2));
    EXPECT_EQ(s[1], first) << "wave " << wave;
    int swing = 0;
    for (std::size_t i = 1; i < s.size(); i += 2) swing = std::max(swing, std::abs(s[i]));
    EXPECT_EQ(swing == 0, wave < 0 || wave > 3) << "wave " << wave;
  }
}

TEST(SignalSynthesis, SweepLengthSamplesAndClamps) {
  // 1000 ms at 44100: (44100 / 1000) × 1000 = 44000 bytes, 22000 samples.
  const auto mono = Samples(SynthesizeSweepSignal(1000, 2000, 16384, 1000, 44100, 1));
  ASSERT_EQ(mono.size(), 22000u);
  // P1 = 2R / f1, w0 = 2π / (P1 / 2), dw = (w1 - w0) / n; the first sample is 0.
  const double w0 = 6.283185307 / (88 / 2), w1 = 6.283185307 / (44 / 2);
  double phase = 0, w = w0;
  for (int i = 0; i < 22000; ++i, w += (w1 - w0) / 22000, phase += w)
    ASSERT_EQ(mono[i], static_cast<int16_t>(std::trunc(std::sin(phase) * 16384))) << i;

  // Stereo: the same samples on both channels.
  const auto stereo = Samples(SynthesizeSweepSignal(1000, 2000, 16384, 1000, 44100, 2));
  ASSERT_EQ(stereo.size(), 44000u);
  for (std::size_t i = 0; i < mono.size(); ++i) ASSERT_TRUE(stereo[2 * i] == mono[i] && stereo[2 * i + 1] == mono[i]);

  // An end above 20000 Hz sweeps to 20000; a start below 1 Hz starts at 1.
  const auto sweep = [](int start, int end) { return SynthesizeSweepSignal(start, end, 9000, 200, 48000, 1); };
  EXPECT_EQ(sweep(500, 30000), sweep(500, 20000));
  EXPECT_EQ(sweep(0, 800), sweep(1, 800));
  EXPECT_NE(sweep(500, 15000), sweep(500, 20000));
  // An odd byte count keeps its last byte in mono; stereo holds whole frames.
  EXPECT_EQ(SynthesizeSweepSignal(100, 800, 9000, 3, 45000, 1).size(), 135u);
  EXPECT_EQ(SynthesizeSweepSignal(100, 800, 9000, 3, 45000, 2).size(), 268u);
}
