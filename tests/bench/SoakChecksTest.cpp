#include "bench/soak/CountChecker.h"
#include "bench/soak/TickLateness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Counts from..to; 0 stands for a frame of silence.
std::vector<uint32_t> Counts(uint32_t from, uint32_t to) {
  std::vector<uint32_t> counts;
  for (uint32_t c = from; c <= to; ++c) counts.push_back(c);
  return counts;
}

std::vector<uint32_t> Join(std::initializer_list<std::vector<uint32_t>> parts) {
  std::vector<uint32_t> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Plays `counts` as counting frames into a checker, a few frames per call so
// that every discontinuity also falls across the edge of a block somewhere.
CountChecker Check(const std::vector<uint32_t>& counts) {
  std::vector<int16_t> interleaved;
  for (uint32_t c : counts) {
    const CountingFrame frame = MakeCountingFrame(c);
    interleaved.push_back(frame.left);
    interleaved.push_back(frame.right);
  }
  CountChecker checker;
  constexpr std::size_t kChunk = 7;
  for (std::size_t at = 0; at < counts.size(); at += kChunk)
    checker.Feed(interleaved.data() + 2 * at, std::min(kChunk, counts.size() - at));
  return checker;
}

TEST(CountingFrame, CarriesTheLowBitsLeftAndTheHighBitsRight) {
  for (uint32_t count : {1u, 0x7FFFu, 0x8000u, 0xFFFFu, 0x10000u, 0x12345678u, 0xFFFFFFFFu}) {
    const CountingFrame frame = MakeCountingFrame(count);
    EXPECT_EQ(static_cast<uint16_t>(frame.left), count & 0xFFFF) << count;
    EXPECT_EQ(static_cast<uint16_t>(frame.right), count >> 16) << count;
    EXPECT_EQ(FrameCount(frame.left, frame.right), count) << count;
  }
}

struct StreamCase {
  const char* name;
  std::vector<uint32_t> counts;
  uint32_t first, high;
  uint64_t leading, lost, repeated, reordered, silent, breaks;
};

TEST(CountChecker, TellsLostRepeatedAndReorderedFramesApartFromGapsInThePlayer) {
  const std::vector<StreamCase> cases = {
      {"clean after start-up silence", Join({{0, 0, 0}, Counts(5, 300)}), 5, 300, 3, 0, 0, 0, 0, 0},
      {"across 16-bit carries", Counts(65530, 131080), 65530, 131080, 0, 0, 0, 0, 0, 0},
      {"a block lost", Join({Counts(1, 100), Counts(201, 300)}), 1, 300, 0, 100, 0, 0, 0, 1},
      {"a block twice", Join({Counts(1, 100), Counts(51, 100), Counts(101, 150)}), 1, 150, 0, 0, 50, 0, 0, 1},
      {"two blocks swapped", Join({Counts(1, 100), Counts(201, 300), Counts(101, 200), Counts(301, 400)}), 1, 400, 0, 0, 0,
       100, 0, 3},
      {"a late block partly fills a gap", Join({Counts(1, 10), Counts(21, 30), Counts(15, 16)}), 1, 30, 0, 8, 0, 2, 0, 2},
      {"a late frame twice", Join({Counts(1, 10), Counts(21, 30), {15, 15}}), 1, 30, 0, 9, 1, 1, 0, 3},
      {"a count from before the first", Join({Counts(10, 20), {5}}), 10, 20, 0, 0, 0, 1, 0, 1},
      {"the player paused", Join({Counts(1, 100), std::vector<uint32_t>(50, 0), Counts(101, 200)}), 1, 200, 0, 0, 0, 0,
       50, 0},
  };
  for (const StreamCase& c : cases) {
    const CountChecker checker = Check(c.counts);
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(checker.Started());
    EXPECT_EQ(checker.FirstCount(), c.first);
    EXPECT_EQ(checker.HighestCount(), c.high);
    EXPECT_EQ(checker.LeadingFrames(), c.leading);
    EXPECT_EQ(checker.LostFrames(), c.lost);
    EXPECT_EQ(checker.RepeatedFrames(), c.repeated);
    EXPECT_EQ(checker.ReorderedFrames(), c.reordered);
    EXPECT_EQ(checker.SilentFrames(), c.silent);
    EXPECT_EQ(checker.Breaks(), c.breaks);
  }
}

TEST(CountChecker, SilenceAloneNeverStartsTheCount) {
  const CountChecker checker = Check(std::vector<uint32_t>(100, 0));
  EXPECT_FALSE(checker.Started());
  EXPECT_EQ(checker.LeadingFrames(), 100u);
  EXPECT_EQ(checker.LostFrames(), 0u);
}

TEST(TickLateness, SortsEachIntervalIntoItsBinAndCountsMissedTicks) {
  TickLateness ticks(20);
  for (double interval : {20.0, 19.0, 20.4, 21.5, 25.0, 39.99, 40.0, 45.0}) ticks.AddInterval(interval);
  const std::vector<uint64_t> bins(ticks.Bins().begin(), ticks.Bins().end());
  EXPECT_EQ(bins, (std::vector<uint64_t>{1, 2, 0, 1, 0, 1, 1, 2}));
  EXPECT_EQ(ticks.Intervals(), 8u);
  EXPECT_EQ(ticks.MissedTicks(), 2u);
  EXPECT_DOUBLE_EQ(ticks.WorstMs(), 25.0);
  EXPECT_DOUBLE_EQ(ticks.EarliestMs(), -1.0);
  EXPECT_NEAR(ticks.MeanMs(), (0 - 1 + 0.4 + 1.5 + 5 + 19.99 + 20 + 25) / 8, 1e-9);
  EXPECT_EQ(ticks.BinLabel(0), "< 0 ms (early)");
  EXPECT_EQ(ticks.BinLabel(6), "10-20 ms");
  EXPECT_EQ(ticks.BinLabel(7), ">= 20 ms (a tick missed)");
}

}  // namespace
