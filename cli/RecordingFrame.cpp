#include "cli/RecordingFrame.h"

#include "app/Globals.h"

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
