#pragma once

#include "files/WaveFormat.h"

#include <cstddef>
#include <cstdint>
#include <functional>

// The sound card's input as the sampling engine sees it: opened with a PCM
// format, paused and resumed, delivering whole 4096-byte blocks on the GUI
// thread through the block handler.
class AudioInput {
 public:
  static constexpr std::size_t kBlockBytes = 4096;
  using BlockHandler = std::function<void(const uint8_t* data, std::size_t count)>;

  virtual ~AudioInput() = default;

  // Opens the device with `format` and starts it. False when no device takes
  // the format; the input then stays closed.
  virtual bool Open(const WaveFormat& format) = 0;
  // Stops and closes the device; true when closed cleanly (or not open).
  virtual bool Close() = 0;
  // Resume and pause an open device; no effect when closed.
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual bool IsOpen() const = 0;

  void SetBlockHandler(BlockHandler handler) { blockHandler_ = std::move(handler); }

 protected:
  void DeliverBlock(const uint8_t* data, std::size_t count) {
    if (blockHandler_) blockHandler_(data, count);
  }

 private:
  BlockHandler blockHandler_;
};
