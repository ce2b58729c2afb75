#pragma once

#include "generator/AudioOutput.h"

#include <QObject>

#include <memory>

class LoopingBuffer;
class QAudioSink;

// The sound card's output through Qt Multimedia: a QAudioSink on the default
// output device pulls the signal from a LoopingBuffer on the GUI thread, so
// the device plays it endlessly with no gap at the loop point. Formats: PCM,
// 16-bit signed, mono or stereo, any rate the device accepts.
class QtAudioOutput : public QObject, public AudioOutput {
  Q_OBJECT

 public:
  explicit QtAudioOutput(QObject* parent = nullptr);
  ~QtAudioOutput() override;

  bool Start(const WaveFormat& format, QByteArray signal, QString* reason) override;
  void Stop() override;
  bool IsPlaying() const override;
  // Used at the next Start; a device that is not there gives the default.
  void SetDevice(const QByteArray& id) override { device_ = id; }

 private:
  std::unique_ptr<LoopingBuffer> loop_;  // outlives the sink that reads it
  std::unique_ptr<QAudioSink> sink_;
  QByteArray device_;  // empty: the default output
};
