#include "acquisition/RecordingBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>

void RecordingBuffer::Clear() {
  chunks_.clear();
  chunks_.shrink_to_fit();
  size_ = 0;
  firstCapacity_ = 0;
}

bool RecordingBuffer::ReserveFirstChunk(std::size_t bytes) {
  if (bytes <= firstCapacity_) return true;
  const std::size_t capacity = std::min(kChunkBytes, std::max({bytes, 2 * firstCapacity_, kFirstChunkMinBytes}));
  std::unique_ptr<uint8_t[]> chunk(new (std::nothrow) uint8_t[capacity]);
  if (!chunk) return false;
  if (chunks_.empty()) {
    chunks_.push_back(std::move(chunk));
  } else {
    std::memcpy(chunk.get(), chunks_[0].get(), std::min(size_, firstCapacity_));
    chunks_[0] = std::move(chunk);
  }
  firstCapacity_ = capacity;
  return true;
}

bool RecordingBuffer::Append(const uint8_t* data, std::size_t count) {
  if (count > maxBytes_ - size_) return false;
  // Reserve every chunk the append needs first, so a failure appends nothing.
  const std::size_t chunksNeeded = (size_ + count + kChunkBytes - 1) / kChunkBytes;
  try {
    if (chunksNeeded > chunks_.capacity()) chunks_.reserve(std::max(chunksNeeded, 2 * chunks_.capacity()));
    if (!ReserveFirstChunk(std::min(size_ + count, kChunkBytes))) return false;
    while (chunks_.size() < chunksNeeded) {
      std::unique_ptr<uint8_t[]> chunk(new (std::nothrow) uint8_t[kChunkBytes]);
      if (!chunk) return false;
      chunks_.push_back(std::move(chunk));
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  while (count > 0) {
    const std::size_t inChunk = size_ % kChunkBytes;
    const std::size_t n = std::min(count, kChunkBytes - inChunk);
    std::memcpy(chunks_[size_ / kChunkBytes].get() + inChunk, data, n);
    data += n;
    size_ += n;
    count -= n;
  }
  return true;
}

void RecordingBuffer::CopyOut(std::size_t offset, uint8_t* dest, std::size_t count) const {
  while (count > 0) {
    const std::size_t inChunk = offset % kChunkBytes;
    const std::size_t n = std::min(count, kChunkBytes - inChunk);
    std::memcpy(dest, chunks_[offset / kChunkBytes].get() + inChunk, n);
    dest += n;
    offset += n;
    count -= n;
  }
}

std::vector<std::span<const uint8_t>> RecordingBuffer::Pieces() const {
  std::vector<std::span<const uint8_t>> pieces;
  pieces.reserve(chunks_.size());
  for (std::size_t i = 0; i * kChunkBytes < size_; ++i)
    pieces.emplace_back(chunks_[i].get(), std::min(kChunkBytes, size_ - i * kChunkBytes));
  return pieces;
}
