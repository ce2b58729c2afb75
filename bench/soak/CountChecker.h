#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

// The counting signal of the capture soak: 16-bit stereo frames that number
// themselves. Frame n carries the low 16 bits of n on the left channel and the
// high 16 bits on the right, so every frame of a 200 kHz stream is distinct
// for almost six hours. Count 0 is never played: a frame of silence (0, 0) is
// a gap in what was played, not a frame of the signal.
struct CountingFrame {
  int16_t left = 0;
  int16_t right = 0;
};

CountingFrame MakeCountingFrame(uint32_t count);
uint32_t FrameCount(int16_t left, int16_t right);

// Follows a captured counting signal frame by frame and tells what went wrong
// between the first counted frame and the last one: counts skipped (lost),
// counts seen a second time (repeated), counts that arrived after later ones
// (reordered: they fill a gap that had been counted as lost), and frames of
// silence inside the stream (the player fell behind; the count continues after
// them). Silence before the first counted frame is the stream's start-up.
class CountChecker {
 public:
  // `interleaved` holds `frames` left/right pairs.
  void Feed(const int16_t* interleaved, std::size_t frames);

  bool Started() const { return started_; }
  uint32_t FirstCount() const { return first_; }
  uint32_t HighestCount() const { return high_; }
  // Frames before the first counted one (silence, or nothing yet played).
  uint64_t LeadingFrames() const { return leading_; }
  // Counts between the first and the highest one never received.
  uint64_t LostFrames() const;
  uint64_t RepeatedFrames() const { return repeated_; }
  uint64_t ReorderedFrames() const { return reordered_; }
  uint64_t SilentFrames() const { return silent_; }
  // Places where a frame did not follow its predecessor's count (silence
  // in between does not count as a break).
  uint64_t Breaks() const { return breaks_; }

 private:
  // A received count that is not above the highest so far: late or twice.
  void TakeOldCount(uint32_t count);

  bool started_ = false;
  uint32_t first_ = 0;
  uint32_t high_ = 0;
  uint32_t last_ = 0;
  uint64_t leading_ = 0;
  uint64_t repeated_ = 0;
  uint64_t reordered_ = 0;
  uint64_t silent_ = 0;
  uint64_t breaks_ = 0;
  // Counts skipped so far and not yet received: first count -> last count.
  std::map<uint32_t, uint32_t> holes_;
};
