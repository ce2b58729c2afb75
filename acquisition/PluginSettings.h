#pragma once

#include <QString>

#include <optional>

// plus.ini, an INI file: section PLUS, key "isPlus" ("1" a plug-in is the
// source, "0" the sound card) and key "Path" (the plug-in's library).

// Reads "Path" (default empty) into g_pluginPath and "isPlus" (an integer,
// default 0) into g_pluginEnabled. A missing file gives the defaults.
void ReadPluginSettings(const QString& iniPath);

// Writes "isPlus" as "1" or "0", and "Path" when `pluginPath` is given; other
// keys stay. On failure returns false with `error` naming the file and the
// reason.
bool WritePluginSettings(const QString& iniPath, bool inUse, const std::optional<QString>& pluginPath,
                         QString* error);
