#include "analysis/TransferFunction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

using Complex = std::complex<double>;
constexpr double kPi = std::numbers::pi;

std::vector<double> Noise(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<double> normal(0, 1000);
  std::vector<double> v(count);
  for (double& s : v) s = normal(random);
  return v;
}

// A biquad from the RBJ audio-EQ cookbook, normalised by a0.
struct Biquad {
  double b0, b1, b2, a1, a2;

  static Biquad HighPass(double hz, double q, double rate) {
    const double w = 2 * kPi * hz / rate, cs = std::cos(w), alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
    return {(1 + cs) / 2 / a0, -(1 + cs) / a0, (1 + cs) / 2 / a0, -2 * cs / a0, (1 - alpha) / a0};
  }
  std::vector<double> Filter(const std::vector<double>& x) const {
    std::vector<double> y(x.size());
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (std::size_t t = 0; t < x.size(); ++t) {
      y[t] = b0 * x[t] + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
      x2 = x1, x1 = x[t], y2 = y1, y1 = y[t];
    }
    return y;
  }
  Complex Response(double hz, double rate) const {
    const Complex z1 = std::polar(1.0, -2 * kPi * hz / rate), z2 = z1 * z1;
    return (b0 + b1 * z1 + b2 * z2) / (1.0 + a1 * z1 + a2 * z2);
  }
};

// x delayed by `samples` (any fraction) through a Blackman-windowed sinc of
// 257 taps; the first samples, before the filter fills, are dropped from
// both signals by the caller's band of interest being far above 0 Hz.
std::vector<double> Delayed(const std::vector<double>& x, double samples) {
  constexpr int kHalf = 128;
  const int whole = static_cast<int>(std::floor(samples));
  const double part = samples - whole;
  std::vector<double> taps;
  for (int k = -kHalf; k <= kHalf; ++k) {
    const double u = k - part, phase = (u + kHalf + 1) / (2 * kHalf + 2);
    const double window = 0.42 - 0.5 * std::cos(2 * kPi * phase) + 0.08 * std::cos(4 * kPi * phase);
    taps.push_back((u == 0 ? 1 : std::sin(kPi * u) / (kPi * u)) * window);
  }
  std::vector<double> y(x.size());
  for (std::size_t t = 0; t < y.size(); ++t)
    for (int k = -kHalf; k <= kHalf; ++k) {
      const long source = static_cast<long>(t) - whole - k;
      if (source >= 0 && source < static_cast<long>(x.size())) y[t] += taps[k + kHalf] * x[source];
    }
  return y;
}

double WrapDegrees(double d) { return std::remainder(d, 360.0); }

struct Signals {
  std::vector<double> x, y;
};

struct Case {
  std::string name;
  double rate;
  int fft;
  double seconds;
  std::function<Signals(const std::vector<double>& noise)> make;
  std::function<Complex(double hz)> expected;  // the analytic H
  double lowHz = 0, highHz = 0, magnitudeDb = 0, phaseDeg = 0, minCoherence = 0;
  double delayMs = 0;  // checked when the curve is
};

TransferAverager Measure(const Case& c) {
  const Signals s = c.make(Noise(static_cast<std::size_t>(c.rate * c.seconds), 7));
  TransferAverager averager(c.fft, c.rate);
  // Fed in uneven pieces, as a live stream arrives.
  for (std::size_t at = 0; at < s.x.size(); at += 3001) {
    const std::size_t n = std::min<std::size_t>(3001, s.x.size() - at);
    averager.Add(std::span(s.x).subspan(at, n), std::span(s.y).subspan(at, n));
  }
  return averager;
}

TEST(TransferFunction, MatchesAnalyticResponses) {
  const Biquad highPass = Biquad::HighPass(1000, 0.707, 48000);
  const auto delayed = [](double rate, double ms) {
    return [rate, ms](const std::vector<double>& n) { return Signals{n, Delayed(n, ms * rate / 1000)}; };
  };
  const auto delayResponse = [](double ms) { return [ms](double hz) { return std::polar(1.0, -2 * kPi * hz * ms / 1000); }; };
  const Case cases[] = {
      {"gain -6 dB", 48000, 16384, 3, [](const std::vector<double>& n) {
         Signals s{n, n};
         for (double& v : s.y) v *= 0.5;
         return s;
       },
       [](double) { return Complex(0.5); }, 20, 20000, 0.05, 1, 0.99},
      {"high-pass 1 kHz Q 0.707", 48000, 16384, 4, [&](const std::vector<double>& n) { return Signals{n, highPass.Filter(n)}; },
       [&](double hz) { return highPass.Response(hz, 48000); }, 50, 15000, 0.3, 3, 0.99},
      {"delay 1.25 ms, 60 samples", 48000, 16384, 4, delayed(48000, 1.25), delayResponse(1.25), 20, 15000, 0.1, 3, 0.95, 1.25},
      {"delay 1.25 ms, 55.125 samples", 44100, 8192, 4, delayed(44100, 1.25), delayResponse(1.25), 20, 15000, 0.1, 3, 0.95,
       1.25},
      {"y leads by 0.5 ms", 48000, 4096, 2,
       [](const std::vector<double>& n) { return Signals{Delayed(n, 24), n}; }, delayResponse(-0.5), 20, 15000, 0.1, 3,
       0.95, -0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TransferAverager averager = Measure(c);
    EXPECT_NEAR(averager.DelaySeconds() * 1000, c.delayMs, 0.02);
    const std::vector<TransferPoint> curve = averager.Curve();
    ASSERT_EQ(curve.size(), static_cast<std::size_t>(c.fft / 2));
    int checked = 0;
    for (const TransferPoint& p : curve) {
      if (p.frequencyHz < c.lowHz || p.frequencyHz > c.highHz) continue;
      const Complex h = c.expected(p.frequencyHz);
      ASSERT_NEAR(p.magnitudeDb, 20 * std::log10(std::abs(h)), c.magnitudeDb) << p.frequencyHz << " Hz";
      ASSERT_NEAR(WrapDegrees(p.phaseDeg - std::arg(h) * 180 / kPi), 0, c.phaseDeg) << p.frequencyHz << " Hz";
      ASSERT_GT(p.coherence, c.minCoherence) << p.frequencyHz << " Hz";
      ++checked;
    }
    EXPECT_GT(checked, 100);
  }
}

TEST(TransferFunction, UncorrelatedResponseHasLowCoherence) {
  TransferAverager averager(4096, 48000);
  const std::vector<double> x = Noise(96000, 1), y = Noise(96000, 2);
  averager.Add(x, y);
  EXPECT_EQ(averager.Averages(), 96000 / 2048 - 1);
  const std::vector<TransferPoint> curve = averager.Curve();
  const auto low = std::count_if(curve.begin(), curve.end(), [](const TransferPoint& p) { return p.coherence < 0.1; });
  EXPECT_GT(low, static_cast<long>(curve.size() * 9 / 10));
}

TEST(TransferFunction, SmoothingKeepsTheLevelOfADelay) {
  // 1.25 ms and a part of a sample more, so the phase is flat only when the
  // delay is measured between samples.
  Case c;
  c.rate = 48000, c.fft = 16384, c.seconds = 4;
  c.make = [](const std::vector<double>& n) { return Signals{n, Delayed(n, 60.4)}; };
  const TransferAverager averager = Measure(c);
  const double delay = averager.DelaySeconds();
  for (const int fraction : kTransferSmoothings) {
    SCOPED_TRACE(fraction);
    const std::vector<TransferPoint> smooth = SmoothTransfer(WithoutDelay(averager.Curve(), delay), fraction);
    // The grid's spacing: the bins unsmoothed, else log-spaced.
    if (fraction > 0) {
      EXPECT_NEAR(smooth[1].frequencyHz / smooth[0].frequencyHz, std::exp2(1.0 / std::max(24, 2 * fraction)), 1e-9);
    }
    for (const TransferPoint& p : smooth) {
      if (p.frequencyHz < 20 || p.frequencyHz > 15000) continue;
      ASSERT_NEAR(p.magnitudeDb, 0, 0.1) << p.frequencyHz << " Hz";
      ASSERT_NEAR(p.phaseDeg, 0, 2) << p.frequencyHz << " Hz";
    }
    // Putting the delay back gives the delay's own phase.
    for (const TransferPoint& p : WithoutDelay(smooth, -delay)) {
      if (p.frequencyHz > 20 && p.frequencyHz < 15000) {
        ASSERT_NEAR(WrapDegrees(p.phaseDeg + 360 * p.frequencyHz * 60.4 / 48000), 0, 2) << p.frequencyHz << " Hz";
      }
    }
  }
}

TEST(TransferFunction, RefusesFftSizesOutOfRange) {
  for (const int size : {0, 2048, 6000, 131072}) EXPECT_THROW(TransferAverager(size, 48000), std::invalid_argument) << size;
  TransferAverager averager(4096, 48000);
  EXPECT_TRUE(averager.Curve().empty());
  EXPECT_EQ(averager.DelaySeconds(), 0);
}

}  // namespace
