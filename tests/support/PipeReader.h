#pragma once

// A reader for a named pipe that comes late: after `delay` (unless finished
// first) it opens the pipe and reads what a writer writes, to its end. A
// writer that waits for a reader is then set free, rather than hanging the
// test, and Finish() tells whether it had to. With a delay of 0 it is the
// reader a shell tool's output meets.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

class PipeReader {
 public:
  PipeReader(const QString& path, std::chrono::milliseconds delay)
      : thread_([this, name = QFile::encodeName(path), delay] { Run(name, delay); }) {}
  PipeReader(const PipeReader&) = delete;
  PipeReader& operator=(const PipeReader&) = delete;
  ~PipeReader() { Finish(); }

  // Stops a reader that has not come yet, or that came and saw no writer;
  // one that met a writer reads to the end of what it writes. Then: whether
  // the reader came, and what it read.
  bool Finish() {
    {
      const std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
    return came_;
  }
  const QByteArray& Received() const { return received_; }

 private:
  void Run(const QByteArray& name, std::chrono::milliseconds delay) {
    {
      std::unique_lock lock(mutex_);
      if (wake_.wait_for(lock, delay, [this] { return stopped_; })) return;
      came_ = true;
    }
    // Opened without waiting for a writer; reads then wait while one holds
    // the pipe open, and end when it closes it. Before any writer came they
    // find nothing and are tried again until one comes or Finish() is called.
    const int fd = open(name.constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return;
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    char buffer[65536];
    for (bool met = false;;) {
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n > 0) {
        received_.append(buffer, n);
        met = true;
      } else if (met || Stopped()) {
        break;
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    }
    close(fd);
  }

  bool Stopped() {
    const std::lock_guard lock(mutex_);
    return stopped_;
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopped_ = false;
  bool came_ = false;
  QByteArray received_;
  std::thread thread_;  // last: starts once the rest is made
};
