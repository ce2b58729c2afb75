#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The growing recording: bytes kept in fixed 1 MiB chunks, so appending never
// moves what is already recorded. A plain growing array would copy the whole
// recording on every doubling (hundreds of milliseconds at 100 MiB) while
// input blocks keep arriving every few milliseconds. Only the first chunk
// starts small and doubles up to 1 MiB (moving at most half a MiB at a
// time), so a short recording, a generated signal or a single frame takes
// about its own size.
class RecordingBuffer {
 public:
  static constexpr std::size_t kChunkBytes = std::size_t{1} << 20;
  static constexpr std::size_t kFirstChunkMinBytes = std::size_t{64} << 10;
  // Largest recording kept: element counts of either sample width then fit
  // the 32-bit positions the replay slider works with, and a WAV file of it
  // fits the 32-bit RIFF sizes.
  static constexpr std::size_t kMaxBytes = 0x7FFFF000;

  explicit RecordingBuffer(std::size_t maxBytes = kMaxBytes) : maxBytes_(maxBytes) {}
  RecordingBuffer(RecordingBuffer&&) noexcept = default;
  RecordingBuffer& operator=(RecordingBuffer&&) noexcept = default;

  std::size_t Size() const { return size_; }
  // The most the recording may hold (the cap, not what memory allows).
  std::size_t MaxBytes() const { return maxBytes_; }
  bool Empty() const { return size_ == 0; }

  // Drops the recording and gives its memory back.
  void Clear();

  // Appends `count` bytes. Returns false, keeping everything held so far and
  // appending nothing, when memory runs out or the size limit would be passed.
  bool Append(const uint8_t* data, std::size_t count);

  // Copies `count` bytes starting at byte `offset`; the range must lie inside.
  void CopyOut(std::size_t offset, uint8_t* dest, std::size_t count) const;

  // The recorded bytes in order, as contiguous pieces.
  std::vector<std::span<const uint8_t>> Pieces() const;

 private:
  // Makes the first chunk hold at least `bytes` (at most kChunkBytes).
  bool ReserveFirstChunk(std::size_t bytes);

  std::vector<std::unique_ptr<uint8_t[]>> chunks_;
  std::size_t firstCapacity_ = 0;
  std::size_t size_ = 0;
  std::size_t maxBytes_;
};
