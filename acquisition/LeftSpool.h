#pragma once

#include "files/WaveFormat.h"

#include <QString>

#include <memory>
#include <vector>

class QLockFile;

// A recording spool (RecordingSpool) whose program ended before the
// recording was saved or discarded: a crash, a kill, the end of the session.
// Found at start-up, checked, then saved as a WAV file or removed; a damaged
// one is only ever named, never deleted. While the object lives it holds
// the spool's lock, so a program starting meanwhile does not offer it too.
class LeftSpool {
 public:
  // The spools in `folder` whose programs no longer run, by name.
  static std::vector<std::unique_ptr<LeftSpool>> Claim(const QString& folder);
  ~LeftSpool();

  const QString& Path() const { return path_; }
  // Reads and checks the header. False with `reason` for a file that is not
  // a spool, has a damaged format record or holds more than a recording may.
  bool Check(QString* reason);
  // After Check: the recording's format and its whole frames.
  const WaveFormat& Format() const { return format_; }
  quint64 DataBytes() const { return dataBytes_; }
  // After Check: writes the frames as a WAV file at `path` (never over the
  // spool itself). False with `error`; the spool is kept either way.
  bool SaveAsWav(const QString& path, QString* error) const;
  // Deletes the spool. False with `error`.
  bool Remove(QString* error);

 private:
  LeftSpool(QString path, std::unique_ptr<QLockFile> lock);

  QString path_;
  std::unique_ptr<QLockFile> lock_;
  WaveFormat format_;
  quint64 dataBytes_ = 0;
};
