// pluslist.l, plus.ini and the list's cell values, without a window.

#include "acquisition/PluginList.h"
#include "acquisition/PluginSettings.h"
#include "app/Globals.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

#include <sys/stat.h>

namespace {

class PluginFiles : public ::testing::Test {
 protected:
  PluginFiles() { ResetGlobals(); }
  ~PluginFiles() override { ResetGlobals(); }

  QString Path(const QString& name) const { return dir.filePath(name); }
  void Put(const QString& name, const QByteArray& bytes) {
    QFile f(Path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  QByteArray Get(const QString& name) {
    QFile f(Path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }
  // A path whose folder is a plain file: nothing can be written there.
  QString Unwritable(const QString& name) {
    Put("afile", "x");
    return Path("afile/" + name);
  }

  QTemporaryDir dir;
};

using Entries = QList<PluginListEntry>;

}  // namespace

TEST_F(PluginFiles, ListReadsEitherLineEndAndToleratesAMissingLastRate) {
  const struct {
    const char* content;
    Entries expected;
  } cases[] = {
      {"/p/a.so\r\n44100\r\n/p/b.so\r\n8000\r\n", {{"/p/a.so", "44100"}, {"/p/b.so", "8000"}}},
      {"/p/a.so\n44100\n/p/b.so\n0\n", {{"/p/a.so", "44100"}, {"/p/b.so", "0"}}},
      {"/p/a.so\r\n1\r\n/p/b.so\r\n", {{"/p/a.so", "1"}, {"/p/b.so", ""}}},  // no rate line
      {"/p/a.so\r\n1\r\n/p/b.so", {{"/p/a.so", "1"}, {"/p/b.so", ""}}},      // nor a last line end
      {"/p/a.so\n44100", {{"/p/a.so", "44100"}}},
      {"/p/中文.so\r\n12abc\r\n", {{"/p/中文.so", "12abc"}}},
      {"", {}},
  };
  for (const auto& c : cases) {
    Put("pluslist.l", c.content);
    EXPECT_EQ(ReadPluginList(Path("pluslist.l")), c.expected) << c.content;
  }
  EXPECT_TRUE(ReadPluginList(Path("missing.l")).isEmpty());
  EXPECT_TRUE(ReadPluginList(dir.path()).isEmpty());  // a folder cannot be read as a file
}

TEST_F(PluginFiles, ListIsWrittenWithCrLfAndAFailedWriteKeepsTheOldFile) {
  const Entries entries{{"/p/a.so", "44100"}, {"/p/b.so", ""}};
  QString error;
  ASSERT_TRUE(WritePluginList(Path("pluslist.l"), entries, &error)) << error.toStdString();
  EXPECT_EQ(Get("pluslist.l"), QByteArray("/p/a.so\r\n44100\r\n/p/b.so\r\n\r\n"));
  EXPECT_EQ(ReadPluginList(Path("pluslist.l")), entries);

  const QString bad = Unwritable("pluslist.l");
  EXPECT_FALSE(WritePluginList(bad, entries, &error));
  EXPECT_TRUE(error.contains(bad)) << error.toStdString();
  EXPECT_EQ(Get("afile"), QByteArray("x"));
}

TEST_F(PluginFiles, RateCellsAreReadLikeAtolAndNamesFollowTheLastSeparator) {
  const struct {
    const char* text;
    int32_t rate;
  } cases[] = {
      {"44100", 44100},  {"44100abc", 44100}, {"abc", 0},      {"", 0},          {"  +8000", 8000},
      {"\t 12 3", 12},   {"-5", -5},          {"0", 0},        {"- 5", 0},       {"0x10", 0},
      {"99999999999", std::numeric_limits<int32_t>::max()},   {"-99999999999", std::numeric_limits<int32_t>::min()},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseRateText(QString::fromUtf8(c.text)), c.rate) << c.text;
  // The name column: the path after its last separator of either kind.
  EXPECT_EQ(PluginFileName("C:\\plug/a\\w16.dll"), "w16.dll");
  EXPECT_EQ(PluginFileName("/p/x.so"), "x.so");
  EXPECT_EQ(PluginFileName("plain.so"), "plain.so");
}

TEST_F(PluginFiles, PlusIniKeepsTheSourceAndPath) {
  const QString ini = Path("plus.ini");
  ReadPluginSettings(ini);  // missing: the sound card, no path
  EXPECT_EQ(g_pluginEnabled, 0);
  EXPECT_TRUE(g_pluginPath.isEmpty());

  QString error;
  ASSERT_TRUE(WritePluginSettings(ini, true, QStringLiteral("/p/中文 a,b.so"), &error)) << error.toStdString();
  EXPECT_TRUE(Get("plus.ini").contains("[PLUS]"));
  ReadPluginSettings(ini);
  EXPECT_EQ(g_pluginEnabled, 1);
  EXPECT_EQ(g_pluginPath, QStringLiteral("/p/中文 a,b.so"));

  // Switching back to the sound card leaves the path alone.
  ASSERT_TRUE(WritePluginSettings(ini, false, std::nullopt, &error));
  ReadPluginSettings(ini);
  EXPECT_EQ(g_pluginEnabled, 0);
  EXPECT_EQ(g_pluginPath, QStringLiteral("/p/中文 a,b.so"));

  const QString bad = Unwritable("plus.ini");
  EXPECT_FALSE(WritePluginSettings(bad, true, QStringLiteral("/p/x.so"), &error));
  EXPECT_TRUE(error.contains(bad)) << error.toStdString();
}

TEST_F(PluginFiles, PipesDevicesFoldersAndOversizedFilesAreNeitherReadNorWrittenAndSaySo) {
  // Opening the pipe would hang, reading the device would never end.
  ASSERT_EQ(mkfifo(Path("pipe").toLocal8Bit().constData(), 0600), 0);
  ASSERT_TRUE(QFile::link("/dev/zero", Path("zero")));
  const QByteArray big = "[PLUS]\nisPlus=1\nPath=" + QByteArray(kPluginListLimit, 'a') + "\n";
  Put("big", big);
  const struct {
    const char* name;
    QString why;
  } cases[] = {{"pipe", "是命名管道"}, {"zero", "是设备"}, {".", "是文件夹"}, {"big", "文件过大"}};
  for (const auto& [name, why] : cases) {
    const QString path = Path(name);
    QString plusNote, listNote, plusError, listError;
    g_pluginPath = "stale";
    EXPECT_FALSE(ReadPluginSettings(path, &plusNote));
    EXPECT_EQ(g_pluginEnabled, 0);
    EXPECT_TRUE(g_pluginPath.isEmpty());
    EXPECT_FALSE(WritePluginSettings(path, true, QStringLiteral("/p/b.so"), &plusError));
    EXPECT_TRUE(ReadPluginList(path, &listNote).isEmpty());
    const bool regular = name == QLatin1String("big");  // the manager keeps it from being written
    EXPECT_NE(WritePluginList(path, {{"/p/b.so", "1"}}, &listError), !regular);
    for (const QString& note : {plusNote, listNote, plusError, regular ? why : listError})
      EXPECT_TRUE(note.contains(why) && (note == why || note.contains(path))) << note.toStdString();
  }
  EXPECT_FALSE(QFileInfo(Path("pipe")).isFile());

  // At the bound the list is still read; a missing file is no refusal.
  const QByteArray last = "/p/a.so\n44100\n";
  Put("list", QByteArray(kPluginListLimit - last.size(), '\n') + last);
  QString note;
  const Entries entries = ReadPluginList(Path("list"), &note);
  ASSERT_FALSE(entries.isEmpty());
  EXPECT_EQ(entries.last(), (PluginListEntry{"/p/a.so", "44100"}));
  EXPECT_TRUE(ReadPluginSettings(Path("missing.ini"), &note));
  EXPECT_TRUE(note.isEmpty()) << note.toStdString();
}
