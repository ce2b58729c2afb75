#pragma once

// The program's shared state: plain globals that live for the whole run.
// Tests reset them with ResetGlobals().

#include "settings/GeneratorParams.h"
#include "settings/SettingsRecord.h"

#include <QRect>
#include <QString>

#include <cstdint>

class COndrixView;
class CBarTool;
class QLibrary;

enum DisplayMode : int32_t { TimeDomain = 0, FrequencyDomain = 1, FunctionSignal = 2 };
enum RecordState : int32_t { Idle = 0, Recording = 1, Playing = 2, Paused = 3 };

extern SettingsRecord g_settings;
extern GeneratorParams g_generator;

extern int32_t g_displayMode;   // DisplayMode
extern int32_t g_recordState;   // RecordState
extern bool g_showRealTime;     // live input, else the frozen sample
extern int32_t g_playbackPos;   // element index of the shown frame in the recording

extern COndrixView* g_view;
extern CBarTool* g_controlPanel;
extern QString g_appDir;

// Sampling plug-ins.
using PluginWrite8 = int (*)(unsigned char* buffer, int count);
using PluginWrite16 = int (*)(short* buffer, int count);
extern int g_pluginEnabled;
extern QString g_pluginPath;
extern QLibrary* g_pluginModule;
extern PluginWrite8 g_pluginWrite8;
extern PluginWrite16 g_pluginWrite16;
// Unloads g_pluginModule (if any) and forgets it and both exports.
void ReleasePluginModule();

// Rulers and cursors, in client pixels.
extern bool g_rulerXOn;
extern bool g_rulerYOn;
extern int g_crossX;
extern int g_crossY;
extern int g_cursorX1;
extern int g_cursorX2;
extern int g_cursorY1;
extern int g_cursorY2;
extern QRect g_handleX1;
extern QRect g_handleX2;
extern QRect g_handleY1;
extern QRect g_handleY2;
// The left button is held and drags the crosshair, respectively that cursor.
extern bool g_dragCross;
extern bool g_dragX1;
extern bool g_dragX2;
extern bool g_dragY1;
extern bool g_dragY2;

// Puts every global back to its value at program start (settings and
// generator to their defaults).
void ResetGlobals();

// g_appDir joined with a file name of the runtime folder ("setting.ini").
QString AppFilePath(const QString& fileName);
