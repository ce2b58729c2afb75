#pragma once

#include "acquisition/RecordingBuffer.h"
#include "files/WaveFormat.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

class QLockFile;

// A recording as it is made, streamed to a file of its own in the runtime
// folder, so that a crash or a kill loses at most the block being filled:
// each block is handed to the kernel as it arrives (no buffer in the
// process), and every write is checked. The file holds a 32-byte header (the
// magic "ORVSPOOL", a version, the recording's format record) and then the
// raw frames. It is named by the process ("recording-<pid>.spool") and
// locked ("….spool.lock") while its program runs, so two programs in one
// folder never share one, and a spool is offered back (LeftSpool) only once
// its program has ended.
class RecordingSpool {
 public:
  static constexpr qint64 kHeaderBytes = 32;

  explicit RecordingSpool(std::size_t maxDataBytes = RecordingBuffer::kMaxBytes);
  // Closes the file and leaves it on disk, for the next start to offer.
  ~RecordingSpool();
  RecordingSpool(const RecordingSpool&) = delete;
  RecordingSpool& operator=(const RecordingSpool&) = delete;

  // Makes a new spool in `folder` for frames of `format`. False with
  // `reason` when it cannot be made; nothing is left behind then.
  bool Create(const QString& folder, const WaveFormat& format, QString* reason);
  bool IsOpen() const { return file_.isOpen(); }
  // Appends frames. A failed or short write, or one past the recording cap,
  // returns false with `reason` and closes the spool: it keeps what was
  // written before, and takes nothing more.
  bool Append(const uint8_t* data, std::size_t count, QString* reason);
  // Closes and deletes the file (also after a failed write).
  void Remove();
  // The file, once created (also after a failed write), else empty.
  const QString& Path() const { return path_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  QFile file_;
  QString path_;
  std::size_t dataBytes_ = 0;
  std::size_t maxDataBytes_;
};

// The header of a spool of `format`.
QByteArray SpoolHeader(const WaveFormat& format);
// The format of a spool's header; nothing, with `reason`, when `header` is
// not one or its format record is damaged.
std::optional<WaveFormat> ParseSpoolHeader(const QByteArray& header, QString* reason);
// The lock file of the spool at `spoolPath`.
QString SpoolLockPath(const QString& spoolPath);
