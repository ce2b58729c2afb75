#include "generator/QtAudioOutput.h"

#include "generator/LoopingBuffer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

namespace {

// The device's buffer: a quarter of a second of sound, so a busy GUI thread
// (a paint, a file written, a loaded machine) does not starve it; with 100 ms
// a machine running three busy processes on two cores heard gaps. The signal
// is a loop: the delay before it is heard does not matter.
qsizetype BufferBytes(const WaveFormat& format) {
  return static_cast<qsizetype>(format.avgBytesPerSec / 4 / format.blockAlign * format.blockAlign);
}

}  // namespace

QtAudioOutput::QtAudioOutput(QObject* parent) : QObject(parent) {}

QtAudioOutput::~QtAudioOutput() { Stop(); }

bool QtAudioOutput::Start(const WaveFormat& format, QByteArray signal, QString* reason) {
  Stop();
  auto fail = [reason](const QString& why) {
    if (reason) *reason = why;
    return false;
  };
  if (format.formatTag != 1 || format.bitsPerSample != 16 || (format.channels != 1 && format.channels != 2) ||
      format.samplesPerSec == 0 || format.samplesPerSec > 0x7FFFFFFF)
    return fail(tr("只能播放 16 位 PCM 单声道或立体声信号"));
  const qsizetype frameBytes = 2 * format.channels;
  const qsizetype loopBytes = signal.size() / frameBytes * frameBytes;
  if (loopBytes == 0) return fail(tr("没有可播放的信号"));

  QAudioDevice device = QMediaDevices::defaultAudioOutput();
  for (const QAudioDevice& d : QMediaDevices::audioOutputs())
    if (!device_.isEmpty() && d.id() == device_) device = d;
  if (device.isNull()) return fail(tr("没有声音输出设备"));
  QAudioFormat qtFormat;
  qtFormat.setSampleFormat(QAudioFormat::Int16);
  qtFormat.setChannelCount(format.channels);
  qtFormat.setSampleRate(static_cast<int>(format.samplesPerSec));
  if (!device.isFormatSupported(qtFormat))
    return fail(tr("声音输出设备不支持 %1 Hz、%2 声道的 16 位信号").arg(format.samplesPerSec).arg(format.channels));

  loop_ = std::make_unique<LoopingBuffer>(std::move(signal), loopBytes);
  sink_ = std::make_unique<QAudioSink>(device, qtFormat);
  sink_->setBufferSize(BufferBytes(MakePcmFormat(format.channels, format.samplesPerSec, 16)));
  sink_->start(loop_.get());
  if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
    Stop();
    return fail(tr("无法打开声音输出设备"));
  }
  return true;
}

void QtAudioOutput::Stop() {
  // The sink stops reading before the buffer it reads goes away.
  if (sink_) sink_->stop();
  sink_.reset();
  loop_.reset();
}

bool QtAudioOutput::IsPlaying() const {
  return sink_ && sink_->state() != QAudio::StoppedState;
}
