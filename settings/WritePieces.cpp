#include "settings/WritePieces.h"

#include <cerrno>
#include <cstring>

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool WritePieces(QFileDevice& file, OutputPieces pieces, QString* reason) {
  for (const auto& piece : pieces) {
    if (piece.empty()) continue;
    errno = 0;
    const qint64 written = file.write(reinterpret_cast<const char*>(piece.data()), qint64(piece.size()));
    if (written == qint64(piece.size())) continue;
    // Qt reports a failure that follows a partly successful write only as a
    // short count, without an error: errno still tells why.
    const int error = errno;
    *reason = file.error() != QFileDevice::NoError ? file.errorString() : SystemReason(error ? error : EIO);
    return false;
  }
  return true;
}
