#pragma once

#include <QString>

#include <optional>

// plus.ini, an INI file: section PLUS, key "isPlus" ("1" a plug-in is the
// source, "0" the sound card) and key "Path" (the plug-in's library).

// The most plus.ini may hold: a path of the system's longest, with room to spare.
inline constexpr qint64 kPlusIniLimit = 64 * 1024;

// Reads "Path" (default empty) into g_pluginPath and "isPlus" (an integer,
// default 0) into g_pluginEnabled. A missing file gives the defaults. So
// does anything that is not a regular file of at most kPlusIniLimit bytes:
// then returns false with `refusal` (when given) naming the file and why.
bool ReadPluginSettings(const QString& iniPath, QString* refusal = nullptr);

// Writes "isPlus" as "1" or "0", and "Path" when `pluginPath` is given; other
// keys stay. A plus.ini that is not a regular file of at most kPlusIniLimit
// bytes is left alone. On failure returns false with `error` naming the file
// and the reason.
bool WritePluginSettings(const QString& iniPath, bool inUse, const std::optional<QString>& pluginPath,
                         QString* error);
