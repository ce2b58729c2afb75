#include "generator/PulseAudioOutput.h"

#include "generator/LoopingBuffer.h"

#include <QCoreApplication>

namespace {

// The checks and their messages are the same as the Qt output's.
QString Text(const char* text) { return QCoreApplication::translate("QtAudioOutput", text); }

// The server keeps a quarter of a second of sound ahead of the device, so a
// busy GUI thread does not starve it. The signal is a loop: the delay before
// it is heard does not matter.
uint32_t BufferBytes(const WaveFormat& format) {
  return format.avgBytesPerSec / 4 / format.blockAlign * format.blockAlign;
}

}  // namespace

PulseAudioOutput::PulseAudioOutput()
    : stream_(
          PulseStreamKind::Output, [this](bool live, const QString& reason) { ReportHealth(live, reason); },
          [this](pa_stream* stream, std::size_t bytes) { OnWritable(stream, bytes); }) {}

PulseAudioOutput::~PulseAudioOutput() { Stop(); }

bool PulseAudioOutput::Start(const WaveFormat& format, QByteArray signal, QString* reason) {
  Stop();
  auto fail = [reason](const QString& why) {
    if (reason) *reason = why;
    return false;
  };
  if (format.formatTag != 1 || format.bitsPerSample != 16 || (format.channels != 1 && format.channels != 2) ||
      format.samplesPerSec == 0 || format.samplesPerSec > PA_RATE_MAX)
    return fail(Text("只能播放 16 位 PCM 单声道或立体声信号"));
  frameBytes_ = 2u * format.channels;
  const qsizetype loopBytes = signal.size() / static_cast<qsizetype>(frameBytes_) * static_cast<qsizetype>(frameBytes_);
  if (loopBytes == 0) return fail(Text("没有可播放的信号"));

  loop_ = std::make_unique<LoopingBuffer>(std::move(signal), loopBytes);
  const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, format.samplesPerSec, static_cast<uint8_t>(format.channels)};
  pa_buffer_attr attr;
  attr.maxlength = attr.prebuf = attr.minreq = attr.fragsize = static_cast<uint32_t>(-1);
  attr.tlength = BufferBytes(MakePcmFormat(format.channels, format.samplesPerSec, 16));
  if (stream_.Open(sampleFormat, attr)) return true;
  // A signal that cannot start now is not started later behind the user's back.
  const QString problem = stream_.Problem();
  Stop();
  return fail(problem);
}

void PulseAudioOutput::Stop() {
  // The stream stops reading before the buffer it reads goes away.
  stream_.Close();
  loop_.reset();
}

void PulseAudioOutput::OnWritable(pa_stream* stream, std::size_t bytes) {
  while (bytes >= frameBytes_ && loop_) {
    void* data = nullptr;
    std::size_t n = bytes;
    if (pa_stream_begin_write(stream, &data, &n) < 0 || !data) return;
    n = std::min(n, bytes) / frameBytes_ * frameBytes_;
    if (n == 0) {
      pa_stream_cancel_write(stream);
      return;
    }
    loop_->read(static_cast<char*>(data), static_cast<qint64>(n));
    if (pa_stream_write(stream, data, n, nullptr, 0, PA_SEEK_RELATIVE) < 0) return;
    bytes -= n;
  }
}
