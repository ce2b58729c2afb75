// pluslist.l, plus.ini and the list's cell values, without a window.

#include "acquisition/PluginList.h"
#include "acquisition/PluginSettings.h"
#include "app/Globals.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <limits>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A writer for a named pipe: whoever opens the pipe for reading gets `text`
// and the end of the file, so a reader that should never have opened it
// shows that it did instead of waiting for ever.
class PipeFeeder {
 public:
  PipeFeeder(const QString& pipe, QByteArray text)
      : thread_([this, name = pipe.toLocal8Bit(), text = std::move(text)] {
          while (!stop_) {
            const int fd = open(name.constData(), O_WRONLY | O_NONBLOCK);  // fails until a reader is there
            if (fd < 0) {
              std::this_thread::sleep_for(std::chrono::milliseconds(1));
              continue;
            }
            (void)!write(fd, text.constData(), static_cast<size_t>(text.size()));
            close(fd);
          }
        }) {}
  ~PipeFeeder() {
    stop_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

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

TEST_F(PluginFiles, PipesDevicesFoldersAndOversizedFilesAreNotReadNorWrittenAndSaySo) {
  const QByteArray plusText = "[PLUS]\nisPlus=1\nPath=/p/a.so\n";
  ASSERT_EQ(mkfifo(Path("pipe").toLocal8Bit().constData(), 0600), 0);
  ASSERT_TRUE(QFile::link("/dev/zero", Path("zero")));
  Put("bigplus", "[PLUS]\nisPlus=1\nPath=/" + QByteArray(kPlusIniLimit, 'a') + "\n");
  Put("biglist", QByteArray(kPluginListLimit, '\n') + "/p/a.so\n1\n");
  const QByteArray bigPlus = Get("bigplus");
  const struct {
    const char* plus;
    const char* list;
    const char* why;
  } cases[] = {
      {"pipe", "pipe", "不是普通文件"},
      {"zero", "zero", "不是普通文件"},
      {".", ".", "不是普通文件"},
      {"bigplus", "biglist", "文件过大"},
  };
  for (const auto& c : cases) {
    const PipeFeeder feeder(Path("pipe"), plusText);
    const QString plus = Path(c.plus);
    QString note;
    g_pluginPath = "stale";
    EXPECT_FALSE(ReadPluginSettings(plus, &note)) << c.plus;
    EXPECT_EQ(g_pluginEnabled, 0) << c.plus;
    EXPECT_TRUE(g_pluginPath.isEmpty()) << c.plus;
    EXPECT_TRUE(note.contains(plus) && note.contains(QString::fromUtf8(c.why))) << note.toStdString();

    QString error;
    EXPECT_FALSE(WritePluginSettings(plus, true, QStringLiteral("/p/b.so"), &error)) << c.plus;
    EXPECT_TRUE(error.contains(plus) && error.contains(QString::fromUtf8(c.why))) << error.toStdString();

    const QString list = Path(c.list);
    note.clear();
    EXPECT_TRUE(ReadPluginList(list, &note).isEmpty()) << c.list;
    EXPECT_TRUE(note.contains(list) && note.contains(QString::fromUtf8(c.why))) << note.toStdString();
  }
  // None is written; the pipe would be written as it is, were anyone reading it.
  const int reader = open(Path("pipe").toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  for (const char* name : {"pipe", "zero", "."}) {
    QString error;
    EXPECT_FALSE(WritePluginList(Path(name), {{"/p/b.so", "1"}}, &error)) << name;
    EXPECT_TRUE(error.contains(QString::fromUtf8("不是普通文件"))) << error.toStdString();
  }
  close(reader);
  EXPECT_EQ(Get("bigplus"), bigPlus);
  EXPECT_TRUE(QFileInfo(Path("pipe")).exists() && !QFileInfo(Path("pipe")).isFile());

  // At the bound the list is still read; a missing file gives no note.
  const QByteArray last = "/p/a.so\n44100\n";
  Put("list", QByteArray(kPluginListLimit - last.size(), '\n') + last);
  QString note;
  const Entries entries = ReadPluginList(Path("list"), &note);
  ASSERT_FALSE(entries.isEmpty());
  EXPECT_EQ(entries.last(), (PluginListEntry{"/p/a.so", "44100"}));
  EXPECT_TRUE(ReadPluginSettings(Path("missing.ini"), &note));
  EXPECT_TRUE(ReadPluginList(Path("missing.l"), &note).isEmpty());
  EXPECT_TRUE(note.isEmpty()) << note.toStdString();
}
