#pragma once

#include "acquisition/AudioInput.h"

#include <vector>

// A scripted sound card: remembers what the engine asked of it and hands it
// blocks when the test says so.
class FakeAudioInput : public AudioInput {
 public:
  bool Open(const WaveFormat& format) override {
    ++openCount;
    openedFormat = format;
    open = acceptOpen;
    running = open;
    return open;
  }
  bool Close() override {
    ++closeCount;
    open = running = false;
    return acceptClose;
  }
  void Start() override {
    ++startCount;
    if (open) running = true;
  }
  void Stop() override {
    ++stopCount;
    running = false;
  }
  bool IsOpen() const override { return open; }
  void SetDevice(const QByteArray& id) override { device = id; }
  QString OpenProblem() const override { return openProblem; }
  // The stream was lost (`live` false) or runs again.
  void Report(bool live, const QString& reason = {}) { ReportHealth(live, reason); }

  void Deliver(const std::vector<uint8_t>& block) { DeliverBlock(block.data(), block.size()); }

  bool acceptOpen = true;
  bool acceptClose = true;
  bool open = false;
  bool running = false;
  int openCount = 0, closeCount = 0, startCount = 0, stopCount = 0;
  WaveFormat openedFormat;
  QByteArray device;
  QString openProblem;
};
