#include "acquisition/PluginSettings.h"

#include "app/Globals.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QSettings>

namespace {

// QSettings reports only that writing failed; a file opened for writing at
// the same place tells the system's reason.
QString WriteFailureReason(const QString& path) {
  QSaveFile probe(path);
  if (!probe.open(QIODevice::WriteOnly)) return probe.errorString();
  probe.cancelWriting();
  return QCoreApplication::translate("PluginSettings", "写入失败");
}

}  // namespace

void ReadPluginSettings(const QString& iniPath) {
  QSettings plus(iniPath, QSettings::IniFormat);
  g_pluginPath = plus.value(QStringLiteral("PLUS/Path"), QString()).toString();
  g_pluginEnabled = plus.value(QStringLiteral("PLUS/isPlus"), 0).toInt();
}

bool WritePluginSettings(const QString& iniPath, bool inUse, const std::optional<QString>& pluginPath,
                         QString* error) {
  QSettings plus(iniPath, QSettings::IniFormat);
  plus.setValue(QStringLiteral("PLUS/isPlus"), inUse ? QStringLiteral("1") : QStringLiteral("0"));
  if (pluginPath) plus.setValue(QStringLiteral("PLUS/Path"), *pluginPath);
  plus.sync();
  if (plus.status() == QSettings::NoError) return true;
  if (error)
    *error = QCoreApplication::translate("PluginSettings", "无法写入文件 %1：%2").arg(iniPath, WriteFailureReason(iniPath));
  return false;
}
