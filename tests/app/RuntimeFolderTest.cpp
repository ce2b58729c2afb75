#include "app/ResourceLookup.h"
#include "app/RuntimeFolder.h"
#include "settings/GeneratorParams.h"
#include "settings/SettingsRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// An installation in a temporary folder: usr/bin and its share folder.
struct Installation {
  QTemporaryDir tmp;
  QString bin = tmp.filePath("usr/bin");
  QString share = QDir::cleanPath(bin + "/" + ONDRIX_SHARE_FROM_BIN);
  QString user = tmp.filePath("home/.local/share/ondrix");  // parents missing too
  Installation() { QDir().mkpath(bin); }
};

}  // namespace

TEST(RuntimeFolder, TheExecutablesFolderServesWhenItHoldsAFileOfTheProgramAndCanBeWritten) {
  EXPECT_EQ(ChooseRuntimeFolder("/exe", true, true, "/user"), "/exe");
  EXPECT_EQ(ChooseRuntimeFolder("/exe", true, false, "/user"), "/user");  // a read-only portable copy
  EXPECT_EQ(ChooseRuntimeFolder("/exe", false, true, "/user"), "/user");  // an installed bin folder

  Installation in;
  EXPECT_EQ(LocateRuntimeFolder(in.bin, in.user), in.user);
  Write(in.bin + "/wavedata.ini", QByteArray(32, 0));
  EXPECT_EQ(LocateRuntimeFolder(in.bin, in.user), in.bin);
  QFile::remove(in.bin + "/wavedata.ini");
  Write(in.bin + "/setting.ini", QByteArray(88, 0));
  EXPECT_EQ(LocateRuntimeFolder(in.bin, in.user), in.bin);
  EXPECT_FALSE(QFileInfo::exists(in.user)) << "looking creates nothing";
  // The build's folder holds the files: a build runs from it and seeds nothing.
  QString error;
  EXPECT_EQ(PrepareRuntimeFolder(in.bin, in.user, &error), in.bin);
  EXPECT_FALSE(QFileInfo::exists(in.user));
}

TEST(RuntimeFolder, AnInstalledProgramSeedsItsUserFolderOnceAndKeepsWhatIsThere) {
  Installation in;
  const QByteArray settingsSeed(88, '\x11');
  const QByteArray generatorSeed(32, '\x22');
  Write(in.share + "/setting.ini", settingsSeed);
  Write(in.share + "/wavedata.ini", generatorSeed);
  // A package installs its files read-only for the user; the copy must not be.
  QFile::setPermissions(in.share + "/setting.ini", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

  QString error;
  ASSERT_EQ(PrepareRuntimeFolder(in.bin, in.user, &error), in.user);
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  EXPECT_EQ(Contents(in.user + "/setting.ini"), settingsSeed);
  EXPECT_EQ(Contents(in.user + "/wavedata.ini"), generatorSeed);
  EXPECT_TRUE(QFile::permissions(in.user + "/setting.ini") & QFile::WriteOwner);

  // The next start: the user's own settings stay, a lost file comes back.
  const QByteArray edited(88, '\x33');
  Write(in.user + "/setting.ini", edited);
  ASSERT_TRUE(QFile::remove(in.user + "/wavedata.ini"));
  EXPECT_EQ(PrepareRuntimeFolder(in.bin, in.user, &error), in.user);
  EXPECT_EQ(Contents(in.user + "/setting.ini"), edited);
  EXPECT_EQ(Contents(in.user + "/wavedata.ini"), generatorSeed);
}

TEST(RuntimeFolder, ResourcesBesideTheExecutableComeFirstAndBuiltInDefaultsStandInForMissingSeeds) {
  Installation in;
  Write(in.bin + "/setting.ini", QByteArray(88, '\x44'));
  Write(in.share + "/setting.ini", QByteArray(88, '\x55'));
  Write(in.share + "/res/Toolbar_.bmp", "BM");
  const QStringList folders = ResourceFolders(in.bin);
  EXPECT_EQ(FindResourceIn(folders, "setting.ini"), in.bin + "/setting.ini");
  EXPECT_EQ(FindResourceIn(folders, "res/Toolbar_.bmp"), in.share + "/res/Toolbar_.bmp");
  EXPECT_EQ(FindResourceIn(folders, "translations/ondrix_en.qm"), QString());

  // A read-only portable copy seeds from its own files; no wavedata.ini
  // anywhere gives the program's defaults.
  QString error;
  ASSERT_TRUE(SeedRuntimeFolder(in.user, folders, &error)) << error.toStdString();
  EXPECT_EQ(Contents(in.user + "/setting.ini"), QByteArray(88, '\x44'));
  GeneratorParams params{};
  ASSERT_TRUE(LoadGeneratorParams(in.user + "/wavedata.ini", params));
  const GeneratorParams defaults = DefaultGeneratorParams();
  EXPECT_EQ(std::memcmp(&params, &defaults, sizeof params), 0);
}

TEST(RuntimeFolder, AFolderThatCannotBeMadeIsNamedWithTheReason) {
  Installation in;
  Write(in.tmp.filePath("home"), "a file where the folder belongs");
  QString error;
  EXPECT_EQ(PrepareRuntimeFolder(in.bin, in.user, &error), in.user);
  EXPECT_TRUE(error.contains(in.user)) << error.toStdString();
  EXPECT_TRUE(error.contains("Not a directory", Qt::CaseInsensitive)) << error.toStdString();
  EXPECT_FALSE(SeedRuntimeFolder(QString(), {}, &error));
  EXPECT_FALSE(error.isEmpty());
}
