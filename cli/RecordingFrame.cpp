#include "cli/RecordingFrame.h"

#include "acquisition/SamplingPlugin.h"
#include "app/Globals.h"
#include "cli/CliArguments.h"

#include <QFileInfo>

bool RecordingFrame::Load(const QString& path, QString* error) {
  const WavProbe probe = ProbeWavFile(path);
  if (!probe.ok) {
    *error = QStringLiteral("%1: %2").arg(path, probe.reason);
    return false;
  }
  layout_ = probe.layout;
  g_settings.bitsPerSample = layout_.format.bitsPerSample;
  QString reason;
  engine_.ReadWavFile(path, &reason);
  if (!reason.isEmpty()) {
    *error = QStringLiteral("%1: %2").arg(path, reason);
    return false;
  }
  return true;
}

bool RecordingFrame::Convert(long long at, int mode, QString* error) {
  const long long frameElements = g_settings.channels == 2 ? 2048 : 1024;
  const long long elements = static_cast<long long>(engine_.RecElements());
  if (at + frameElements > elements) {
    *error = QStringLiteral("no whole frame at element %1: the file holds %2 elements, a frame takes %3")
                 .arg(at)
                 .arg(elements)
                 .arg(frameElements);
    return false;
  }
  g_displayMode = mode;
  g_recordState = Paused;
  g_playbackPos = static_cast<int32_t>(at);
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
  return frame.Load(a.files[0], error) && frame.Convert(a.at, mode, error);
}
