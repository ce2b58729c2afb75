#include "app/ResourceLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The installed share folder relative to the installed bin folder, set by
// the build from the install directories ("../share/ondrix"). Relative, so an
// installation found anywhere (a staging folder, another prefix) uses its own.
#ifndef ONDRIX_SHARE_FROM_BIN
#define ONDRIX_SHARE_FROM_BIN "../share/ondrix"
#endif
// The installed example plug-ins, likewise ("../lib/<multiarch>/ondrix/plugins").
#ifndef ONDRIX_PLUGINS_FROM_BIN
#define ONDRIX_PLUGINS_FROM_BIN "../lib/ondrix/plugins"
#endif

QStringList ResourceFolders(const QString& exeDir) {
  return {exeDir, QDir::cleanPath(QDir(exeDir).filePath(QStringLiteral(ONDRIX_SHARE_FROM_BIN)))};
}

QString FindResourceIn(const QStringList& folders, const QString& name) {
  for (const QString& folder : folders) {
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo::exists(path)) return path;
  }
  return {};
}

QString FindResource(const QString& name) {
  return FindResourceIn(ResourceFolders(QCoreApplication::applicationDirPath()), name);
}

QString ExamplePluginFolder(const QString& exeDir) {
  const QString beside = QDir(exeDir).filePath(QStringLiteral("plugins"));
  if (QFileInfo(beside).isDir()) return beside;
  return QDir::cleanPath(QDir(exeDir).filePath(QStringLiteral(ONDRIX_PLUGINS_FROM_BIN)));
}
