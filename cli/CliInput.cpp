#include "cli/CliInput.h"

#include "cli/CliText.h"
#include "files/AnalysisWav.h"
#include "settings/InputFile.h"

#include <QFile>

#include <algorithm>

#include <unistd.h>

namespace {

// The whole stream, or nothing with `reason` set.
std::shared_ptr<const QByteArray> ReadStream(const QString& path, QString* reason) {
  QFile in;
  const bool standardInput = path == QLatin1String("-");
  if (standardInput && ::isatty(STDIN_FILENO)) {
    *reason = CliText::tr("standard input is a terminal: give a file or a pipe");
    return nullptr;
  }
  if (standardInput ? !in.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)
                    : (in.setFileName(path), !in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))) {
    *reason = in.errorString();
    return nullptr;
  }
  auto bytes = std::make_shared<QByteArray>();
  constexpr qint64 kPiece = 1 << 20;
  // One byte past the cap tells a stream that is too long.
  while (bytes->size() <= kMaxStreamInputBytes) {
    const qint64 want = std::min(kPiece, kMaxStreamInputBytes + 1 - bytes->size());
    const qsizetype had = bytes->size();
    bytes->resize(had + want);
    const qint64 got = in.read(bytes->data() + had, want);
    if (got < 0) {
      *reason = in.errorString();
      return nullptr;
    }
    bytes->resize(had + got);
    if (got == 0) break;
  }
  if (bytes->size() > kMaxStreamInputBytes) {
    *reason = CliText::tr("more than 2 GiB from a stream; give it as a file");
    return nullptr;
  }
  return bytes;
}

}  // namespace

WavProbe ProbeCliWav(const QString& path, bool analysis) {
  std::shared_ptr<const QByteArray> memory;
  if (path == QLatin1String("-") || KindOfFile(path) == FileKind::Pipe) {
    WavProbe refused;
    memory = ReadStream(path, &refused.reason);
    if (!memory) return refused;
  }
  return analysis ? ProbeAnalysisWav(path, memory) : ProbeWavFile(path, memory);
}
