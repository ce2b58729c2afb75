// A plug-in that crashes the program must not lock the user out. The whole
// program runs in a child process where a real plug-in crashes it (at
// start-up, on a tick, or in the manager's Open or Apply); the next start,
// here, must come up on the sound card and tell which plug-in was left out.

#include "acquisition/PluginList.h"
#include "acquisition/PluginStartGuard.h"
#include "app/Globals.h"
#include "gui/CMainFrame.h"
#include "gui/CPlugInManagerDlg.h"
#include "RunningProgram.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include <sys/wait.h>

namespace {

const QString kCrashingPlugin = QStringLiteral(ONDRIX_PLUGIN_CRASH16);
const QString kGoodPlugin = QStringLiteral(ONDRIX_PLUGIN_TWOTONE16);

// Anything but a clean exit: a crash ends a process by its signal, or with
// the sanitizer's exit code in a sanitizer build.
bool DidNotExitCleanly(int status) { return !(WIFEXITED(status) && WEXITSTATUS(status) == 0); }

class FramePluginCrash : public RunningProgram {
 protected:
  void PutFile(const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
  }
  QByteArray Read(const QString& name) {
    QFile f(dir.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }
  // The manager of the program running in the child, its plug-in list shown.
  CPlugInManagerDlg* ShowManager() {
    auto* manager = new CPlugInManagerDlg(frame);
    manager->show();
    return manager;
  }
  static void Click(CPlugInManagerDlg* manager, int id) { qobject_cast<QPushButton*>(manager->Control(id))->click(); }
};

}  // namespace

TEST_F(FramePluginCrash, TheNextStartAfterACrashIsOnTheSoundCardAndSaysWhy) {
  const QByteArray crashInUse = QStringLiteral("[PLUS]\nisPlus=1\nPath=%1\n").arg(kCrashingPlugin).toUtf8();
  const QByteArray goodInUse = QStringLiteral("[PLUS]\nisPlus=1\nPath=%1\n").arg(kGoodPlugin).toUtf8();
  const struct {
    const char* name;
    QByteArray plusIni;  // empty: none
    const char* crashAt;  // the call that crashes: 1 is the one made on loading
    std::function<void()> act;  // what is done once the program is up
    const char* during;
    bool markerStays;  // the next start does without the plug-in plus.ini names
  } cases[] = {
      {"start-up", crashInUse, "1", [] {}, "启动加载时", true},
      {"a tick", crashInUse, "4", [] { QTest::qWait(1000); }, "采样时", true},
      {"Open", goodInUse, "1",
       [this] {
         prompts->paths << kCrashingPlugin;
         Click(ShowManager(), CPlugInManagerDlg::kOpenButton);
       },
       "插件管理器中打开它时", true},
      {"Apply", {}, "1",
       [this] {
         CPlugInManagerDlg* manager = ShowManager();
         manager->UseCheck()->setChecked(true);
         manager->List()->setCurrentItem(manager->List()->topLevelItem(0));
         Click(manager, CPlugInManagerDlg::kApplyButton);
       },
       "应用它时", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(dir.filePath("plus.ini"));
    if (!c.plusIni.isEmpty()) PutFile("plus.ini", c.plusIni);
    QString error;
    ASSERT_TRUE(WritePluginList(dir.filePath("pluslist.l"), {{kCrashingPlugin, "8000"}}, &error));

    EXPECT_EXIT(
        {
          qputenv("ONDRIX_TEST_CRASH_AT", c.crashAt);
          Start();
          c.act();
          QTest::qWait(500);
          std::exit(0);  // still running: the plug-in did not crash the program
        },
        DidNotExitCleanly, "");

    Start();
    EXPECT_EQ(g_pluginEnabled, 0);
    EXPECT_TRUE(input->open);
    const QString note = frame->statusBar()->currentMessage();
    EXPECT_TRUE(note.contains(QStringLiteral("crash16.so")) && note.contains(QString::fromUtf8(c.during)))
        << note.toStdString();
    EXPECT_EQ(Read("plus.ini"), c.plusIni.isEmpty() ? QByteArray("<missing>") : c.plusIni);
    EXPECT_EQ(QFile::exists(dir.filePath(kPluginMarkerFile)), c.markerStays);
    prompts.reset();
    app.reset();
    ResetGlobals();
    g_appDir = dir.path();
    QFile::remove(dir.filePath(kPluginMarkerFile));
  }
}

TEST_F(FramePluginCrash, WithoutPluginsTheStartIsOnTheSoundCardWhateverPlusIniSays) {
  const QByteArray plusIni = QStringLiteral("[PLUS]\nisPlus=1\nPath=%1\n").arg(kCrashingPlugin).toUtf8();
  PutFile("plus.ini", plusIni);
  qputenv("ONDRIX_TEST_CRASH_AT", "1");  // loading it would end this test
  auto fake = std::make_unique<FakeAudioInput>();
  input = fake.get();
  app = std::make_unique<COndrixApp>(std::move(fake));
  app->AllowPlugin(false);
  ASSERT_TRUE(app->InitInstance());
  qunsetenv("ONDRIX_TEST_CRASH_AT");
  EXPECT_EQ(g_pluginEnabled, 0);
  EXPECT_EQ(g_pluginModule, nullptr);
  EXPECT_TRUE(input->open);
  EXPECT_EQ(Read("plus.ini"), plusIni);
  EXPECT_FALSE(QFile::exists(dir.filePath(kPluginMarkerFile)));
}
