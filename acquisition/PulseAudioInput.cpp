#include "acquisition/PulseAudioInput.h"

#include "acquisition/InputTransfer.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

PulseAudioInput::PulseAudioInput()
    : stream_(
          PulseStreamKind::Input,
          [this](bool live, const QString& reason) {
            fill_ = 0;  // what came before the loss is not completed with what comes after
            ReportHealth(live, reason);
          },
          [this](pa_stream* stream, std::size_t) { OnReadable(stream); }) {}

PulseAudioInput::~PulseAudioInput() { stream_.Close(); }

bool PulseAudioInput::Open(const WaveFormat& format) {
  Close();
  if (!IsDeliverableInputFormat(format)) {
    problem_ = QCoreApplication::translate("PulseAudioInput", "声音输入不支持这种格式");
    return false;
  }
  const pa_sample_spec sampleFormat{format.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE,
                                    format.samplesPerSec, static_cast<uint8_t>(format.channels)};
  // The server hands the sound over in transfers of about 25 ms.
  pa_buffer_attr attr;
  attr.maxlength = attr.tlength = attr.prebuf = attr.minreq = static_cast<uint32_t>(-1);
  attr.fragsize = static_cast<uint32_t>(InputTransferBytes(format));
  if (stream_.Open(sampleFormat, attr)) return true;
  problem_ = stream_.Problem();
  return false;
}

bool PulseAudioInput::Close() {
  stream_.Close();
  fill_ = 0;
  return true;
}

// A pause ends the stream and a resume begins a new one, so nothing captured
// before the pause is spliced in front of the new sound; a half-filled block
// is dropped, never completed with later sound.
void PulseAudioInput::Start() {
  fill_ = 0;
  stream_.Resume();
}

void PulseAudioInput::Stop() { stream_.Pause(); }

void PulseAudioInput::SetDevice(const QByteArray& id) {
  fill_ = 0;
  stream_.SetDevice(id);
}

void PulseAudioInput::OnReadable(pa_stream* stream) {
  // The handler may pause, close or reopen the input; reading stops as soon
  // as this stream is no longer the current one.
  while (stream == stream_.Stream() && pa_stream_readable_size(stream) > 0) {
    const void* data = nullptr;
    std::size_t bytes = 0;
    if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0) return;
    // A hole (data null) is skipped; the blocks go on after it.
    std::size_t done = 0;
    while (data && done < bytes && stream == stream_.Stream()) {
      const std::size_t n = std::min(bytes - done, kBlockBytes - fill_);
      std::memcpy(block_.data() + fill_, static_cast<const uint8_t*>(data) + done, n);
      fill_ += n;
      done += n;
      if (fill_ == kBlockBytes) {
        fill_ = 0;
        DeliverBlock(block_.data(), kBlockBytes);
      }
    }
    if (stream == stream_.Stream()) pa_stream_drop(stream);
  }
}
