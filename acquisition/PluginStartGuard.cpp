#include "acquisition/PluginStartGuard.h"

#include "acquisition/PluginList.h"
#include "app/Globals.h"
#include "settings/OutputFile.h"
#include "settings/SmallFile.h"

#include <QCoreApplication>
#include <QFile>

#include <array>

namespace {

// The marker is a small text file the user may come across:
//   # ...
//   plugin=/path/to/plugin.so
//   during=sampling
constexpr qint64 kMarkerLimit = 64 * 1024;
const QByteArray kPluginKey = "plugin=";
const QByteArray kDuringKey = "during=";
constexpr std::array<const char*, 4> kCallNames = {"open", "apply", "start-up", "sampling"};

QString MarkerPath() { return AppFilePath(QString::fromLatin1(kPluginMarkerFile)); }

QByteArray MarkerText(const PluginStartGuard::Marker& marker) {
  return "# Orvanta: a call into this sampling plug-in did not come back yet.\n" + kPluginKey +
         marker.plugin.toUtf8() + '\n' + kDuringKey + kCallNames[static_cast<std::size_t>(marker.call)] + '\n';
}

PluginStartGuard::Marker ParseMarker(const QByteArray& text) {
  PluginStartGuard::Marker marker;
  for (const QByteArray& line : text.split('\n')) {
    if (line.startsWith(kPluginKey)) marker.plugin = QString::fromUtf8(line.mid(kPluginKey.size()));
    if (!line.startsWith(kDuringKey)) continue;
    for (std::size_t i = 0; i < kCallNames.size(); ++i)
      if (line.mid(kDuringKey.size()) == kCallNames[i]) marker.call = static_cast<PluginCall>(i);
  }
  return marker;
}

bool WriteMarker(const PluginStartGuard::Marker& marker, QString* error) {
  const QString path = MarkerPath();
  QString reason;
  // Written as it is, a pipe would hold the program until someone reads it.
  if (CheckSmallFile(path, kMarkerLimit, &reason) != SmallFileStatus::Refused &&
      WriteOutputFile(path, MarkerText(marker), {}, &reason))
    return true;
  if (error)
    *error = QCoreApplication::translate("PluginStartGuard", "无法写入插件保护标记 %1：%2").arg(path, reason);
  return false;
}

}  // namespace

std::optional<PluginStartGuard::Marker> PluginStartGuard::FindLeftOver() {
  QByteArray text;
  switch (ReadSmallFile(MarkerPath(), kMarkerLimit, &text, nullptr)) {
    case SmallFileStatus::Missing:
      leftOver_.reset();
      break;
    case SmallFileStatus::Fits:
      leftOver_ = ParseMarker(text);
      break;
    case SmallFileStatus::Refused:  // something is there: it counts, whatever it says
      leftOver_ = Marker{};
      break;
  }
  return leftOver_;
}

bool PluginStartGuard::Arm(const QString& plugin, PluginCall call, QString* error) {
  if (!WriteMarker({plugin, call}, error)) return false;
  armed_ = true;
  goodTicks_ = 0;
  return true;
}

void PluginStartGuard::Ticked() {
  if (armed_ && ++goodTicks_ >= kGoodTicks) Release();
}

void PluginStartGuard::Release() {
  if (!armed_) return;
  armed_ = false;
  // A marker from an earlier run stands until the user settles it. Neither
  // failure can be helped here: a marker that stays only costs the next
  // start its plug-in, with a note that says so.
  if (leftOver_)
    WriteMarker(*leftOver_, nullptr);
  else
    QFile::remove(MarkerPath());
}

void PluginStartGuard::Settle() {
  leftOver_.reset();
  if (!armed_) QFile::remove(MarkerPath());
}

QString SkippedPluginNote(const PluginStartGuard::Marker& marker) {
  const char* const during[] = {QT_TRANSLATE_NOOP("PluginStartGuard", "插件管理器中打开它时"),
                                QT_TRANSLATE_NOOP("PluginStartGuard", "应用它时"),
                                QT_TRANSLATE_NOOP("PluginStartGuard", "启动加载时"),
                                QT_TRANSLATE_NOOP("PluginStartGuard", "采样时")};
  const QString name = marker.plugin.isEmpty() ? QStringLiteral("?") : PluginFileName(marker.plugin);
  return QCoreApplication::translate("PluginStartGuard",
                                     "上次运行时，插件 %1 在%2使程序意外终止，本次改用声卡采样。"
                                     "plus.ini 未改动：请在“采样插件设置”中重新应用。")
      .arg(name, QCoreApplication::translate("PluginStartGuard", during[static_cast<int>(marker.call)]));
}
