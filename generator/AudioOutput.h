#pragma once

#include "app/AudioHealth.h"
#include "files/WaveFormat.h"

#include <QByteArray>
#include <QString>

// The sound card's output as the generator sees it: plays one signal over and
// over, without a gap where it starts again, until stopped. A backend that
// follows the sound server reports a lost and a recovered stream through the
// health handler and resumes the signal by itself.
class AudioOutput : public AudioHealth {
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
  // Heard now: started, and not lost.
  virtual bool IsPlaying() const = 0;
  // The device to play on: the sound system's id, empty for the system's
  // default. A playing output moves to it at once.
  virtual void SetDevice(const QByteArray& id) { (void)id; }
};
