#pragma once

#include <QString>

#include <functional>

// What a sound-card backend tells its owner about its stream as it runs: the
// stream was lost (the sound server went away, the device was unplugged) or
// it is live again. A backend that loses its stream tries again by itself.
class AudioHealth {
 public:
  // `live` false: lost, with `reason` one line for the user; true: back.
  using Handler = std::function<void(bool live, const QString& reason)>;

  void SetHealthHandler(Handler handler) { healthHandler_ = std::move(handler); }

 protected:
  void ReportHealth(bool live, const QString& reason = {}) {
    if (healthHandler_) healthHandler_(live, reason);
  }

 private:
  Handler healthHandler_;
};
