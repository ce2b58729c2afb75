#pragma once

#include "acquisition/AudioDevices.h"
#include "acquisition/PulseMainLoop.h"

#include <QTimer>

#include <pulse/context.h>

// The program's one connection to the sound server (PulseAudio, or PipeWire
// through its PulseAudio server), on the GUI thread. It names the program to
// the server, keeps the lists of input and output devices, and when the
// server goes away (a restart, a crash, none started yet) it tries again
// every second until it is back.
class PulseServer : public AudioDevices {
  Q_OBJECT

 public:
  static constexpr int kRetryMs = 1000;

  // The connection, made on first use and deleted with the application
  // object; it first connects when something waits for it. Needs a
  // QCoreApplication.
  static PulseServer& Instance();
  ~PulseServer() override;

  // Connected, and the device lists are in.
  bool IsReady() const { return ready_; }
  // Waits up to `ms` for IsReady(), handling the server's events only;
  // connects first when not connected.
  bool WaitReady(int ms);
  // One line for the user when not ready: no server, or why it refused.
  QString Problem() const { return problem_; }
  // The server's last error for a failed request, one line.
  QString LastError() const;
  int LastErrorCode() const;
  pa_context* Context() const { return ready_ ? context_ : nullptr; }
  PulseMainLoop& Loop() { return loop_; }

  QList<AudioDevice> Inputs() const override { return sources_; }
  QList<AudioDevice> Outputs() const override { return sinks_; }
  bool WaitForLists(int ms) override { return WaitReady(ms); }
  QByteArray DefaultInput() const { return defaultSource_; }
  QByteArray DefaultOutput() const { return defaultSink_; }

 signals:
  // The connection came up (true) or went away (false). Sent from the event
  // loop, never from inside the library's callbacks, as is Changed().
  void ReadyChanged(bool ready);

 private:
  PulseServer();
  void Connect();
  void Drop();
  static QString NoServerText(int error);
  void OnStateChanged();
  // Asks for the server's defaults and both device lists; ready when all are in.
  void Refresh();
  void OnListsDone();
  template <typename Signal, typename... Args>
  void EmitLater(Signal signal, Args... args);

  PulseMainLoop loop_;  // outlives the context
  pa_context* context_ = nullptr;
  bool ready_ = false;
  QString problem_;
  QTimer retry_;
  int pendingQueries_ = 0;
  bool refreshAgain_ = false;
  QList<AudioDevice> sources_, sinks_, newSources_, newSinks_;
  QByteArray defaultSource_, defaultSink_;
};
