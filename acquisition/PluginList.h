#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// One plug-in of the manager's list: its library and its sample rate, kept
// as the text typed into the list.
struct PluginListEntry {
  QString path;
  QString rate;
  bool operator==(const PluginListEntry&) const = default;
};

// The most pluslist.l may hold: hundreds of plug-ins at the system's longest path.
inline constexpr qint64 kPluginListLimit = 1024 * 1024;

// pluslist.l: for every plug-in, in list order, a line with its path and a
// line with its rate (UTF-8). Lines end in CR LF when written; LF and CR LF
// are both read. A last path without its rate line gets an empty rate; a
// missing file is an empty list. So is anything that is not a regular file of
// at most kPluginListLimit bytes, or cannot be read: then `refusal` (when
// given) names the file and why.
QList<PluginListEntry> ReadPluginList(const QString& path, QString* refusal = nullptr);

// Replaces the file only when the whole list was written; a path that holds
// something other than a regular file is left alone. On failure returns false
// with `error` naming the file and the reason.
bool WritePluginList(const QString& path, const QList<PluginListEntry>& entries, QString* error);

// The name shown for a plug-in: the path after its last '/' or '\'.
QString PluginFileName(const QString& path);

// A rate cell read the way atol reads: leading blanks, an optional sign, then
// digits up to the first other character; no digits read 0. Values beyond the
// 32-bit range saturate.
int32_t ParseRateText(const QString& text);
