#pragma once

#include <string>

// A private loopback PulseAudio server for one test process, run through
// scripts/loopback-audio.sh: what is played on the default output comes back
// at the default input. Start() also points this process at the server (the
// four environment variables), so it must run before any Qt Multimedia object
// exists. If the process dies from a signal, the server is terminated too.
class LoopbackServer {
 public:
  ~LoopbackServer() { Stop(); }

  // Starts the server in a fresh temporary folder. False with `error` holding
  // the script's output when it cannot start.
  bool Start(std::string& error);
  // Stops the server and removes its folder; harmless when not running.
  void Stop();

  const std::string& Dir() const { return dir_; }

 private:
  std::string dir_;
};
