#include "acquisition/RecordingBuffer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> Ramp(std::size_t n, uint8_t start = 0) {
  std::vector<uint8_t> v;
  v.reserve(n);
  for (std::size_t i = 0; i < n; ++i) v.push_back(static_cast<uint8_t>(start + i));
  return v;
}

std::vector<uint8_t> Joined(const RecordingBuffer& r) {
  std::vector<uint8_t> all;
  for (auto piece : r.Pieces()) all.insert(all.end(), piece.begin(), piece.end());
  return all;
}

}  // namespace

TEST(RecordingBuffer, KeepsBytesInOrderAcrossChunkBoundaries) {
  RecordingBuffer r;
  std::vector<uint8_t> expected;
  // Odd sizes so appends straddle the 1 MiB chunk edges at varying offsets.
  for (int i = 0; i < 700; ++i) {
    const auto block = Ramp(4096 + (i % 7), static_cast<uint8_t>(i));
    ASSERT_TRUE(r.Append(block.data(), block.size()));
    expected.insert(expected.end(), block.begin(), block.end());
  }
  ASSERT_GT(r.Size(), 2 * RecordingBuffer::kChunkBytes);
  EXPECT_EQ(r.Size(), expected.size());
  EXPECT_EQ(Joined(r), expected);

  // A copy that starts before a chunk edge and ends after it.
  const std::size_t at = RecordingBuffer::kChunkBytes - 1000;
  std::vector<uint8_t> out(4096);
  r.CopyOut(at, out.data(), out.size());
  EXPECT_TRUE(std::equal(out.begin(), out.end(), expected.begin() + static_cast<long>(at)));
}

TEST(RecordingBuffer, OneAppendLargerThanAChunk) {
  RecordingBuffer r;
  const auto big = Ramp(3 * RecordingBuffer::kChunkBytes + 17);
  ASSERT_TRUE(r.Append(big.data(), big.size()));
  EXPECT_EQ(Joined(r), big);
}

TEST(RecordingBuffer, RefusedAppendKeepsEverythingAndAddsNothing) {
  RecordingBuffer r(10000);
  const auto block = Ramp(4096);
  ASSERT_TRUE(r.Append(block.data(), block.size()));
  ASSERT_TRUE(r.Append(block.data(), block.size()));
  EXPECT_FALSE(r.Append(block.data(), block.size()));
  EXPECT_EQ(r.Size(), 8192u);
  std::vector<uint8_t> expected = block;
  expected.insert(expected.end(), block.begin(), block.end());
  EXPECT_EQ(Joined(r), expected);
  // What still fits is taken.
  EXPECT_TRUE(r.Append(block.data(), 10000 - 8192));
  EXPECT_EQ(r.Size(), 10000u);
}

TEST(RecordingBuffer, ClearEmptiesAndAllowsANewRecording) {
  RecordingBuffer r;
  const auto block = Ramp(5000);
  ASSERT_TRUE(r.Append(block.data(), block.size()));
  r.Clear();
  EXPECT_TRUE(r.Empty());
  EXPECT_TRUE(r.Pieces().empty());
  const auto other = Ramp(10, 200);
  ASSERT_TRUE(r.Append(other.data(), other.size()));
  EXPECT_EQ(Joined(r), other);
}
