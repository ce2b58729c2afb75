// The view's sampling plug-in operations: binding a library under the
// start-up guard, and switching the input between a plug-in and the sound
// card. The loading itself is window-free.

#include "acquisition/PluginList.h"
#include "acquisition/PluginSettings.h"
#include "acquisition/SamplingPlugin.h"
#include "app/Globals.h"
#include "display/COndrixView.h"
#include "settings/RawRecordFile.h"

#include <QCoreApplication>

namespace {

// setting.ini's rate as stored: loading keeps it to the sound card's range,
// but a plug-in's rate may be anything from 1. 0 when the file holds none.
int32_t StoredSampleRate() {
  SettingsRecord stored;
  std::size_t bytes = 0;
  if (ReadRawRecord(AppFilePath(QStringLiteral("setting.ini")), &stored, sizeof stored, &bytes) !=
          RawReadResult::Read ||
      bytes < offsetof(SettingsRecord, sampleRate) + sizeof stored.sampleRate)
    return 0;
  return stored.sampleRate;
}

}  // namespace

bool COndrixView::LoadSamplingPlugin(const QString& path, PluginCall call, QString* reason) {
  // The marker first: loading runs the library's initialisation, binding
  // calls its export.
  if (!pluginGuard_.Arm(path, call, reason)) {
    g_pluginEnabled = 0;
    pluginGuard_.Release();
    return false;
  }
  const bool bound = ::LoadSamplingPlugin(path, engine_, reason);
  // While a plug-in is the input the ticks call the one bound now.
  if (bound && g_pluginEnabled)
    pluginGuard_.Arm(path, PluginCall::Sampling, nullptr);
  else
    pluginGuard_.Release();
  return bound;
}

void COndrixView::NotePluginTick() {
  if (g_pluginEnabled && g_displayMode != FunctionSignal) pluginGuard_.Ticked();
}

void COndrixView::OpenSoundCard(int32_t rate) {
  g_settings.sampleRate = rate;
  OpenWaveIn();
  if (engine_.WaveInOpen() && IsSoundCardRate(rate)) cardRate_ = rate;
}

QString COndrixView::StartInput(bool pluginAllowed) {
  QString note;
  ReadPluginSettings(AppFilePath(QStringLiteral("plus.ini")), &note);
  const bool pluginWanted = g_pluginEnabled != 0;
  if (const std::optional<PluginStartGuard::Marker> leftOver = pluginGuard_.FindLeftOver()) {
    note = SkippedPluginNote(*leftOver);
    // With no plug-in to start, the marker has said what it had to.
    if (!pluginWanted) pluginGuard_.Settle();
    g_pluginEnabled = 0;
  } else if (!pluginAllowed) {
    g_pluginEnabled = 0;
  } else if (pluginWanted) {
    QString reason;
    if (LoadSamplingPlugin(g_pluginPath, PluginCall::StartUp, &reason)) {
      if (const int32_t rate = StoredSampleRate(); rate >= 1) g_settings.sampleRate = rate;
    } else {
      note = QCoreApplication::translate("COndrixView", "插件 %1 未加载，改用声卡采样：%2")
                 .arg(PluginFileName(g_pluginPath), reason);
    }
  }
  if (!g_pluginEnabled) {
    // The stored rate is the plug-in's when plus.ini named one.
    OpenSoundCard(pluginWanted ? SoundCardRateAfterPlugin(cardRate_) : g_settings.sampleRate);
  }
  return note;
}

void COndrixView::UsePluginInput(const QString& path, int32_t rate) {
  if (!g_pluginEnabled) {
    const auto running = static_cast<int32_t>(engine_.waveFormat.samplesPerSec);
    if (engine_.WaveInOpen() && IsSoundCardRate(running)) cardRate_ = running;
    CloseWaveIn();
  }
  g_pluginEnabled = 1;
  g_pluginPath = path;
  g_settings.sampleRate = rate;
  g_settings.bitsPerSample = static_cast<uint16_t>(PluginSampleWidth());
  pluginGuard_.Arm(path, PluginCall::Sampling, nullptr);
  pluginGuard_.Settle();
}

void COndrixView::UseSoundCardInput() {
  // Also when no plug-in was the input but the card is closed: a plug-in
  // that failed to load left the program without input, and this is the way back.
  const bool reopen = g_pluginEnabled || !engine_.WaveInOpen();
  g_pluginEnabled = 0;
  pluginGuard_.Settle();
  pluginGuard_.Release();
  if (reopen) OpenSoundCard(SoundCardRateAfterPlugin(cardRate_));
}
