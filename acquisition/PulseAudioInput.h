#pragma once

#include "acquisition/AudioInput.h"
#include "acquisition/PulseStream.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The sound card's input straight through the sound server (PulseAudio, or
// PipeWire's PulseAudio server), on the GUI thread. Unlike Qt Multimedia's
// input it survives the server: a lost stream is reported through the health
// handler and comes back by itself, in the same format and on the same
// device (see PulseStream). Whole 4096-byte blocks only reach the block
// handler, as the device buffers of a wave-in device would.
class PulseAudioInput : public AudioInput {
 public:
  PulseAudioInput();
  ~PulseAudioInput() override;

  // False when the stream cannot run now (no server, no device, a refused
  // format). With a server or device missing the input still counts as open
  // and starts once they are there.
  bool Open(const WaveFormat& format) override;
  bool Close() override;
  void Start() override;
  void Stop() override;
  // Opened and not closed since, whether or not the stream runs right now.
  bool IsOpen() const override { return stream_.IsWanted(); }
  void SetDevice(const QByteArray& id) override;
  QString OpenProblem() const override { return problem_; }

  bool IsLive() const { return stream_.IsLive(); }

 private:
  void OnReadable(pa_stream* stream);

  PulseStream stream_;
  QString problem_;
  std::array<uint8_t, kBlockBytes> block_{};
  std::size_t fill_ = 0;
};
