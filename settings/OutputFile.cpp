#include "settings/OutputFile.h"

#include "settings/ReplaceFile.h"
#include "settings/WritePieces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <system_error>

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

// A device node or a named pipe: opened as it is and written through.
bool WriteInPlace(const QString& path, OutputPieces pieces, QString* reason) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered | QIODevice::ExistingOnly)) {
    *reason = file.errorString();
    return false;
  }
  const IgnoreBrokenPipe ignore;
  if (!WritePieces(file, pieces, reason)) return false;
  file.close();
  if (file.error() != QFileDevice::NoError) {
    *reason = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

bool WriteOutputFile(const QString& path, OutputPieces pieces, const QStringList& inputs, QString* reason) {
  QString why;
  const fs::path output = QFileInfo(path).filesystemFilePath();
  std::error_code error;
  for (const QString& input : inputs) {
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
    ok = WriteInPlace(path, pieces, &why);
  else
    ok = ReplaceFile(path, pieces, &why);
  if (!ok && reason) *reason = why;
  return ok;
}

bool WriteOutputFile(const QString& path, const QByteArray& bytes, const QStringList& inputs, QString* reason) {
  const std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                       static_cast<std::size_t>(bytes.size()));
  return WriteOutputFile(path, OutputPieces(&piece, 1), inputs, reason);
}
