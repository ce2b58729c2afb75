#pragma once

#include "acquisition/PulseStream.h"
#include "generator/AudioOutput.h"

#include <memory>

class LoopingBuffer;

// The sound card's output straight through the sound server (PulseAudio, or
// PipeWire's PulseAudio server), on the GUI thread: a playback stream pulls
// the signal from a LoopingBuffer, so it plays endlessly with no gap at the
// loop point. Unlike Qt Multimedia's output it survives the server: a lost
// stream is reported through the health handler and the signal plays again
// by itself when the server or the device is back (see PulseStream).
// Formats: PCM, 16-bit signed, mono or stereo.
class PulseAudioOutput : public AudioOutput {
 public:
  PulseAudioOutput();
  ~PulseAudioOutput() override;

  bool Start(const WaveFormat& format, QByteArray signal, QString* reason) override;
  void Stop() override;
  bool IsPlaying() const override { return stream_.IsLive(); }
  void SetDevice(const QByteArray& id) override { stream_.SetDevice(id); }

 private:
  void OnWritable(pa_stream* stream, std::size_t bytes);

  std::unique_ptr<LoopingBuffer> loop_;  // outlives the stream that reads it
  std::size_t frameBytes_ = 4;
  PulseStream stream_;
};
