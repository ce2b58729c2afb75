#include "generator/SignalSynthesis.h"
#include "settings/GeneratorParams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// The generator written out plainly, one channel at a time: period P in
// bytes, N samples per period, H frames per half period, phase step 2π/N
// (2π as 6.283185307), triangle step 8AC/P, everything truncated toward zero.
std::vector<int16_t> ReferenceChannel(int wave, int freq, int peak, int rate, int channels, long frames) {
  const long p = static_cast<long>(2.0 * rate * channels / freq);
  const long n = p / (2 * channels);
  const long h = p / (4 * channels);
  const double step = 6.283185307 / n;
  const double d = 8.0 * peak * channels / p;
  std::vector<int16_t> out;
  double phase = 0, v = -peak;
  bool up = false;
  for (long i = 0; i < frames; ++i) {
    double s = 0;
    if (wave == 0) s = std::trunc(std::sin(phase) * peak);
    if (wave == 1) {
      if (i % h == 0) up = !up;
      v = std::trunc(up ? v + d : v - d);
      s = v;
    }
    if (wave == 2) s = std::sin(phase) >= 0 ? peak : -peak;
    if (wave == 3) {
      if (i % n == 0) v = -peak;
      v = std::trunc(v + d / 2);
      s = v;
    }
    out.push_back(static_cast<int16_t>(static_cast<long>(s) & 0xFFFF));
    phase = phase + step;
  }
  return out;
}

std::vector<int16_t> Samples(const std::vector<uint8_t>& bytes) {
  std::vector<int16_t> s(bytes.size() / 2);
  std::memcpy(s.data(), bytes.data(), 2 * s.size());
  return s;
}

// The frequency at sample `at`, from the rising zero crossings of `window` samples around it.
double LocalFrequency(const std::vector<int16_t>& s, long at, long window, int rate) {
  int crossings = 0;
  double first = 0, last = 0;
  for (long k = at - window / 2 + 1; k < at + window / 2; ++k) {
    if (s[k - 1] < 0 && s[k] >= 0) {
      const double x = k - 1 + static_cast<double>(-s[k - 1]) / (s[k] - s[k - 1]);
      if (crossings++ == 0) first = x;
      last = x;
    }
  }
  return crossings < 2 ? 0 : (crossings - 1) * rate / (last - first);
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
  // Far beyond what counting up could reach.
  EXPECT_EQ(CommonPeriodBytes(800000, 266666), 106666400000u);
}

TEST(SignalSynthesis, LayoutOfTheFunctionSignal) {
  struct Case {
    int rate, channels, left, right;
    int64_t leftP, rightP;
    uint64_t common, bytes;
    bool leftOnly;
  };
  const Case cases[] = {
      {44100, 2, 1000, 1000, 176, 176, 176, 4224, false},  // 24 periods, 1056 frames
      {44100, 2, 1000, 500, 176, 352, 352, 4224, false},
      {44100, 1, 1000, 500, 88, 176, 176, 4224, false},    // the right frequency still sets the length
      {44100, 1, 1000, 1000, 88, 88, 88, 4136, false},     // 47 periods reach 4096
      {44100, 2, 10, 7, 17640, 25200, 176400, 176400, false},
      {44100, 2, 13, 13, 13569, 13569, 13569, 13569, false},  // odd: a trailing half frame
      {200000, 2, 1, 3, 800000, 266666, 106666400000u, 16000000, true},  // 20 left periods
  };
  for (const Case& c : cases) {
    const FunctionSignalLayout l = PlanFunctionSignal(c.rate, c.channels, c.left, c.right);
    SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.channels << " ch, " << c.left << "/" << c.right);
    EXPECT_EQ(l.leftPeriodBytes, c.leftP);
    EXPECT_EQ(l.rightPeriodBytes, c.rightP);
    EXPECT_EQ(l.commonBytes, c.common);
    EXPECT_EQ(l.bufferBytes, c.bytes);
    EXPECT_EQ(l.leftPeriodsOnly, c.leftOnly);
    EXPECT_LE(l.bufferBytes, kSignalMaxBytes);
  }
}

TEST(SignalSynthesis, FunctionSignalMatchesTheFormulasBitForBit) {
  struct Case {
    int rate, channels;
    WaveChannel left, right;
  };
  const Case cases[] = {
      {44100, 2, {Sine, 1000, 16384}, {Triangle, 2000, 16384}},
      {44100, 2, {Square, 1000, 32767}, {Sawtooth, 500, 10}},
      {48000, 2, {Sawtooth, 440, 30000}, {Sine, 997, 20000}},
      {96000, 2, {Triangle, 3, 32767}, {Square, 5, 1000}},  // long periods, large buffer
      {44100, 2, {Triangle, 22050, 32767}, {Sine, 44100, 32767}},  // the shortest periods allowed
      {44100, 1, {Triangle, 1234, 25000}, {Sine, 77, 5}},
      {192000, 1, {Sawtooth, 19000, 32767}, {Sine, 1000, 1}},
      {44100, 2, {Triangle, 13, 32767}, {Sawtooth, 13, 32767}},  // odd period length
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.channels << " ch, waves " << c.left.wave << "/"
                                    << c.right.wave << ", " << c.left.freq << "/" << c.right.freq << " Hz");
    const FunctionSignalLayout layout = PlanFunctionSignal(c.rate, c.channels, c.left.freq, c.right.freq);
    const std::vector<uint8_t> bytes = SynthesizeFunctionSignal(layout, c.left, c.right, c.rate, c.channels);
    ASSERT_EQ(bytes.size(), layout.bufferBytes);
    const long frames = static_cast<long>(layout.bufferBytes / (2 * c.channels));
    const std::vector<int16_t> s = Samples(bytes);
    const auto left = ReferenceChannel(c.left.wave, c.left.freq, c.left.peak, c.rate, c.channels, frames);
    const auto right = ReferenceChannel(c.right.wave, c.right.freq, c.right.peak, c.rate, c.channels, frames);
    for (long i = 0; i < frames; ++i) {
      ASSERT_EQ(s[c.channels * i], left[i]) << "left, frame " << i;
      if (c.channels == 2) {
        ASSERT_EQ(s[2 * i + 1], right[i]) << "right, frame " << i;
      }
    }
    // Past the last whole frame: zeros.
    for (std::size_t k = frames * 2 * c.channels; k < bytes.size(); ++k) ASSERT_EQ(bytes[k], 0);
  }
}

TEST(SignalSynthesis, WaveformsStartWhereTheyShouldAndUnknownOnesStaySilent) {
  const int peak = 20000;
  struct Case {
    int wave;
    int firstSample;  // at 1000 Hz, 44100 Hz stereo: P = 176, d = 8 * 20000 * 2 / 176
  };
  const Case cases[] = {
      {Sine, 0},
      {Triangle, static_cast<int>(-peak + 8.0 * peak * 2 / 176)},      // just above -peak, rising
      {Square, peak},
      {Sawtooth, static_cast<int>(-peak + 8.0 * peak * 2 / 176 / 2)},  // just above -peak
      {4, 0},
      {-1, 0},
  };
  for (const Case& c : cases) {
    const FunctionSignalLayout layout = PlanFunctionSignal(44100, 2, 1000, 1000);
    const auto s = Samples(SynthesizeFunctionSignal(layout, {c.wave, 1000, peak}, {Sine, 1000, peak}, 44100, 2));
    SCOPED_TRACE(testing::Message() << "wave " << c.wave);
    EXPECT_EQ(s[0], c.firstSample);
    int lowest = 0, highest = 0;
    for (std::size_t i = 0; i < s.size(); i += 2) {
      lowest = std::min<int>(lowest, s[i]);
      highest = std::max<int>(highest, s[i]);
    }
    if (c.wave < 0 || c.wave > 3) {
      EXPECT_EQ(lowest, 0);
      EXPECT_EQ(highest, 0);
    } else {
      // Every waveform swings to within a step (1818) of both peaks. Steps
      // truncated toward zero gain up to 1 each below zero, so a ramp may
      // end a few units beyond the peak.
      EXPECT_GT(highest, peak - 1818);
      EXPECT_LT(lowest, -peak + 1818);
      EXPECT_LE(highest, peak + 30);
      EXPECT_GE(lowest, -peak);
    }
  }
}

TEST(SignalSynthesis, SweepLengthSamplesAndClamps) {
  // 1000 ms at 44100: (44100 / 1000) × 1000 = 44000 bytes, 22000 samples.
  EXPECT_EQ(SweepMonoBytes(44100, 1000), 44000);
  const auto mono = Samples(SynthesizeSweepSignal(1000, 2000, 16384, 1000, 44100, 1));
  ASSERT_EQ(mono.size(), 22000u);

  // The formulas: P1 = 2R / f1, w0 = 2π / (P1 / 2), dw = (w1 - w0) / n.
  const auto reference = [](int f1, int f2, int peak, int rate, long n) {
    const double w0 = 6.283185307 / (static_cast<long>(2.0 * rate / f1) / 2);
    const double w1 = 6.283185307 / (static_cast<long>(2.0 * rate / f2) / 2);
    std::vector<int16_t> out;
    double phase = 0, w = w0;
    for (long i = 0; i < n; ++i) {
      out.push_back(static_cast<int16_t>(std::trunc(std::sin(phase) * peak)));
      w += (w1 - w0) / n;
      phase += w;
    }
    return out;
  };
  EXPECT_EQ(mono, reference(1000, 2000, 16384, 44100, 22000));
  EXPECT_EQ(mono[0], 0);

  // Stereo: the same samples on both channels, twice the bytes.
  const auto stereo = Samples(SynthesizeSweepSignal(1000, 2000, 16384, 1000, 44100, 2));
  ASSERT_EQ(stereo.size(), 44000u);
  for (std::size_t i = 0; i < mono.size(); ++i) {
    ASSERT_EQ(stereo[2 * i], mono[i]) << i;
    ASSERT_EQ(stereo[2 * i + 1], mono[i]) << i;
  }

  // An end above 20000 Hz sweeps to 20000; a start below 1 Hz starts at 1.
  EXPECT_EQ(SynthesizeSweepSignal(500, 30000, 9000, 200, 48000, 1), SynthesizeSweepSignal(500, 20000, 9000, 200, 48000, 1));
  EXPECT_EQ(SynthesizeSweepSignal(0, 800, 9000, 200, 48000, 1), SynthesizeSweepSignal(1, 800, 9000, 200, 48000, 1));
  EXPECT_EQ(SynthesizeSweepSignal(-40, 800, 9000, 200, 48000, 1), SynthesizeSweepSignal(1, 800, 9000, 200, 48000, 1));
  // An odd byte count keeps its last byte in mono; stereo holds whole frames.
  EXPECT_EQ(SynthesizeSweepSignal(100, 800, 9000, 3, 45000, 1).size(), 135u);
  EXPECT_EQ(SynthesizeSweepSignal(100, 800, 9000, 3, 45000, 2).size(), 268u);
}

TEST(SignalSynthesis, SweepRunsBetweenItsFrequenciesInEitherDirection) {
  const int rate = 48000;
  struct Case {
    int start, end;
  };
  for (const Case c : {Case{500, 8000}, Case{8000, 500}}) {
    const auto s = Samples(SynthesizeSweepSignal(c.start, c.end, 20000, 4000, rate, 1));
    const long n = static_cast<long>(s.size());  // 96000 samples, 2 s
    SCOPED_TRACE(testing::Message() << c.start << " -> " << c.end);
    // Linear in time: the start, the middle and the end.
    EXPECT_NEAR(LocalFrequency(s, 2400, 4800, rate), c.start + (c.end - c.start) * 0.025, 0.03 * c.start + 20);
    EXPECT_NEAR(LocalFrequency(s, n / 2, 4800, rate), (c.start + c.end) / 2.0, 0.03 * (c.start + c.end) / 2);
    EXPECT_NEAR(LocalFrequency(s, n - 2400, 4800, rate), c.end - (c.end - c.start) * 0.025, 0.03 * c.end + 20);
  }
}
