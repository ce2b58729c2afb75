#pragma once

// The live input's way into a transfer-function average: CH1 is the
// reference (x), CH2 the response (y). Each call adds only the frames that
// arrived since the last one, so every frame is averaged once.

#include "analysis/TransferFunction.h"

#include <cstdint>
#include <optional>

class RecentInput;

class TransferFeed {
 public:
  enum class State {
    NoInput,  // nothing held yet (the input is stopped or has just restarted)
    Mono,     // one channel: nothing to compare
    Fed,
  };

  // Adds what `ring` holds beyond what was read before to averages at
  // `fftSize`. They start over when the ring restarted (a new format, a
  // paused input) or the size or rate changed. When more arrived than the
  // ring holds, the oldest held frame goes on where the last read ended.
  State Feed(const RecentInput& ring, int fftSize);
  // The averages start over with the frames that arrive next.
  void Reset();

  // The averages; null before the first frames of a stereo input.
  const TransferAverager* Averager() const { return averager_ ? &*averager_ : nullptr; }

 private:
  std::optional<TransferAverager> averager_;
  uint64_t restarts_ = 0;
  uint64_t read_ = 0;  // of the ring's Appended() in the same restart
  bool started_ = false;
};
