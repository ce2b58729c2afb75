#include "acquisition/PulseStream.h"

#include "acquisition/PulseServer.h"

#include <pulse/error.h>

PulseStream::PulseStream(PulseStreamKind kind, Report report, Transfer transfer, QObject* parent)
    : QObject(parent),
      server_(PulseServer::Instance()),
      kind_(kind),
      report_(std::move(report)),
      transfer_(std::move(transfer)) {
  retry_.setInterval(PulseServer::kRetryMs);
  connect(&retry_, &QTimer::timeout, this, &PulseStream::Retry);
  // The server is back, or the device: no need to wait for the next second.
  connect(&server_, &PulseServer::ReadyChanged, this, [this](bool ready) {
    if (ready && lost_) Retry();
  });
  connect(&server_, &AudioDevices::Changed, this, [this] {
    if (lost_) Retry();
  });
}

PulseStream::~PulseStream() { Close(); }

bool PulseStream::Open(const pa_sample_spec& sampleFormat, const pa_buffer_attr& attr) {
  Close();
  sampleFormat_ = sampleFormat;
  attr_ = attr;
  wanted_ = true;
  if (Connect()) return true;
  // The owner tells the user now; later failures are reported as losses.
  lost_ = true;
  retry_.start();
  return false;
}

void PulseStream::Close() {
  wanted_ = paused_ = lost_ = false;
  retry_.stop();
  Disconnect();
}

void PulseStream::Pause() {
  if (!wanted_ || paused_) return;
  paused_ = true;
  retry_.stop();
  Disconnect();
}

void PulseStream::Resume() {
  if (!wanted_ || !paused_) return;
  paused_ = false;
  if (Connect())
    NowLive();
  else
    Lose(problem_);
}

void PulseStream::SetDevice(const QByteArray& id) {
  if (id == device_) return;
  device_ = id;
  if (!wanted_ || paused_) return;
  if (Connect())
    NowLive();
  else
    Lose(problem_);
}

bool PulseStream::Connect() {
  Disconnect();
  // While it waits for the server, the server's signals must not start
  // another attempt, and a failure is this call's to report.
  connecting_ = true;
  const bool ok = TryConnect();
  connecting_ = false;
  if (!ok) Disconnect();
  return ok;
}

bool PulseStream::TryConnect() {
  const bool input = kind_ == PulseStreamKind::Input;
  if (!server_.WaitReady(kConnectWaitMs)) {
    problem_ = tr("%1。请启动声音服务器（PulseAudio 或 PipeWire），程序会自动接上。").arg(server_.Problem());
    return false;
  }
  const QList<AudioDevice> devices = input ? server_.Inputs() : server_.Outputs();
  const QString device = QString::fromUtf8(device_);
  if (!device_.isEmpty() && !FindAudioDevice(devices, device_)) {
    problem_ = input ? tr("所选的输入设备“%1”不在。请插上它，或在“设置 → 其他”中另选设备。").arg(device)
                     : tr("所选的输出设备“%1”不在。请插上它，或在“设置 → 其他”中另选设备。").arg(device);
    return false;
  }
  if (devices.isEmpty()) {
    problem_ = input ? tr("没有声音输入设备。请插上设备，或在“设置 → 其他”中选择设备。")
                     : tr("没有声音输出设备。请插上设备，或在“设置 → 其他”中选择设备。");
    return false;
  }

  pa_proplist* props = NewStreamProps(kind_);
  stream_ = pa_stream_new_with_proplist(server_.Context(), pa_proplist_gets(props, PA_PROP_MEDIA_NAME),
                                        &sampleFormat_, nullptr, props);
  pa_proplist_free(props);
  if (!stream_) {
    problem_ = tr("声音流无法建立（%1）").arg(server_.LastError());
    return false;
  }
  pa_stream_set_state_callback(
      stream_, [](pa_stream* s, void* self) { static_cast<PulseStream*>(self)->OnStateChanged(s); }, this);
  auto transfer = [](pa_stream* s, std::size_t bytes, void* data) {
    auto* self = static_cast<PulseStream*>(data);
    if (s == self->Stream()) self->transfer_(s, bytes);
  };
  if (input)
    pa_stream_set_read_callback(stream_, transfer, this);
  else
    pa_stream_set_write_callback(stream_, transfer, this);

  auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_UNMUTED);
  if (!device_.isEmpty()) flags = static_cast<pa_stream_flags_t>(flags | PA_STREAM_DONT_MOVE);
  const char* target = device_.isEmpty() ? nullptr : device_.constData();
  const int connected = input ? pa_stream_connect_record(stream_, target, &attr_, flags)
                              : pa_stream_connect_playback(stream_, target, &attr_, flags, nullptr, nullptr);
  if (connected == 0)
    server_.Loop().RunUntil([this] { return pa_stream_get_state(stream_) != PA_STREAM_CREATING; }, kConnectWaitMs);
  if (pa_stream_get_state(stream_) != PA_STREAM_READY) {
    problem_ = tr("声音流无法建立（%1）").arg(server_.LastError());
    return false;
  }
  // A playback stream asked for its first sound while it was being made.
  if (!input) {
    connecting_ = false;
    if (const std::size_t room = pa_stream_writable_size(stream_); room > 0 && room != static_cast<std::size_t>(-1))
      transfer_(stream_, room);
  }
  return true;
}

void PulseStream::Disconnect() {
  if (!stream_) return;
  pa_stream* const stream = stream_;
  stream_ = nullptr;
  pa_stream_set_state_callback(stream, nullptr, nullptr);
  pa_stream_set_read_callback(stream, nullptr, nullptr);
  pa_stream_set_write_callback(stream, nullptr, nullptr);
  const pa_stream_state_t state = pa_stream_get_state(stream);
  if (state == PA_STREAM_READY || state == PA_STREAM_CREATING) pa_stream_disconnect(stream);
  pa_stream_unref(stream);
}

void PulseStream::OnStateChanged(pa_stream* stream) {
  if (stream != stream_ || connecting_) return;
  const pa_stream_state_t state = pa_stream_get_state(stream);
  if (state != PA_STREAM_FAILED && state != PA_STREAM_TERMINATED) return;
  const bool input = kind_ == PulseStreamKind::Input;
  const QString device = QString::fromUtf8(device_);
  // The stream fails before the server's lists show why.
  const int error = server_.LastErrorCode();
  if (!server_.IsReady() || error == PA_ERR_CONNECTIONTERMINATED)
    Lose(tr("声音服务器断开了"));
  else if (!device_.isEmpty() &&
           (error == PA_ERR_KILLED || !FindAudioDevice(input ? server_.Inputs() : server_.Outputs(), device_)))
    Lose(input ? tr("输入设备“%1”不在了").arg(device) : tr("输出设备“%1”不在了").arg(device));
  else
    Lose(tr("声音流中断（%1）").arg(server_.LastError()));
}

void PulseStream::Lose(const QString& reason) {
  Disconnect();
  if (!wanted_ || paused_) return;
  retry_.start();
  if (lost_) return;
  lost_ = true;
  report_(false, reason);
}

void PulseStream::Retry() {
  if (!wanted_ || paused_) {
    retry_.stop();
    return;
  }
  if (connecting_ || stream_ || !server_.IsReady()) return;
  if (Connect()) NowLive();
}

void PulseStream::NowLive() {
  retry_.stop();
  if (!lost_) return;
  lost_ = false;
  report_(true, {});
}
