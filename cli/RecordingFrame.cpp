#include "cli/RecordingFrame.h"
#include "cli/CliInput.h"

#include "acquisition/SamplingPlugin.h"
#include "app/Globals.h"
#include "cli/CliArguments.h"
#include "cli/CliText.h"

#include <QFileInfo>

bool RecordingFrame::Load(const QString& path, QString* error) {
  const WavProbe probe = ProbeCliWav(path, false);
  if (!probe.ok) {
    *error = QStringLiteral("%1: %2").arg(path, probe.reason);
    return false;
  }
  path_ = path;
  layout_ = probe.layout;
  note_ = probe.note;
  g_settings.channels = layout_.format.channels;
  g_settings.sampleRate = static_cast<int32_t>(layout_.format.samplesPerSec);
  g_settings.bitsPerSample = layout_.format.bitsPerSample;
  return true;
}

bool RecordingFrame::ReadElements(long long at, long long count, const QString& unit, std::vector<uint8_t>* bytes,
                                  QString* error) const {
  const long long elementBytes = layout_.format.bitsPerSample / 8;
  const long long elements = layout_.dataBytes / elementBytes;
  if (at + count > elements) {
    *error = CliText::tr("no whole %1 at element %2: the file holds %3 elements, a %1 takes %4")
                 .arg(unit)
                 .arg(at)
                 .arg(elements)
                 .arg(count);
    return false;
  }
  bytes->resize(static_cast<std::size_t>(count * elementBytes));
  QString reason;
  if (!ReadWavBytes(path_, layout_, static_cast<quint64>(at * elementBytes), *bytes, &reason)) {
    *error = QStringLiteral("%1: %2").arg(path_, reason);
    return false;
  }
  return true;
}

bool RecordingFrame::Convert(long long at, int mode, QString* error) {
  std::vector<uint8_t> bytes;
  if (!ReadElements(at, g_settings.channels == 2 ? 2048 : 1024, CliText::tr("frame"), &bytes, error)) return false;
  // The recording holds just this frame, shown from its start.
  RecordingBuffer recording;
  if (!recording.Append(bytes.data(), bytes.size())) {
    *error = CliText::tr("no memory for a frame");
    return false;
  }
  engine_.CurrentRecording() = std::move(recording);
  g_displayMode = mode;
  g_recordState = Paused;
  g_playbackPos = 0;
  engine_.ConvertFrame();
  return true;
}

bool RecordingFrame::LoadPlugin(const QString& library, int rate, int channels, int mode, QString* error) {
  g_settings.sampleRate = rate;
  if (channels != 0) g_settings.channels = static_cast<uint16_t>(channels);
  g_displayMode = mode;
  g_recordState = Idle;
  g_showRealTime = true;
  g_pluginEnabled = 1;  // the plug-in is the source: the width follows its export
  // A file named relative to the current folder is meant, not one on the
  // system's library path.
  const QFileInfo file(library);
  QString reason;
  if (!LoadSamplingPlugin(file.exists() ? file.absoluteFilePath() : library, engine_, &reason)) {
    *error = QStringLiteral("%1: %2").arg(library, reason.simplified());
    return false;
  }
  engine_.ConvertFrame();
  return true;
}

bool ConvertCommandFrame(const CliArguments& a, int mode, RecordingFrame& frame, QString* error) {
  if (!a.plugin.isEmpty()) return frame.LoadPlugin(a.plugin, a.rate, a.channels, mode, error);
  if (!frame.Load(a.files[0], error)) return false;
  if (!frame.Note().isEmpty()) PrintNote(frame.Note());
  return frame.Convert(a.at, mode, error);
}
