#pragma once

#include "app/AudioHealth.h"
#include "files/WaveFormat.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>

// The sound card's input as the sampling engine sees it: opened with a PCM
// format, paused and resumed, delivering whole 4096-byte blocks on the GUI
// thread through the block handler. A backend that follows the sound server
// reports a lost and a recovered stream through the health handler.
class AudioInput : public AudioHealth {
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
  // The device to record from: the sound system's id, empty for the system's
  // default. An open input moves to it at once; a closed one uses it when
  // opened.
  virtual void SetDevice(const QByteArray& id) { (void)id; }
  // After a failed Open: what is missing and what the user can do, one or
  // two sentences; empty when the backend cannot tell.
  virtual QString OpenProblem() const { return {}; }

  void SetBlockHandler(BlockHandler handler) { blockHandler_ = std::move(handler); }

 protected:
  void DeliverBlock(const uint8_t* data, std::size_t count) {
    if (blockHandler_) blockHandler_(data, count);
  }

 private:
  BlockHandler blockHandler_;
};
