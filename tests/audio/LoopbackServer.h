#pragma once

#include <string>

// A private loopback sound server for one test process, run through
// scripts/loopback-audio.sh (PulseAudio), or scripts/loopback-pipewire.sh
// (PipeWire with its PulseAudio server) when ONDRIX_SOUND_SERVER is
// "pipewire": what is played on the default output comes back at the
// default input. Start() also points this process at the server (the
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
  // Stops the server but keeps its folder, so clients find it again at the
  // same place after Resume().
  void Kill();
  // Starts the server again after Kill(); false with `error` as Start.
  bool Resume(std::string& error);
  // "PulseAudio" or "PipeWire".
  static const char* Kind();

  const std::string& Dir() const { return dir_; }

 private:
  std::string dir_;
};
