#pragma once

#include "acquisition/PulseStreamProps.h"

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <functional>

#include <pulse/stream.h>

class PulseServer;

// One record or playback stream of the sound server, kept running for as
// long as it is wanted. When it fails (the server stopped or restarted, the
// chosen device unplugged) it reports itself lost once, tries again every
// second and as soon as the server or the device is back, and reports itself
// live again when it runs. Everything happens on the GUI thread.
//
// A chosen device is kept: the stream is not moved elsewhere when the device
// goes, so the bench never silently measures or feeds another device. The
// default device follows the system's default.
class PulseStream : public QObject {
  Q_OBJECT

 public:
  static constexpr int kConnectWaitMs = 3000;
  // `live` false: lost, with one line for the user; true: runs again.
  using Report = std::function<void(bool live, const QString& reason)>;
  // The stream has `bytes` to read (record) or room for `bytes` (playback).
  using Transfer = std::function<void(pa_stream* stream, std::size_t bytes)>;

  PulseStream(PulseStreamKind kind, Report report, Transfer transfer, QObject* parent = nullptr);
  ~PulseStream() override;

  // Wants the stream in this format and connects it. False with Problem()
  // set when it cannot run now; it is still wanted then and starts as soon
  // as it can, reporting itself live.
  bool Open(const pa_sample_spec& sampleFormat, const pa_buffer_attr& attr);
  // Not wanted any more (also not paused).
  void Close();
  // Ends the stream but keeps it wanted; Resume() starts a new one.
  void Pause();
  void Resume();
  // The device: the server's name for it, empty for the default. A running
  // stream moves to it at once.
  void SetDevice(const QByteArray& id);

  bool IsWanted() const { return wanted_; }
  // Runs now: the server takes or gives its sound.
  bool IsLive() const { return stream_ != nullptr && !connecting_; }
  // The stream in use while live, else null.
  pa_stream* Stream() const { return IsLive() ? stream_ : nullptr; }
  // What is missing and what to do, after a failed Open (or while lost).
  QString Problem() const { return problem_; }

 private:
  bool Connect();
  bool TryConnect();
  void Disconnect();
  void OnStateChanged(pa_stream* stream);
  void Lose(const QString& reason);
  void Retry();
  void NowLive();

  PulseServer& server_;
  const PulseStreamKind kind_;
  const Report report_;
  const Transfer transfer_;
  pa_sample_spec sampleFormat_{};
  pa_buffer_attr attr_{};
  QByteArray device_;
  pa_stream* stream_ = nullptr;
  bool wanted_ = false;
  bool paused_ = false;
  bool lost_ = false;        // reported lost, not yet live again
  bool connecting_ = false;  // Connect() waits for the server's answer
  QString problem_;
  QTimer retry_;
};
