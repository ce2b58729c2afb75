#pragma once

#include "acquisition/SamplingEngine.h"
#include "files/WavFile.h"

#include <QString>

// A WAV file loaded as the recording and one frame of it converted into the
// traces, the way replay shows that frame.
class RecordingFrame {
 public:
  // Loads `path` with the file's channels, sample rate and sample width.
  bool Load(const QString& path, QString* error);
  // Converts the frame that starts at element `at` in `mode` (DisplayMode).
  bool Convert(long long at, int mode, QString* error);

  const WavLayout& Layout() const { return layout_; }
  SamplingEngine& Engine() { return engine_; }

 private:
  SamplingEngine engine_;
  WavLayout layout_;
};
