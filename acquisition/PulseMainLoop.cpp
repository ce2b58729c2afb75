#include "acquisition/PulseMainLoop.h"

#include <pulse/rtclock.h>
#include <pulse/timeval.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>

#include <poll.h>

#include <algorithm>
#include <limits>

// The events the library asks for. A freed event is only marked dead (its
// callback may be running); it is deleted once no round is in progress.
struct PulseMainLoop::IoEvent {
  PulseMainLoop* loop;
  int fd;
  pa_io_event_flags_t flags;
  pa_io_event_cb_t cb;
  void* userdata;
  pa_io_event_destroy_cb_t destroy = nullptr;
  QSocketNotifier* readable = nullptr;
  QSocketNotifier* writable = nullptr;
  bool dead = false;
};

struct PulseMainLoop::TimeEvent {
  PulseMainLoop* loop;
  pa_usec_t when = 0;
  bool monotonic = false;  // `when` on the monotonic clock, else the wall clock
  bool enabled = false;
  pa_time_event_cb_t cb;
  void* userdata;
  pa_time_event_destroy_cb_t destroy = nullptr;
  bool dead = false;
};

struct PulseMainLoop::DeferEvent {
  PulseMainLoop* loop;
  bool enabled = true;
  pa_defer_event_cb_t cb;
  void* userdata;
  pa_defer_event_destroy_cb_t destroy = nullptr;
  bool dead = false;
};

namespace {

// The library marks a time on its monotonic clock with this bit in tv_usec
// (its own main loops test the same bit); other times are on the wall clock.
constexpr suseconds_t kMonotonicBit = suseconds_t{1} << 30;

pa_usec_t Now(bool monotonic) {
  if (monotonic) return pa_rtclock_now();
  timeval tv{};
  return pa_timeval_load(pa_gettimeofday(&tv));
}

void SetTime(PulseMainLoop::TimeEvent* e, const timeval* tv) {
  e->enabled = tv != nullptr;
  if (!tv) return;
  timeval t = *tv;
  e->monotonic = (t.tv_usec & kMonotonicBit) != 0;
  t.tv_usec &= ~kMonotonicBit;
  e->when = pa_timeval_load(&t);
}

}  // namespace

PulseMainLoop::PulseMainLoop() {
  api_.userdata = this;
  api_.io_new = IoNew;
  api_.io_enable = IoEnable;
  api_.io_free = IoFree;
  api_.io_set_destroy = IoSetDestroy;
  api_.time_new = TimeNew;
  api_.time_restart = TimeRestart;
  api_.time_free = TimeFree;
  api_.time_set_destroy = TimeSetDestroy;
  api_.defer_new = DeferNew;
  api_.defer_enable = DeferEnable;
  api_.defer_free = DeferFree;
  api_.defer_set_destroy = DeferSetDestroy;
  api_.quit = Quit;
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { Iterate(0); });
}

PulseMainLoop::~PulseMainLoop() {
  // Whatever the library left behind is freed the way the library expects.
  for (auto& e : ios_)
    if (!e->dead && e->destroy) e->destroy(&api_, reinterpret_cast<pa_io_event*>(e.get()), e->userdata);
  for (auto& e : timers_)
    if (!e->dead && e->destroy) e->destroy(&api_, reinterpret_cast<pa_time_event*>(e.get()), e->userdata);
  for (auto& e : defers_)
    if (!e->dead && e->destroy) e->destroy(&api_, reinterpret_cast<pa_defer_event*>(e.get()), e->userdata);
}

bool PulseMainLoop::RunUntil(const std::function<bool()>& done, int timeoutMs) {
  // The library's callbacks are not reentrant: from inside one, nothing is
  // waited for.
  if (depth_ > 0) return done();
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    const qint64 left = timeoutMs - clock.elapsed();
    if (left <= 0) return false;
    Iterate(static_cast<int>(std::min<qint64>(left, 50)));
  }
  return true;
}

int PulseMainLoop::MsToNextTimer() const {
  int ms = -1;
  for (const auto& e : timers_) {
    if (e->dead || !e->enabled) continue;
    const pa_usec_t now = Now(e->monotonic);
    const pa_usec_t wait = e->when > now ? e->when - now : 0;
    const int eventMs = static_cast<int>(std::min<pa_usec_t>((wait + 999) / 1000, std::numeric_limits<int>::max()));
    ms = ms < 0 ? eventMs : std::min(ms, eventMs);
  }
  return ms;
}

void PulseMainLoop::Iterate(int waitMs) {
  // A callback of the library opened an event loop of its own (a message
  // box): the library's callbacks are not reentrant, so its events wait,
  // unwatched, until that callback has returned; the round it belongs to
  // watches them again.
  if (depth_ > 0) {
    for (const auto& e : ios_) {
      if (e->dead) continue;
      e->readable->setEnabled(false);
      e->writable->setEnabled(false);
    }
    timer_.stop();
    return;
  }
  ++depth_;
  // Deferred calls: once per round while enabled.
  bool deferred = false;
  for (std::size_t i = 0; i < defers_.size(); ++i) {
    DeferEvent* e = defers_[i].get();
    if (e->dead || !e->enabled) continue;
    deferred = true;
    e->cb(&api_, reinterpret_cast<pa_defer_event*>(e), e->userdata);
  }

  // Descriptors: wait no longer than the next timer, not at all after a
  // deferred call (it may have work queued).
  std::vector<pollfd> fds;
  std::vector<IoEvent*> watched;
  for (const auto& e : ios_) {
    if (e->dead || e->flags == PA_IO_EVENT_NULL) continue;
    short events = 0;
    if (e->flags & PA_IO_EVENT_INPUT) events |= POLLIN;
    if (e->flags & PA_IO_EVENT_OUTPUT) events |= POLLOUT;
    fds.push_back({e->fd, events, 0});
    watched.push_back(e.get());
  }
  int wait = deferred ? 0 : waitMs;
  if (const int timerMs = MsToNextTimer(); timerMs >= 0) wait = std::min(wait, timerMs);
  if (::poll(fds.data(), fds.size(), wait) > 0) {
    for (std::size_t i = 0; i < fds.size(); ++i) {
      IoEvent* e = watched[i];
      if (fds[i].revents == 0 || e->dead) continue;
      int flags = PA_IO_EVENT_NULL;
      if (fds[i].revents & POLLIN) flags |= PA_IO_EVENT_INPUT;
      if (fds[i].revents & POLLOUT) flags |= PA_IO_EVENT_OUTPUT;
      if (fds[i].revents & POLLHUP) flags |= PA_IO_EVENT_HANGUP;
      if (fds[i].revents & (POLLERR | POLLNVAL)) flags |= PA_IO_EVENT_ERROR;
      e->cb(&api_, reinterpret_cast<pa_io_event*>(e), e->fd, static_cast<pa_io_event_flags_t>(flags), e->userdata);
    }
  }

  // Timers that are due fire once; the library restarts the ones it wants again.
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    TimeEvent* e = timers_[i].get();
    if (e->dead || !e->enabled || e->when > Now(e->monotonic)) continue;
    e->enabled = false;
    timeval tv{};
    pa_timeval_store(&tv, e->when);
    e->cb(&api_, reinterpret_cast<pa_time_event*>(e), &tv, e->userdata);
  }
  --depth_;
  Collect();
  Rearm();
}

void PulseMainLoop::Rearm() {
  // The application is going away: nothing more will be waited for. Inside
  // a round, the round's end rearms.
  if (QCoreApplication::closingDown() || depth_ > 0) return;
  for (const auto& e : ios_) {
    if (e->dead) continue;
    e->readable->setEnabled((e->flags & PA_IO_EVENT_INPUT) != 0);
    e->writable->setEnabled((e->flags & PA_IO_EVENT_OUTPUT) != 0);
  }
  const bool deferred =
      std::any_of(defers_.begin(), defers_.end(), [](const auto& e) { return !e->dead && e->enabled; });
  const int ms = deferred ? 0 : MsToNextTimer();
  if (ms < 0)
    timer_.stop();
  else
    timer_.start(ms);
}

void PulseMainLoop::Collect() {
  if (depth_ > 0) return;
  auto dead = [](const auto& e) { return e->dead; };
  std::erase_if(ios_, dead);
  std::erase_if(timers_, dead);
  std::erase_if(defers_, dead);
}

// ------------------------------------------------------------ the library's calls

pa_io_event* PulseMainLoop::IoNew(pa_mainloop_api* a, int fd, pa_io_event_flags_t events, pa_io_event_cb_t cb,
                                  void* userdata) {
  auto* loop = static_cast<PulseMainLoop*>(a->userdata);
  auto e = std::make_unique<IoEvent>(IoEvent{loop, fd, events, cb, userdata});
  e->readable = new QSocketNotifier(fd, QSocketNotifier::Read, loop);
  e->writable = new QSocketNotifier(fd, QSocketNotifier::Write, loop);
  for (QSocketNotifier* n : {e->readable, e->writable})
    connect(n, &QSocketNotifier::activated, loop, [loop] { loop->Iterate(0); });
  IoEvent* raw = e.get();
  loop->ios_.push_back(std::move(e));
  loop->Rearm();
  return reinterpret_cast<pa_io_event*>(raw);
}

void PulseMainLoop::IoEnable(pa_io_event* event, pa_io_event_flags_t events) {
  auto* e = reinterpret_cast<IoEvent*>(event);
  e->flags = events;
  e->loop->Rearm();
}

void PulseMainLoop::IoFree(pa_io_event* event) {
  auto* e = reinterpret_cast<IoEvent*>(event);
  e->dead = true;
  // The notifier may be the one whose signal is being handled.
  e->readable->setEnabled(false);
  e->writable->setEnabled(false);
  e->readable->deleteLater();
  e->writable->deleteLater();
  if (e->destroy) e->destroy(&e->loop->api_, event, e->userdata);
  e->loop->Collect();
}

void PulseMainLoop::IoSetDestroy(pa_io_event* event, pa_io_event_destroy_cb_t cb) {
  reinterpret_cast<IoEvent*>(event)->destroy = cb;
}

pa_time_event* PulseMainLoop::TimeNew(pa_mainloop_api* a, const struct timeval* tv, pa_time_event_cb_t cb,
                                      void* userdata) {
  auto* loop = static_cast<PulseMainLoop*>(a->userdata);
  auto e = std::make_unique<TimeEvent>();
  e->loop = loop;
  e->cb = cb;
  e->userdata = userdata;
  SetTime(e.get(), tv);
  TimeEvent* raw = e.get();
  loop->timers_.push_back(std::move(e));
  loop->Rearm();
  return reinterpret_cast<pa_time_event*>(raw);
}

void PulseMainLoop::TimeRestart(pa_time_event* event, const struct timeval* tv) {
  auto* e = reinterpret_cast<TimeEvent*>(event);
  SetTime(e, tv);
  e->loop->Rearm();
}

void PulseMainLoop::TimeFree(pa_time_event* event) {
  auto* e = reinterpret_cast<TimeEvent*>(event);
  e->dead = true;
  if (e->destroy) e->destroy(&e->loop->api_, event, e->userdata);
  e->loop->Collect();
}

void PulseMainLoop::TimeSetDestroy(pa_time_event* event, pa_time_event_destroy_cb_t cb) {
  reinterpret_cast<TimeEvent*>(event)->destroy = cb;
}

pa_defer_event* PulseMainLoop::DeferNew(pa_mainloop_api* a, pa_defer_event_cb_t cb, void* userdata) {
  auto* loop = static_cast<PulseMainLoop*>(a->userdata);
  auto e = std::make_unique<DeferEvent>();
  e->loop = loop;
  e->cb = cb;
  e->userdata = userdata;
  DeferEvent* raw = e.get();
  loop->defers_.push_back(std::move(e));
  loop->Rearm();
  return reinterpret_cast<pa_defer_event*>(raw);
}

void PulseMainLoop::DeferEnable(pa_defer_event* event, int enable) {
  auto* e = reinterpret_cast<DeferEvent*>(event);
  e->enabled = enable != 0;
  e->loop->Rearm();
}

void PulseMainLoop::DeferFree(pa_defer_event* event) {
  auto* e = reinterpret_cast<DeferEvent*>(event);
  e->dead = true;
  if (e->destroy) e->destroy(&e->loop->api_, event, e->userdata);
  e->loop->Collect();
}

void PulseMainLoop::DeferSetDestroy(pa_defer_event* event, pa_defer_event_destroy_cb_t cb) {
  reinterpret_cast<DeferEvent*>(event)->destroy = cb;
}

void PulseMainLoop::Quit(pa_mainloop_api*, int) {}
