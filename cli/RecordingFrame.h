#pragma once

#include "acquisition/SamplingEngine.h"
#include "files/WavFile.h"

#include <QString>

struct CliArguments;

// A WAV file loaded as the recording and one frame of it converted into the
// traces, the way replay shows that frame.
class RecordingFrame {
 public:
  // Loads `path` with the file's channels, sample rate and sample width.
  bool Load(const QString& path, QString* error);
  // Converts the frame that starts at element `at` in `mode` (DisplayMode).
  bool Convert(long long at, int mode, QString* error);

  // Binds the sampling plug-in `library` as the program does, at `rate`
  // with `channels` (0 keeps the settings' channels), and converts in `mode`
  // the frame it delivers on the first display tick after loading.
  bool LoadPlugin(const QString& library, int rate, int channels, int mode, QString* error);

  const WavLayout& Layout() const { return layout_; }
  SamplingEngine& Engine() { return engine_; }

 private:
  SamplingEngine engine_;
  WavLayout layout_;
};

// The frame the command line names: the plug-in's (--plugin) or the WAV
// file's at --at, converted in `mode`.
bool ConvertCommandFrame(const CliArguments& arguments, int mode, RecordingFrame& frame, QString* error);
