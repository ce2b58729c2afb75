#include "app/ResourceLookup.h"
#include "app/RuntimeFolder.h"
#include "settings/GeneratorParams.h"

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
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// An installation in a temporary folder: usr/bin, its share folder, and a
// user folder whose parents do not exist yet.
struct Installation {
  QTemporaryDir tmp;
  QString bin = tmp.filePath("usr/bin");
  QString share = QDir::cleanPath(bin + "/" + ONDRIX_SHARE_FROM_BIN);
  QString user = tmp.filePath("home/.local/share/ondrix");
  Installation() { QDir().mkpath(bin); }
};

}  // namespace

TEST(RuntimeFolder, TheExecutablesFolderServesWhenItHoldsAFileOfTheProgramAndCanBeWritten) {
  EXPECT_EQ(ChooseRuntimeFolder("/exe", true, false, "/user"), "/user");  // a read-only portable copy
  Installation in;
  EXPECT_EQ(LocateRuntimeFolder(in.bin, in.user), in.user);  // an installed bin folder
  for (const char* file : {"wavedata.ini", "setting.ini"}) {
    Write(in.bin + "/" + file, "x");
    EXPECT_EQ(LocateRuntimeFolder(in.bin, in.user), in.bin) << file;
    QFile::remove(in.bin + "/" + file);
  }
  Write(in.bin + "/setting.ini", "x");
  QString error;
  EXPECT_EQ(PrepareRuntimeFolder(in.bin, in.user, &error), in.bin);
  EXPECT_FALSE(QFileInfo::exists(in.user)) << "a build seeds nothing";
}

TEST(RuntimeFolder, ExamplePluginsSitBesideABuildsProgramElseInTheInstallationsLibraryFolder) {
  Installation in;
  const QString installed = ExamplePluginFolder(in.bin);
  EXPECT_TRUE(installed.startsWith(in.tmp.filePath("usr/lib/"))) << installed.toStdString();
  EXPECT_TRUE(installed.endsWith("/ondrix/plugins")) << installed.toStdString();
  ASSERT_TRUE(QDir().mkpath(in.bin + "/plugins"));
  EXPECT_EQ(ExamplePluginFolder(in.bin), in.bin + "/plugins");
}

TEST(RuntimeFolder, SeedsComeFromBesideTheExecutableFirstStayWritableAndDefaultsStandInForMissingOnes) {
  Installation in;
  Write(in.bin + "/setting.ini", QByteArray(88, '\x44'));
  QFile::setPermissions(in.bin + "/setting.ini", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  Write(in.share + "/setting.ini", QByteArray(88, '\x55'));
  Write(in.share + "/res/Toolbar_.bmp", "BM");
  const QStringList folders = ResourceFolders(in.bin);
  EXPECT_EQ(FindResourceIn(folders, "res/Toolbar_.bmp"), in.share + "/res/Toolbar_.bmp");
  EXPECT_EQ(FindResourceIn(folders, "translations/ondrix_en.qm"), QString());

  QString error;
  ASSERT_TRUE(SeedRuntimeFolder(in.user, folders, &error)) << error.toStdString();
  EXPECT_EQ(Contents(in.user + "/setting.ini"), QByteArray(88, '\x44'));
  EXPECT_TRUE(QFile::permissions(in.user + "/setting.ini") & QFile::WriteOwner);
  GeneratorParams params{};
  ASSERT_TRUE(LoadGeneratorParams(in.user + "/wavedata.ini", params));
  const GeneratorParams defaults = DefaultGeneratorParams();
  EXPECT_EQ(std::memcmp(&params, &defaults, sizeof params), 0);
  // Files already there are kept.
  Write(in.user + "/setting.ini", "edited");
  ASSERT_TRUE(SeedRuntimeFolder(in.user, folders, &error));
  EXPECT_EQ(Contents(in.user + "/setting.ini"), "edited");
}

TEST(RuntimeFolder, AFolderThatCannotBeMadeIsNamedWithTheReason) {
  Installation in;
  Write(in.tmp.filePath("home"), "a file where the folder belongs");
  QString error;
  EXPECT_EQ(PrepareRuntimeFolder(in.bin, in.user, &error), in.user);
  EXPECT_TRUE(error.contains(in.user) && error.contains("Not a directory")) << error.toStdString();
}
