// libFuzzer target: plus.ini and pluslist.l read as at start-up and by the
// plug-in manager: the plug-in in use from plus.ini, and every entry of the
// list with the name and the rate the manager shows and applies.
//
// Input: the first byte is the length of plus.ini (bounded by what follows),
// the bytes after it are plus.ini and then pluslist.l.
// Property: a rate cell made of ASCII reads as C's strtol reads it, limited
// to the 32-bit range.

#include "FuzzSupport.h"

#include "acquisition/PluginList.h"
#include "acquisition/PluginSettings.h"
#include "app/Globals.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

void CheckRateText(const QString& text) {
  const int32_t rate = ParseRateText(text);
  for (const QChar c : text)
    if (c.unicode() == 0 || c.unicode() > 127) return;
  const long long expected = std::strtoll(text.toLatin1().constData(), nullptr, 10);
  FUZZ_CHECK(rate == std::clamp<long long>(expected, INT32_MIN, INT32_MAX));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const QString plusPath = ScratchPath(QStringLiteral("plus.ini"));
  static const QString listPath = ScratchPath(QStringLiteral("pluslist.l"));

  const std::size_t plusBytes = size == 0 ? 0 : std::min<std::size_t>(data[0], size - 1);
  const uint8_t* plusFile = data + (size == 0 ? 0 : 1);
  WriteScratch(plusPath, plusFile, plusBytes);
  WriteScratch(listPath, plusFile + plusBytes, size == 0 ? 0 : size - 1 - plusBytes);

  ResetGlobals();
  ReadPluginSettings(plusPath);
  (void)PluginFileName(g_pluginPath);

  const QList<PluginListEntry> entries = ReadPluginList(listPath);
  // Two lines per entry at most: never more entries than line ends plus one.
  FUZZ_CHECK(entries.size() <= static_cast<qsizetype>(std::count(plusFile + plusBytes, data + size, '\n')) + 1);
  for (const PluginListEntry& entry : entries) {
    FUZZ_CHECK(!entry.path.contains(QLatin1Char('\n')) && !entry.rate.contains(QLatin1Char('\n')));
    (void)PluginFileName(entry.path);
    CheckRateText(entry.rate);
  }
  return 0;
}
