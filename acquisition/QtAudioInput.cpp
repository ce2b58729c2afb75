#include "acquisition/QtAudioInput.h"

#include "acquisition/InputTransfer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QIODevice>
#include <QMediaDevices>

#include <optional>

namespace {

// The Qt format for a PCM wave format this backend can deliver.
std::optional<QAudioFormat> ToQtFormat(const WaveFormat& format) {
  if (!IsDeliverableInputFormat(format)) return std::nullopt;
  QAudioFormat qt;
  qt.setSampleFormat(format.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  qt.setChannelCount(format.channels);
  qt.setSampleRate(static_cast<int>(format.samplesPerSec));
  return qt;
}

}  // namespace

QtAudioInput::QtAudioInput(QObject* parent) : QObject(parent) {}

QtAudioInput::~QtAudioInput() { Close(); }

bool QtAudioInput::Open(const WaveFormat& format) {
  Close();
  const std::optional<QAudioFormat> qtFormat = ToQtFormat(format);
  if (!qtFormat) return false;
  QAudioDevice device = QMediaDevices::defaultAudioInput();
  for (const QAudioDevice& d : QMediaDevices::audioInputs())
    if (!device_.isEmpty() && d.id() == device_) device = d;
  if (device.isNull() || !device.isFormatSupported(*qtFormat)) return false;
  source_ = new QAudioSource(device, *qtFormat, this);
  source_->setBufferSize(static_cast<qsizetype>(InputTransferBytes(format)));
  if (!StartCapture()) {
    Close();
    return false;
  }
  return true;
}

bool QtAudioInput::Close() {
  if (!source_) return true;
  StopCapture();
  // A block handler may close the input while the source is emitting
  // readyRead, so the source is deleted once control is back in the loop.
  source_->deleteLater();
  source_ = nullptr;
  paused_ = false;
  return true;
}

// A pause ends the capture and a resume begins a new one. A merely suspended
// source would hand over what it had captured just before the pause, spliced
// in front of the new sound.
void QtAudioInput::Start() {
  if (!source_ || !paused_) return;
  paused_ = !StartCapture();
}

void QtAudioInput::Stop() {
  if (!source_ || paused_) return;
  StopCapture();
  paused_ = true;
}

bool QtAudioInput::StartCapture() {
  io_ = source_->start();
  if (!io_ || source_->error() != QAudio::NoError || source_->state() == QAudio::StoppedState) {
    StopCapture();
    return false;
  }
  connect(io_, &QIODevice::readyRead, this, &QtAudioInput::OnReadyRead);
  return true;
}

void QtAudioInput::StopCapture() {
  if (io_) io_->disconnect(this);
  io_ = nullptr;
  // Stopped before it is deleted: Qt's PulseAudio source must not be
  // destroyed while it is still running.
  source_->stop();
  // A half-filled block is dropped: it is never completed with later sound.
  waveInFill = 0;
}

void QtAudioInput::OnReadyRead() {
  QIODevice* const io = io_.data();
  // The handler may pause, close or reopen the input; reading stops as soon
  // as this device is no longer the current one.
  while (io && io_ == io) {
    const qint64 n = io->read(reinterpret_cast<char*>(waveInData.data() + waveInFill),
                              static_cast<qint64>(kBlockBytes - waveInFill));
    if (n <= 0) break;
    waveInFill += static_cast<std::size_t>(n);
    if (waveInFill == kBlockBytes) {
      waveInFill = 0;
      DeliverBlock(waveInData.data(), kBlockBytes);
    }
  }
}
