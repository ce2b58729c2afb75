#pragma once

#include "acquisition/SamplingEngine.h"
#include "files/WavFile.h"

#include <QString>

#include <vector>

struct CliArguments;

// A WAV file and one frame of it converted into the traces, the way replay
// shows that frame. Only the elements a command needs are read, so a huge
// file costs no more than a small one.
class RecordingFrame {
 public:
  // Checks `path` and takes the file's channels, sample rate and sample
  // width into g_settings.
  bool Load(const QString& path, QString* error);
  // The stored bytes of `count` elements from element `at` on; when they do
  // not fit the file, false with `error` naming the `unit` they make.
  bool ReadElements(long long at, long long count, const QString& unit, std::vector<uint8_t>* bytes,
                    QString* error) const;
  // Converts the frame that starts at element `at` in `mode` (DisplayMode).
  bool Convert(long long at, int mode, QString* error);

  // Binds the sampling plug-in `library` as the program does, at `rate`
  // with `channels` (0 keeps the settings' channels), and converts in `mode`
  // the frame it delivers on the first display tick after loading.
  bool LoadPlugin(const QString& library, int rate, int channels, int mode, QString* error);

  const WavLayout& Layout() const { return layout_; }
  // What the user should know about how the file was read (see WavProbe), else empty.
  const QString& Note() const { return note_; }
  SamplingEngine& Engine() { return engine_; }

 private:
  SamplingEngine engine_;
  QString path_;
  WavLayout layout_;
  QString note_;
};

// The frame the command line names: the plug-in's (--plugin) or the WAV
// file's at --at, converted in `mode`.
bool ConvertCommandFrame(const CliArguments& arguments, int mode, RecordingFrame& frame, QString* error);
