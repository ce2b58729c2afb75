// The spectrum plot's arithmetic, without a window: the log frequency axis,
// the ticks and the reduction of a long spectrum to one value per column.
#include "display/LogFrequencyAxis.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(LogFrequencyAxis, MapFrequenciesAndDecibelsOntoPixelsBothWays) {
  const LogFrequencyAxis fx{20, 20000, 50, 600};
  struct Case {
    double hz, x;
  };
  // Three decades over 600 px: 200 px a decade.
  for (const Case c : {Case{20, 50}, Case{200, 250}, Case{2000, 450}, Case{20000, 650}, Case{632.4555, 350}}) {
    EXPECT_NEAR(fx.XOf(c.hz), c.x, 1e-3) << c.hz;
    EXPECT_NEAR(fx.HzOf(c.x), c.hz, c.hz * 1e-6) << c.hz;
  }
  const DbAxis dy{0, -160, 10, 400};
  EXPECT_DOUBLE_EQ(dy.YOf(0), 10);
  EXPECT_DOUBLE_EQ(dy.YOf(-40), 110);
  EXPECT_DOUBLE_EQ(dy.YOf(-160), 410);
}

TEST(LogFrequencyAxis, TicksAreOneTwoFiveTimesPowersOfTenInsideTheRange) {
  struct Case {
    double low, high;
    std::vector<double> ticks;
    QStringList labels;
  };
  const Case cases[] = {
      {20, 22050, {20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000},
       {"20", "50", "100", "200", "500", "1k", "2k", "5k", "10k", "20k"}},
      {20, 4000, {20, 50, 100, 200, 500, 1000, 2000}, {"20", "50", "100", "200", "500", "1k", "2k"}},
      {20, 100000, {20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000, 100000},
       {"20", "50", "100", "200", "500", "1k", "2k", "5k", "10k", "20k", "50k", "100k"}},
  };
  for (const Case& c : cases) {
    const std::vector<double> ticks = FrequencyTicks(c.low, c.high);
    EXPECT_EQ(ticks, c.ticks) << c.high;
    QStringList labels;
    for (double t : ticks) labels << FrequencyTickLabel(t);
    EXPECT_EQ(labels, c.labels) << c.high;
  }
  EXPECT_EQ(DbTicks(0, -120, 20), (std::vector<double>{0, -20, -40, -60, -80, -100, -120}));
}

TEST(LogFrequencyAxis, ColumnsKeepEveryNarrowPeakAndFollowWideBins) {
  // 65536 points at 48 kHz: bins of 0.732 Hz, far narrower than a column
  // at 10 kHz and far wider than one at 20 Hz.
  const double binHz = 48000.0 / 65536;
  std::vector<float> spectrum(32769, -140);
  const std::size_t peakBin = 13653;  // 10000.0 Hz
  spectrum[peakBin] = -3;
  for (std::size_t k = 0; k < 100; ++k) spectrum[k] = -float(k);  // a slope through the low bins
  const LogFrequencyAxis fx{20, 24000, 0, 700};
  const std::vector<float> cols = ColumnPeaks(spectrum, binHz, fx);
  ASSERT_EQ(cols.size(), 700u);
  // The single-bin peak lands in its own column, and only there.
  const int peakColumn = int(std::floor(fx.XOf(peakBin * binHz)));
  for (int c = int(fx.XOf(100)); c < 700; ++c) EXPECT_EQ(cols[c], c == peakColumn ? -3.f : -140.f) << c;
  // At 20 Hz (bin 27.3) the value lies between bins 27 and 28.
  EXPECT_LT(cols[0], -27.f);
  EXPECT_GT(cols[0], -28.f);
  // A column beyond the spectrum has no value.
  const std::vector<float> beyond = ColumnPeaks(spectrum, binHz, LogFrequencyAxis{20, 48000, 0, 700});
  EXPECT_TRUE(std::isnan(beyond.back()));
}
