// The engine's WAV file operations: saving the recording and the frozen
// sample, and loading a file as the recording.

#include "acquisition/SamplingEngine.h"

#include "app/Globals.h"
#include "app/Prompts.h"
#include "files/WavFile.h"

#include <QCoreApplication>

#include <vector>

namespace {

// 8-bit unsigned to 16-bit signed at the same scale, and back.
int16_t Widen(uint8_t v) { return static_cast<int16_t>((v - 128) * 256); }
uint8_t Narrow(int16_t v) { return static_cast<uint8_t>((v >> 8) + 128); }

// Loads the data of a probed file into `out`, converted to `targetBits`.
bool LoadConverted(const QString& path, const WavLayout& layout, uint16_t targetBits, RecordingBuffer& out,
                   QString* reason) {
  const uint16_t fileBits = layout.format.bitsPerSample;
  std::vector<uint8_t> converted;
  bool outOfMemory = false;
  auto append = [&](const uint8_t* data, std::size_t count) {
    if (!out.Append(data, count)) {
      outOfMemory = true;
      return false;
    }
    return true;
  };
  auto sink = [&](const uint8_t* data, std::size_t count) {
    if (fileBits == targetBits) return append(data, count);
    converted.clear();
    if (fileBits == 8) {
      for (std::size_t i = 0; i < count; ++i) {
        const int16_t v = Widen(data[i]);
        converted.push_back(static_cast<uint8_t>(v));
        converted.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8));
      }
    } else {
      // Pieces come in even sizes; an odd last byte is half a sample and dropped.
      for (std::size_t i = 0; i + 1 < count; i += 2)
        converted.push_back(Narrow(static_cast<int16_t>(data[i] | (data[i + 1] << 8))));
    }
    return append(converted.data(), converted.size());
  };
  if (!ReadWavData(path, layout, sink, reason)) {
    if (outOfMemory && reason)
      *reason = QCoreApplication::translate("SamplingEngine", "文件太大，内存不足，无法打开");
    return false;
  }
  return true;
}

}  // namespace

uint32_t SamplingEngine::WriteWavFile(const QString& path, const WaveFormat& format) {
  QString error;
  if (::WriteWavFile(path, format, CurrentRecording().Pieces(), &error)) return static_cast<uint32_t>(RecBytes() / 2);
  CurrentPrompts().ShowMessage(error);
  return 0;
}

bool SamplingEngine::SaveUserRecording(const QString& path) {
  // Labelled with the format it was recorded in.
  QString error;
  if (!::WriteWavFile(path, recordFormat_, UserRecording().Pieces(), &error)) {
    CurrentPrompts().ShowMessage(
        error + QStringLiteral("\n\n") +
        QCoreApplication::translate("SamplingEngine", "录音没有保存，仍在内存中。请另选一个位置保存。"));
    return false;
  }
  EndUserRecording();
  return true;
}

void SamplingEngine::DiscardUserRecording() { EndUserRecording(); }

bool SamplingEngine::WriteSampleWavFile(const QString& path) {
  const std::span<const uint8_t> sample =
      g_settings.bitsPerSample == 8
          ? std::span<const uint8_t>(sampleBuf8)
          : std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(sampleBuf16.data()), kBlockBytes);
  const std::span<const uint8_t> pieces[] = {sample};
  QString error;
  if (!::WriteWavFile(path, waveFormat, pieces, &error)) {
    CurrentPrompts().ShowMessage(error);
    return false;
  }
  return true;
}

uint32_t SamplingEngine::ReadWavFile(const QString& path, QString* reason) {
  const WavProbe probe = ProbeWavFile(path);
  if (!probe.ok) {
    if (reason) *reason = probe.reason;
    return 0;
  }
  const uint16_t bits = g_settings.bitsPerSample;
  // Refused from the header when the recording could not hold the data in
  // the current width (8-bit data doubles in 16 bits, 16-bit data halves).
  const quint64 fileBits = probe.layout.format.bitsPerSample;
  const quint64 loadedBytes = quint64(probe.layout.dataBytes) * bits / fileBits;
  if (loadedBytes > RecordingBuffer::kMaxBytes) {
    if (reason)
      *reason = QCoreApplication::translate("SamplingEngine", "数据有 %1 字节，超过了录音的上限 %2 字节")
                    .arg(loadedBytes)
                    .arg(RecordingBuffer::kMaxBytes);
    return 0;
  }
  RecordingBuffer loaded;
  if (!LoadConverted(path, probe.layout, bits, loaded, reason)) return 0;

  CurrentRecording() = std::move(loaded);
  g_settings.channels = probe.layout.format.channels;
  g_settings.sampleRate = static_cast<int32_t>(probe.layout.format.samplesPerSec);
  // The recording now holds the file's channels and rate in the current
  // sample width; a later save writes it in that format.
  waveFormat = MakePcmFormat(g_settings.channels, static_cast<uint32_t>(g_settings.sampleRate), bits);
  heldFormat_ = waveFormat;
  g_playbackPos = 0;
  if (!probe.note.isEmpty()) CurrentPrompts().ShowStatus(probe.note);
  return static_cast<uint32_t>(RecBytes() / 2);
}
