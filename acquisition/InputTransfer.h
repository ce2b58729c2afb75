#pragma once

#include "files/WaveFormat.h"

#include <cstddef>

// What every sound-card input backend can deliver: PCM, 8-bit unsigned or
// 16-bit signed, one or two channels, a consistent block align, a rate.
inline bool IsDeliverableInputFormat(const WaveFormat& format) {
  return format.formatTag == 1 && format.samplesPerSec != 0 && (format.channels == 1 || format.channels == 2) &&
         (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
         format.blockAlign == format.channels * format.bitsPerSample / 8;
}

// The device's transfer size: how much sound the stream hands over per
// wake-up. The largest power of two of at most 25 ms of sound (about a
// display tick), at least 32 bytes: a power of two either divides the block
// or is a whole number of blocks. At 44100 and 48000 Hz stereo 16-bit that is
// one block per wake-up (43 a second at 44100 Hz; 1 KiB transfers took 172),
// at 200000 Hz four (49 a second instead of 195 with one). A block reaches
// the handler at most one transfer after its last sample; at low rates,
// where a block spans up to a second, transfers stay short so that a block
// still goes on soon after it is complete.
inline std::size_t InputTransferBytes(const WaveFormat& format) {
  constexpr double kMaxTransferSec = 0.025;
  std::size_t bytes = 32;
  while (static_cast<double>(2 * bytes) <= kMaxTransferSec * format.avgBytesPerSec) bytes *= 2;
  return bytes;
}
