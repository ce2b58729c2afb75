// The settings command: the property sheet edits g_settings live; OK reopens
// the input in the new format and saves setting.ini, Cancel puts the record
// back as it was.

#include "app/Globals.h"
#include "app/Prompts.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/CMyPropertySheet.h"
#include "display/COndrixView.h"

#include <cstring>

void CMainFrame::OnSettings() {
  SettingsRecord saved;
  std::memcpy(&saved, &g_settings, sizeof saved);

  CMyPropertySheet sheet(this);
  sheet.setWindowTitle(tr("设置"));
  if (sheet.exec() != QDialog::Accepted) {
    std::memcpy(&g_settings, &saved, sizeof saved);
    return;
  }
  // The recording lives in the buffer of its sample width, and the
  // function-signal view makes its signal in the recording: either drops the
  // user's recording, which is asked about in the settings it was made in.
  // Cancelled, the sheet is as if cancelled.
  if (g_settings.bitsPerSample != saved.bitsPerSample || g_displayMode == FunctionSignal) {
    SettingsRecord edited;
    std::memcpy(&edited, &g_settings, sizeof edited);
    std::memcpy(&g_settings, &saved, sizeof saved);
    if (!MayDropRecording()) return;
    std::memcpy(&g_settings, &edited, sizeof edited);
  }

  // A plug-in, not the sound card, is the input while one is in use. While
  // a recording runs the format cannot have changed, and reopening would
  // leave a gap in the recording.
  if (!g_pluginEnabled && g_recordState != Recording) {
    // Reopening starts the input whether or not sampling was on; the
    // toolbar keeps showing what samplingOn says.
    view_->CloseWaveIn();
    view_->OpenWaveIn();
    if (g_controlPanel) g_controlPanel->SyncSampleRateSlider();
  }
  // The edited settings stay in effect even when they cannot be saved.
  QString error;
  if (!SaveSettingsRecord(AppFilePath(QStringLiteral("setting.ini")), g_settings, &error))
    CurrentPrompts().ShowMessage(error);
  if (g_displayMode == FunctionSignal) {
    view_->GenerateSignal();
    if (g_controlPanel) g_controlPanel->SyncSampleRateSlider();  // the generator's rate stands
  }
}
