#pragma once

#include "files/WaveFormat.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The most recent live input, kFrames frames per channel, for the analysis
// windows: the display frame holds only 1024 frames, a distortion figure
// needs tens of thousands of the continuous stream. Filled block by block on
// the GUI thread and read there too. Samples are kept in sample units centred
// on 0 (8-bit data as x - 128). A block in another format than the one held
// starts the ring afresh: samples of two formats never meet in one analysis.
class RecentInput {
 public:
  static constexpr std::size_t kFrames = 262144;

  RecentInput();

  // Appends `count` interleaved elements in `format` (8-bit unsigned or
  // 16-bit signed, as the format's width says); a trailing part frame is
  // dropped.
  void Append(const WaveFormat& format, const uint8_t* elements, std::size_t count);
  void Append(const WaveFormat& format, const int16_t* elements, std::size_t count);
  // Forgets everything held (the input restarted: what comes next does not
  // continue what is held).
  void Clear();

  // The format of what is held; none (0 channels) after Clear.
  const WaveFormat& Format() const { return format_; }
  int Channels() const { return format_.channels; }
  double SampleRate() const { return format_.samplesPerSec; }
  // The peak of a full-scale sine in sample units: 128 for 8-bit, 32768 for 16-bit.
  double FullScale() const;
  // Frames held, at most kFrames.
  std::size_t Frames() const { return held_; }
  // Changes with every append and clear: equal stamps mean equal contents.
  uint64_t Stamp() const { return stamp_; }
  // Frames appended since the last Clear, also those the ring has dropped
  // since: a reader that remembers it takes only what is new.
  uint64_t Appended() const { return appended_; }
  // How often the ring was cleared: a reader that saw another count must
  // start over.
  uint64_t Restarts() const { return restarts_; }

  // The last `n` samples of `channel` (0 or 1) in order, or all held when
  // fewer; nothing for a channel the format does not have.
  std::vector<double> Latest(int channel, std::size_t n) const;
  // The same into `out`, whose memory is reused.
  void Latest(int channel, std::size_t n, std::vector<double>& out) const;

 private:
  template <typename Element, typename ToValue>
  void AppendFrames(const WaveFormat& format, const Element* elements, std::size_t count, ToValue toValue);

  std::vector<int16_t> samples_[2];
  WaveFormat format_;
  std::size_t next_ = 0;  // where the next frame goes
  std::size_t held_ = 0;
  uint64_t stamp_ = 0;
  uint64_t appended_ = 0;
  uint64_t restarts_ = 0;
};
