#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// SIGTERM and SIGHUP (a kill, the end of the session, a shutdown) run
// `onQuit` on the GUI thread instead of ending the process on the spot. The
// handler only writes a byte to a pipe, which is all a signal handler may
// safely do; a socket notifier reads it in the event loop. While the object
// lives it owns both signals; destroyed, their default actions return.
class QuitSignals : public QObject {
 public:
  explicit QuitSignals(std::function<void()> onQuit, QObject* parent = nullptr);
  ~QuitSignals() override;

 private:
  std::function<void()> onQuit_;
  QSocketNotifier* notifier_ = nullptr;
};
