#include "app/Globals.h"

#include <QDir>
#include <QLibrary>

SettingsRecord g_settings = DefaultSettings();
GeneratorParams g_generator = DefaultGeneratorParams();

int32_t g_displayMode = TimeDomain;
int32_t g_recordState = Idle;
bool g_showRealTime = true;
int32_t g_playbackPos = 0;

COndrixView* g_view = nullptr;
CBarTool* g_controlPanel = nullptr;
QString g_appDir;

int g_pluginEnabled = 0;
QString g_pluginPath;
QLibrary* g_pluginModule = nullptr;
PluginWrite8 g_pluginWrite8 = nullptr;
PluginWrite16 g_pluginWrite16 = nullptr;

bool g_rulerXOn = false;
bool g_rulerYOn = false;
int g_crossX = 0;
int g_crossY = 0;
int g_cursorX1 = 0;
int g_cursorX2 = 0;
int g_cursorY1 = 0;
int g_cursorY2 = 0;
QRect g_handleX1;
QRect g_handleX2;
QRect g_handleY1;
QRect g_handleY2;
bool g_dragCross = false;
bool g_dragX1 = false;
bool g_dragX2 = false;
bool g_dragY1 = false;
bool g_dragY2 = false;

void ResetGlobals() {
  g_settings = DefaultSettings();
  g_generator = DefaultGeneratorParams();
  g_displayMode = TimeDomain;
  g_recordState = Idle;
  g_showRealTime = true;
  g_playbackPos = 0;
  g_view = nullptr;
  g_controlPanel = nullptr;
  g_appDir.clear();
  g_pluginEnabled = 0;
  g_pluginPath.clear();
  ReleasePluginModule();
  g_rulerXOn = g_rulerYOn = false;
  g_crossX = g_crossY = 0;
  g_cursorX1 = g_cursorX2 = g_cursorY1 = g_cursorY2 = 0;
  g_handleX1 = g_handleX2 = g_handleY1 = g_handleY2 = QRect();
  g_dragCross = g_dragX1 = g_dragX2 = g_dragY1 = g_dragY2 = false;
}

void ReleasePluginModule() {
  g_pluginWrite8 = nullptr;
  g_pluginWrite16 = nullptr;
  if (!g_pluginModule) return;
  // The exports are forgotten first: nothing can call into the library once
  // it is gone.
  g_pluginModule->unload();
  delete g_pluginModule;
  g_pluginModule = nullptr;
}

QString AppFilePath(const QString& fileName) {
  return QDir(g_appDir).filePath(fileName);
}
