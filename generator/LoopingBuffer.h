#pragma once

#include <QByteArray>
#include <QIODevice>

// A read-only device that hands out the first `loopBytes` of a signal over and
// over: the byte after the last is the first again, so a reader sees one
// endless stream with no gap at the loop point. Reading copies only; nothing
// is allocated while it is read.
class LoopingBuffer : public QIODevice {
 public:
  // `loopBytes` is between 1 and signal.size().
  LoopingBuffer(QByteArray signal, qsizetype loopBytes, QObject* parent = nullptr);

  bool isSequential() const override { return true; }
  // Always plenty: the stream never ends.
  qint64 bytesAvailable() const override;
  // Where the next read starts, in bytes from the start of the loop.
  qsizetype LoopPosition() const { return position_; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char* data, qint64 maxSize) override;

 private:
  const QByteArray signal_;
  const qsizetype loopBytes_;
  qsizetype position_ = 0;
};
