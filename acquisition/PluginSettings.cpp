#include "acquisition/PluginSettings.h"

#include "app/Globals.h"
#include "settings/SmallFile.h"

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

bool ReadPluginSettings(const QString& iniPath, QString* refusal) {
  g_pluginPath.clear();
  g_pluginEnabled = 0;
  // QSettings reads whatever is there: a pipe would hang the start-up, a
  // device would fill the memory.
  QString reason;
  if (CheckSmallFile(iniPath, kPlusIniLimit, &reason) == SmallFileStatus::Refused) {
    if (refusal) *refusal = QCoreApplication::translate("PluginSettings", "未读取 %1：%2").arg(iniPath, reason);
    return false;
  }
  QSettings plus(iniPath, QSettings::IniFormat);
  g_pluginPath = plus.value(QStringLiteral("PLUS/Path"), QString()).toString();
  g_pluginEnabled = plus.value(QStringLiteral("PLUS/isPlus"), 0).toInt();
  return true;
}

bool WritePluginSettings(const QString& iniPath, bool inUse, const std::optional<QString>& pluginPath,
                         QString* error) {
  // QSettings reads the file before it writes it back.
  QString reason;
  if (CheckSmallFile(iniPath, kPlusIniLimit, &reason) == SmallFileStatus::Refused) {
    if (error) *error = QCoreApplication::translate("PluginSettings", "无法写入文件 %1：%2").arg(iniPath, reason);
    return false;
  }
  QSettings plus(iniPath, QSettings::IniFormat);
  plus.setValue(QStringLiteral("PLUS/isPlus"), inUse ? QStringLiteral("1") : QStringLiteral("0"));
  if (pluginPath) plus.setValue(QStringLiteral("PLUS/Path"), *pluginPath);
  plus.sync();
  if (plus.status() == QSettings::NoError) return true;
  if (error)
    *error = QCoreApplication::translate("PluginSettings", "无法写入文件 %1：%2").arg(iniPath, WriteFailureReason(iniPath));
  return false;
}
