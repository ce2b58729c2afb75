#pragma once

#include "files/WaveFormat.h"

#include <QByteArray>
#include <QString>

// The sound card's output as the generator sees it: plays one signal over and
// over, without a gap where it starts again, until stopped.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;

  // Stops whatever plays, then plays `signal` (PCM samples in `format`) in an
  // endless loop. The output keeps `signal` as its own: later changes to the
  // buffer it came from are not heard. A trailing part of a frame is not
  // played. False with `reason` set (one line) when no device takes it; the
  // output is then stopped.
  virtual bool Start(const WaveFormat& format, QByteArray signal, QString* reason) = 0;
  // Stops and releases the device; harmless when stopped.
  virtual void Stop() = 0;
  virtual bool IsPlaying() const = 0;
};
