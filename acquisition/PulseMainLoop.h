#pragma once

#include <pulse/mainloop-api.h>

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;

// The sound server's client library run on the GUI thread's own event loop:
// its file descriptors are watched by socket notifiers, its timers are one
// QTimer, its deferred calls a zero-time timer. Every library callback runs
// on the GUI thread, between Qt's events; there is no second thread and no
// lock.
//
// RunUntil() also lets the library work while the caller waits for it (a
// stream that is being opened), handling the library's own events only, so
// no window event, paint or tick runs in between.
class PulseMainLoop : public QObject {
  Q_OBJECT

 public:
  PulseMainLoop();
  ~PulseMainLoop() override;

  pa_mainloop_api* Api() { return &api_; }

  // Handles the library's events until `done` holds or `timeoutMs` has
  // passed; true when `done` held. Called from inside one of the library's
  // callbacks it waits for nothing.
  bool RunUntil(const std::function<bool()>& done, int timeoutMs);

  struct IoEvent;
  struct TimeEvent;
  struct DeferEvent;

 private:
  // One round: deferred calls, ready descriptors (waiting up to `waitMs`,
  // less when a timer is due sooner), due timers.
  void Iterate(int waitMs);
  // Sets the notifiers and timers to what the events now ask for.
  void Rearm();
  void Collect();
  int MsToNextTimer() const;

  static pa_io_event* IoNew(pa_mainloop_api* a, int fd, pa_io_event_flags_t events, pa_io_event_cb_t cb,
                            void* userdata);
  static void IoEnable(pa_io_event* e, pa_io_event_flags_t events);
  static void IoFree(pa_io_event* e);
  static void IoSetDestroy(pa_io_event* e, pa_io_event_destroy_cb_t cb);
  static pa_time_event* TimeNew(pa_mainloop_api* a, const struct timeval* tv, pa_time_event_cb_t cb,
                                void* userdata);
  static void TimeRestart(pa_time_event* e, const struct timeval* tv);
  static void TimeFree(pa_time_event* e);
  static void TimeSetDestroy(pa_time_event* e, pa_time_event_destroy_cb_t cb);
  static pa_defer_event* DeferNew(pa_mainloop_api* a, pa_defer_event_cb_t cb, void* userdata);
  static void DeferEnable(pa_defer_event* e, int enable);
  static void DeferFree(pa_defer_event* e);
  static void DeferSetDestroy(pa_defer_event* e, pa_defer_event_destroy_cb_t cb);
  static void Quit(pa_mainloop_api* a, int retval);

  pa_mainloop_api api_{};
  std::vector<std::unique_ptr<IoEvent>> ios_;
  std::vector<std::unique_ptr<TimeEvent>> timers_;
  std::vector<std::unique_ptr<DeferEvent>> defers_;
  QTimer timer_;  // the next library timer, or a deferred call
  int depth_ = 0;  // Iterate calls in progress; freed events wait until 0
};
