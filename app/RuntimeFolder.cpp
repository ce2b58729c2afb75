#include "app/RuntimeFolder.h"

#include "app/ResourceLookup.h"
#include "settings/GeneratorParams.h"
#include "settings/SettingsRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace {

const QString kSettingsFile = QStringLiteral("setting.ini");
const QString kGeneratorFile = QStringLiteral("wavedata.ini");

// A seed copied from a read-only medium or package keeps the owner's right
// to save over it.
constexpr QFile::Permissions kSeededPermissions =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;

bool CopySeed(const QString& seed, const QString& target, QString* error) {
  QFile source(seed);
  if (!source.copy(target)) {
    if (error)
      *error = QCoreApplication::translate("RuntimeFolder", "无法写入文件 %1：%2").arg(target, source.errorString());
    return false;
  }
  QFile::setPermissions(target, kSeededPermissions);
  return true;
}

// Gives `dir` the file `name` unless it has one already.
bool SeedFile(const QString& dir, const QString& name, const QStringList& resourceFolders, QString* error) {
  const QString target = QDir(dir).filePath(name);
  if (QFileInfo::exists(target)) return true;
  const QString seed = FindResourceIn(resourceFolders, name);
  if (!seed.isEmpty()) return CopySeed(seed, target, error);
  return name == kSettingsFile ? SaveSettingsRecord(target, DefaultSettings(), error)
                               : SaveGeneratorParams(target, DefaultGeneratorParams(), error);
}

}  // namespace

QString ChooseRuntimeFolder(const QString& exeDir, bool exeDirHoldsFiles, bool exeDirWritable,
                            const QString& userDir) {
  return exeDirHoldsFiles && exeDirWritable ? exeDir : userDir;
}

QString LocateRuntimeFolder(const QString& exeDir, const QString& userDir) {
  const QDir dir(exeDir);
  const bool holdsFiles =
      QFileInfo::exists(dir.filePath(kSettingsFile)) || QFileInfo::exists(dir.filePath(kGeneratorFile));
  return ChooseRuntimeFolder(exeDir, holdsFiles, QFileInfo(exeDir).isWritable(), userDir);
}

bool SeedRuntimeFolder(const QString& dir, const QStringList& resourceFolders, QString* error) {
  if (dir.isEmpty()) {
    if (error) *error = QCoreApplication::translate("RuntimeFolder", "没有用户数据文件夹");
    return false;
  }
  std::error_code failure;
  std::filesystem::create_directories(QFile::encodeName(dir).toStdString(), failure);
  if (failure) {
    if (error)
      *error = QCoreApplication::translate("RuntimeFolder", "无法创建文件夹 %1：%2")
                   .arg(dir, QString::fromLocal8Bit(failure.message()));
    return false;
  }
  // Both are tried: one that fails does not keep the other from its defaults.
  QString settingsError;
  QString generatorError;
  const bool settingsOk = SeedFile(dir, kSettingsFile, resourceFolders, &settingsError);
  const bool generatorOk = SeedFile(dir, kGeneratorFile, resourceFolders, &generatorError);
  if (error) *error = settingsOk ? generatorError : settingsError;
  return settingsOk && generatorOk;
}

QString PrepareRuntimeFolder(const QString& exeDir, const QString& userDir, QString* error) {
  const QString dir = LocateRuntimeFolder(exeDir, userDir);
  if (dir == userDir) SeedRuntimeFolder(dir, ResourceFolders(exeDir), error);
  return dir;
}

QString UserDataFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("ondrix"));
}
