#include "bench/soak/CountChecker.h"

CountingFrame MakeCountingFrame(uint32_t count) {
  return {static_cast<int16_t>(static_cast<uint16_t>(count & 0xFFFF)),
          static_cast<int16_t>(static_cast<uint16_t>(count >> 16))};
}

uint32_t FrameCount(int16_t left, int16_t right) {
  return uint32_t{static_cast<uint16_t>(left)} | uint32_t{static_cast<uint16_t>(right)} << 16;
}

void CountChecker::Feed(const int16_t* interleaved, std::size_t frames) {
  for (std::size_t i = 0; i < frames; ++i) {
    const uint32_t count = FrameCount(interleaved[2 * i], interleaved[2 * i + 1]);
    if (!started_) {
      if (count == 0) {
        ++leading_;
        continue;
      }
      started_ = true;
      first_ = high_ = last_ = count;
      continue;
    }
    if (count == 0) {
      ++silent_;
      continue;
    }
    if (count != last_ + 1) ++breaks_;
    last_ = count;
    if (count > high_) {
      if (count != high_ + 1) holes_.emplace(high_ + 1, count - 1);
      high_ = count;
    } else {
      TakeOldCount(count);
    }
  }
}

void CountChecker::TakeOldCount(uint32_t count) {
  // Nothing below the first count was seen: it comes late, not twice.
  if (count < first_) {
    ++reordered_;
    return;
  }
  // The hole starting at or before `count`, if it reaches that far.
  auto hole = holes_.upper_bound(count);
  if (hole == holes_.begin() || (--hole)->second < count) {
    ++repeated_;
    return;
  }
  ++reordered_;
  const uint32_t start = hole->first;
  const uint32_t end = hole->second;
  holes_.erase(hole);
  if (start < count) holes_.emplace(start, count - 1);
  if (count < end) holes_.emplace(count + 1, end);
}

uint64_t CountChecker::LostFrames() const {
  uint64_t lost = 0;
  for (const auto& [start, end] : holes_) lost += uint64_t{end} - start + 1;
  return lost;
}
