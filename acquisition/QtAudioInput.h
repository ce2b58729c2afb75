#pragma once

#include "acquisition/AudioInput.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <cstddef>
#include <cstdint>

class QAudioSource;
class QIODevice;

// The sound card's input through Qt Multimedia: a QAudioSource on the default
// input device, read in pull mode on the GUI thread. Whatever the device hands
// over is gathered into 4096-byte blocks, and only whole blocks reach the
// block handler, as the device buffers of a wave-in device would.
//
// Formats: PCM, 8-bit unsigned or 16-bit signed, mono or stereo, at any rate
// the device accepts.
class QtAudioInput : public QObject, public AudioInput {
  Q_OBJECT

 public:
  explicit QtAudioInput(QObject* parent = nullptr);
  ~QtAudioInput() override;

  bool Open(const WaveFormat& format) override;
  bool Close() override;
  void Start() override;
  void Stop() override;
  bool IsOpen() const override { return source_ != nullptr; }
  // Used at the next Open; a device that is not there gives the default.
  void SetDevice(const QByteArray& id) override { device_ = id; }

 private:
  bool StartCapture();
  void StopCapture();
  void OnReadyRead();

  QAudioSource* source_ = nullptr;  // while open
  // While open and not paused. Qt deletes it when the stream fails (the sound
  // server went away), so it is guarded.
  QPointer<QIODevice> io_;
  bool paused_ = false;
  QByteArray device_;  // empty: the default input
  // The block being filled and how many of its bytes hold data.
  std::array<uint8_t, kBlockBytes> waveInData{};
  std::size_t waveInFill = 0;
};
