#include "generator/LoopingBuffer.h"

#include <algorithm>
#include <cstring>

LoopingBuffer::LoopingBuffer(QByteArray signal, qsizetype loopBytes, QObject* parent)
    : QIODevice(parent), signal_(std::move(signal)), loopBytes_(loopBytes) {
  // Unbuffered: QIODevice's own read buffer would allocate and copy twice.
  open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 LoopingBuffer::bytesAvailable() const { return (qint64{1} << 30) + QIODevice::bytesAvailable(); }

qint64 LoopingBuffer::readData(char* data, qint64 maxSize) {
  const char* const from = signal_.constData();
  qint64 done = 0;
  while (done < maxSize) {
    const qint64 n = std::min<qint64>(maxSize - done, loopBytes_ - position_);
    std::memcpy(data + done, from + position_, static_cast<std::size_t>(n));
    done += n;
    position_ += static_cast<qsizetype>(n);
    if (position_ == loopBytes_) position_ = 0;
  }
  return done;
}

qint64 LoopingBuffer::writeData(const char*, qint64) { return -1; }
