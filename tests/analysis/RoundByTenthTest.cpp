#include "analysis/SignalAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(RoundByTenth, RoundsUpFromTheTenthsDigitFiveForPositiveValues) {
  EXPECT_EQ(RoundByTenth(2.5), 3);
  EXPECT_EQ(RoundByTenth(2.49), 2);
  EXPECT_EQ(RoundByTenth(0.5), 1);
  EXPECT_EQ(RoundByTenth(0.45), 0);      // only the tenths digit counts
  EXPECT_EQ(RoundByTenth(430.664), 431);  // 44100 * 10 / 1024
  EXPECT_EQ(RoundByTenth(430.45), 430);
  EXPECT_EQ(RoundByTenth(7.0), 7);
  EXPECT_EQ(RoundByTenth(0.0), 0);
}

TEST(RoundByTenth, TruncatesNegativeValuesTowardZero) {
  EXPECT_EQ(RoundByTenth(-2.7), -2);
  EXPECT_EQ(RoundByTenth(-2.5), -2);
  EXPECT_EQ(RoundByTenth(-0.9), 0);
  EXPECT_EQ(RoundByTenth(-13.0), -13);
}

TEST(RoundByTenth, SaturatesOutsideTheIntegerRangeAndMapsNanToZero) {
  EXPECT_EQ(RoundByTenth(1e12), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(RoundByTenth(-1e12), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(RoundByTenth(std::numeric_limits<double>::infinity()),
            std::numeric_limits<int32_t>::max());
  EXPECT_EQ(RoundByTenth(std::nan("")), 0);
  EXPECT_EQ(RoundByTenth(2147483646.5), 2147483647);
}
