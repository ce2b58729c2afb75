#pragma once

#include "generator/AudioOutput.h"

// A scripted sound-card output: keeps what it was asked to play.
class FakeAudioOutput : public AudioOutput {
 public:
  bool Start(const WaveFormat& format, QByteArray signal, QString* reason) override {
    ++startCount;
    playing = acceptStart;
    playedFormat = format;
    played = signal;
    if (!acceptStart && reason) *reason = QStringLiteral("no device");
    return acceptStart;
  }
  void Stop() override {
    ++stopCount;
    playing = false;
  }
  bool IsPlaying() const override { return playing; }
  void SetDevice(const QByteArray& id) override { device = id; }
  // The stream was lost (`live` false) or plays again.
  void Report(bool live, const QString& reason = {}) {
    playing = live;
    ReportHealth(live, reason);
  }

  bool acceptStart = true;
  bool playing = false;
  int startCount = 0, stopCount = 0;
  WaveFormat playedFormat;
  QByteArray played;
  QByteArray device;
};
