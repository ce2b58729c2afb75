#include "gui/QuitSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP};
int g_pipe[2] = {-1, -1};

void OnQuitSignal(int) {
  const int saved = errno;
  const char byte = 1;
  // A full pipe already holds a quit request.
  [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> onQuit, QObject* parent)
    : QObject(parent), onQuit_(std::move(onQuit)) {
  if (::pipe(g_pipe) != 0) return;  // the signals keep their default action
  for (int fd : g_pipe) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
  for (int fd : g_pipe) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    onQuit_();
  });
  struct sigaction action = {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : kSignals) ::sigaction(sig, &action, nullptr);
}

QuitSignals::~QuitSignals() {
  if (!notifier_) return;
  for (int sig : kSignals) std::signal(sig, SIG_DFL);
  delete notifier_;
  for (int& fd : g_pipe) {
    ::close(fd);
    fd = -1;
  }
}

#else

// Elsewhere the system ends the program its own way.
QuitSignals::QuitSignals(std::function<void()> onQuit, QObject* parent) : QObject(parent), onQuit_(std::move(onQuit)) {}
QuitSignals::~QuitSignals() = default;

#endif
