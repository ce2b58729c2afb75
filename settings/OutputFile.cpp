#include "settings/OutputFile.h"

#include "settings/ReplaceFile.h"
#include "settings/WritePieces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// While it lives, a reader that leaves a pipe makes writes fail with EPIPE
// instead of ending the program with SIGPIPE. The program has one thread.
class IgnoreBrokenPipe {
 public:
#ifdef SIGPIPE
  IgnoreBrokenPipe() : previous_(std::signal(SIGPIPE, SIG_IGN)) {}
  ~IgnoreBrokenPipe() { std::signal(SIGPIPE, previous_); }

 private:
  void (*previous_)(int);
#endif
};

QString NoReaderReason() {
  return QCoreApplication::translate("OutputFile", "没有程序在读取这个命名管道");
}

// Opens a device node or a named pipe as it is. Without `waitForReader` the
// open does not wait for a pipe's reader: with none it fails at once. Once
// open, writes wait as usual while the reader reads.
bool OpenInPlace(QFile& file, bool isPipe, bool waitForReader, QString* reason) {
#ifdef Q_OS_UNIX
  const int fd = ::open(QFile::encodeName(file.fileName()).constData(),
                        O_WRONLY | O_CLOEXEC | (waitForReader ? 0 : O_NONBLOCK));
  if (fd < 0) {
    *reason = isPipe && errno == ENXIO ? NoReaderReason() : SystemReason(errno);
    return false;
  }
  if (!waitForReader) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) return true;
  ::close(fd);
#else
  Q_UNUSED(isPipe);
  Q_UNUSED(waitForReader);
  if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered | QIODevice::ExistingOnly)) return true;
#endif
  *reason = file.errorString();
  return false;
}

// A device node or a named pipe: opened as it is and written through.
bool WriteInPlace(const QString& path, bool isPipe, OutputPieces pieces, bool waitForReader, QString* reason) {
  QFile file(path);
  if (!OpenInPlace(file, isPipe, waitForReader, reason)) return false;
  const IgnoreBrokenPipe ignore;
  if (!WritePieces(file, pieces, reason)) return false;
  file.close();
  if (file.error() != QFileDevice::NoError) {
    *reason = file.errorString();
    return false;
  }
  return true;
}

// Standard output, written through after what stdio holds for it.
bool WriteStandardOutput(OutputPieces pieces, QString* reason) {
  if (std::fflush(stdout) != 0) {
    *reason = SystemReason(errno);
    return false;
  }
  QFile out;
  if (!out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)) {
    *reason = out.errorString();
    return false;
  }
  const IgnoreBrokenPipe ignore;
  return WritePieces(out, pieces, reason);
}

}  // namespace

bool WriteOutputFile(const QString& path, OutputPieces pieces, const OutputOptions& options, QString* reason) {
  QString why;
  if (options.dashIsStandardOutput && path == QLatin1String("-")) {
    if (!WriteStandardOutput(pieces, &why) && reason) *reason = why;
    return why.isEmpty();
  }
  const fs::path output = QFileInfo(path).filesystemFilePath();
  std::error_code error;
  for (const QString& input : options.inputs) {
    if (fs::equivalent(output, QFileInfo(input).filesystemFilePath(), error)) {
      if (reason)
        *reason = QCoreApplication::translate("OutputFile", "输出文件就是输入文件 %1，不能覆盖")
                      .arg(QDir::toNativeSeparators(input));
      return false;
    }
  }

  // What is there now, links followed.
  const fs::file_status status = fs::status(output, error);
  bool ok = false;
  if (fs::is_directory(status))
    why = SystemReason(EISDIR);
  else if (fs::exists(status) && !fs::is_regular_file(status))
    ok = WriteInPlace(path, fs::is_fifo(status), pieces, options.waitForReader, &why);
  else
    ok = ReplaceFile(path, pieces, &why);
  if (!ok && reason) *reason = why;
  return ok;
}

bool WriteOutputFile(const QString& path, const QByteArray& bytes, const OutputOptions& options, QString* reason) {
  const std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                       static_cast<std::size_t>(bytes.size()));
  return WriteOutputFile(path, OutputPieces(&piece, 1), options, reason);
}
