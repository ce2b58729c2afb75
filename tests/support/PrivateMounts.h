#pragma once

// Small file systems mounted for one test: a tmpfs of a few KiB is a disk
// that really fills up. The mounts are made in a mount namespace of the
// test's own thread (and the processes it starts), so none of them outlives
// the test program or shows outside it. Mounting needs root; Unavailable()
// says why it cannot be done here.

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <vector>

#include <sched.h>
#include <sys/mount.h>

class PrivateMounts {
 public:
  PrivateMounts() : why_(Namespace()) {}
  PrivateMounts(const PrivateMounts&) = delete;
  PrivateMounts& operator=(const PrivateMounts&) = delete;
  ~PrivateMounts() {
    for (auto it = mounted_.rbegin(); it != mounted_.rend(); ++it) umount2(it->constData(), MNT_DETACH);
  }

  // Empty when mounting works here; else the reason it does not.
  const QString& Unavailable() const { return why_; }

  // A tmpfs of `bytes` on the existing folder `dir`.
  bool Tmpfs(const QString& dir, long bytes, QString* error) {
    const QByteArray options = "size=" + QByteArray::number(static_cast<qlonglong>(bytes));
    return Mount("tmpfs", dir, "tmpfs", 0, options.constData(), error);
  }
 private:
  static QString Namespace() {
    if (unshare(CLONE_NEWNS) != 0)
      return QStringLiteral("no mount namespace of our own: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    // Nothing mounted here propagates to the system's namespace.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
      return QStringLiteral("mounts cannot be made private: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return {};
  }

  bool Mount(const QString& source, const QString& target, const char* type, unsigned long flags,
             const char* options, QString* error) {
    const QByteArray to = QFile::encodeName(target);
    if (mount(QFile::encodeName(source).constData(), to.constData(), type, flags, options) == 0) {
      mounted_.push_back(to);
      return true;
    }
    *error = QStringLiteral("mount %1 on %2: %3").arg(source, target, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
  }

  QString why_;
  std::vector<QByteArray> mounted_;
};
