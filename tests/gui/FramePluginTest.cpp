// The sampling plug-in manager and start-up from plus.ini, in the running
// program with real plug-in libraries.

#include "support/TestApplication.h"
#include "acquisition/PluginList.h"
#include "acquisition/PluginSettings.h"
#include "app/Globals.h"
#include "display/COndrixView.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/TrackBar.h"
#include "gui/COndrixApp.h"
#include "gui/CPlugInManagerDlg.h"
#include "gui/CRateCellEdit.h"
#include "gui/CRecordBar.h"
#include "gui/CommandIds.h"
#include "support/FakeAudioInput.h"
#include "RunningProgram.h"
#include "support/RecordingPrompts.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kTwoTone = QStringLiteral(ONDRIX_PLUGIN_TWOTONE16);
const QString kSine8 = QStringLiteral(ONDRIX_PLUGIN_SINE8);
const QString kBoth = QStringLiteral(ONDRIX_PLUGIN_BOTHWIDTHS);

class FramePlugin : public RunningProgram {
 protected:
  ~FramePlugin() override { manager.reset(); }

  // The program with three known plug-ins, and the manager shown.
  void StartWithList() {
    QString error;
    ASSERT_TRUE(WritePluginList(dir.filePath("pluslist.l"), {{kTwoTone, "0"}, {kSine8, "44100abc"}, {kBoth, "abc"}},
                                &error));
    Start();
    manager = std::make_unique<CPlugInManagerDlg>(frame);
    manager->show();
    manager->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(manager.get()));
  }
  void Click(int id) { qobject_cast<QPushButton*>(manager->Control(id))->click(); }
  void Select(int row) { manager->List()->setCurrentItem(manager->List()->topLevelItem(row)); }
  QString Cell(int row, int column) { return manager->List()->topLevelItem(row)->text(column); }
  QByteArray Read(const QString& name) {
    QFile f(dir.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QString PlusValue(const QString& key) {
    return QSettings(dir.filePath("plus.ini"), QSettings::IniFormat).value("PLUS/" + key).toString();
  }
  CRateCellEdit* Editor() { return manager->List()->viewport()->findChild<CRateCellEdit*>(); }
  // The program started with `plugin` named in plus.ini.
  void StartOnPlugin(const QString& plugin) {
    QFile plus(dir.filePath("plus.ini"));
    ASSERT_TRUE(plus.open(QIODevice::WriteOnly));
    plus.write(QStringLiteral("[PLUS]\nisPlus=1\nPath=%1\n").arg(plugin).toUtf8());
    plus.close();
    Start();
  }

  std::unique_ptr<CPlugInManagerDlg> manager;
};

}  // namespace

TEST_F(FramePlugin, StartUpSamplesThePluginNamedInPlusIni) {
  StartOnPlugin(kTwoTone);
  EXPECT_EQ(g_pluginEnabled, 1);
  EXPECT_EQ(input->openCount, 0);  // the sound card stays closed
  EXPECT_FALSE(frame->ControlPanel()->Slider(1016)->isEnabled());
  EXPECT_EQ(g_settings.bitsPerSample, 16);
  // A sound-card block would be ignored; the tick shows the plug-in's left tone.
  input->Deliver(std::vector<uint8_t>(4096, 0));
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame->View()->Engine().ch1Trace[25] != 0; }, 1000));

  // Command 32785 runs the manager modally.
  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<CPlugInManagerDlg*>(QApplication::activeModalWidget());
    shown = dialog && dialog->UseCheck()->isChecked() && dialog->PathEdit()->text() == kTwoTone;
    if (dialog) dialog->reject();
  });
  frame->Action(ID_PLUGIN_SETTINGS)->trigger();
  EXPECT_TRUE(shown);
}

TEST_F(FramePlugin, RecordIsGreyedWhileAPluginIsTheSourceAndTheStatusLineSaysWhy) {
  StartOnPlugin(kTwoTone);
  QAbstractButton* record = frame->RecordBar()->Button(IDC_RECORD);
  EXPECT_FALSE(record->isEnabled());
  EXPECT_TRUE(frame->statusBar()->currentMessage().contains(QStringLiteral("插件"))) << frame->statusBar()->currentMessage().toStdString();
  frame->OnRecord();  // nor does the command record
  EXPECT_EQ(g_recordState, Idle);

  // Back to the sound card in the manager: Record is offered again.
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<CPlugInManagerDlg*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->UseCheck()->setChecked(false);
    qobject_cast<QPushButton*>(dialog->Control(CPlugInManagerDlg::kApplyButton))->click();
    dialog->reject();
  });
  frame->Action(ID_PLUGIN_SETTINGS)->trigger();
  EXPECT_EQ(g_pluginEnabled, 0);
  EXPECT_TRUE(record->isEnabled());
}

TEST_F(FramePlugin, OpenLoadsAtOnceAndAppendsARow) {
  StartWithList();
  prompts->paths << kBoth << QStringLiteral(ONDRIX_PLUGIN_NOEXPORTS) << QStringLiteral(ONDRIX_PLUGIN_NOTALIBRARY)
                 << QString();
  Click(CPlugInManagerDlg::kOpenButton);
  EXPECT_EQ(prompts->dialogs.last(), QStringLiteral("open 插件文件(*.so)"));
  EXPECT_EQ(prompts->messages.last(), QStringLiteral("插件已打开！"));
  EXPECT_EQ(Cell(3, 2), "0");
  EXPECT_EQ(manager->PathEdit()->text(), kBoth);
  EXPECT_NE(g_pluginWrite8, nullptr);  // bound now, though the sound card is still the source
  EXPECT_EQ(g_settings.bitsPerSample, 16);
  EXPECT_EQ(Read("pluslist.l").count('\n'), 6);  // the list file waits for Apply or Delete

  // A refusal keeps its fixed message and tells the loader's reason beside it.
  for (const char* why : {"Write16BitDataBuf", "notalibrary.so"}) {
    Click(CPlugInManagerDlg::kOpenButton);
    EXPECT_EQ(prompts->messages.last(), QStringLiteral("插件不可用，或不符合本软件标准！"));
    ASSERT_FALSE(prompts->details.isEmpty());
    EXPECT_TRUE(prompts->details.last().contains(QLatin1String(why))) << prompts->details.last().toStdString();
  }
  Click(CPlugInManagerDlg::kOpenButton);  // cancelled
  EXPECT_EQ(prompts->messages.size(), 3);
  EXPECT_EQ(manager->List()->topLevelItemCount(), 4);
}

TEST_F(FramePlugin, ApplyRefusesUntilARowAndARateAreGivenThenSwitchesToThePlugin) {
  StartWithList();
  manager->UseCheck()->setChecked(true);
  Click(CPlugInManagerDlg::kApplyButton);
  EXPECT_EQ(prompts->messages.last(), QStringLiteral("未选中插件！"));

  for (int row : {0, 2}) {  // rates "0" and "abc"
    Select(row);
    Click(CPlugInManagerDlg::kApplyButton);
    EXPECT_EQ(prompts->messages.last(), QStringLiteral("采样率未设置！"));
    EXPECT_EQ(g_pluginEnabled, 0);
    EXPECT_TRUE(input->open);
  }
  EXPECT_FALSE(QFile::exists(dir.filePath("plus.ini")));

  Select(1);  // "44100abc"
  Click(CPlugInManagerDlg::kApplyButton);
  EXPECT_EQ(g_pluginEnabled, 1);
  EXPECT_EQ(g_pluginPath, kSine8);
  EXPECT_FALSE(input->open);
  EXPECT_EQ(g_settings.sampleRate, 44100);
  EXPECT_EQ(manager->PathEdit()->text(), kSine8);
  EXPECT_EQ(PlusValue("isPlus"), "1");
  EXPECT_EQ(PlusValue("Path"), kSine8);
  SettingsRecord saved;
  ASSERT_TRUE(LoadSettingsRecord(dir.filePath("setting.ini"), saved));
  EXPECT_EQ(saved.sampleRate, 44100);
  EXPECT_EQ(saved.bitsPerSample, 8);
  EXPECT_EQ(ReadPluginList(dir.filePath("pluslist.l")).size(), 3);

  // Back to the sound card: opened again, the path kept.
  manager->UseCheck()->setChecked(false);
  Click(CPlugInManagerDlg::kApplyButton);
  EXPECT_EQ(g_pluginEnabled, 0);
  EXPECT_EQ(input->openCount, 2);
  EXPECT_EQ(PlusValue("isPlus"), "0");
  EXPECT_EQ(PlusValue("Path"), kSine8);
  // Again, with the sound card already the source: only plus.ini is written.
  QFile::remove(dir.filePath("plus.ini"));
  Click(CPlugInManagerDlg::kApplyButton);
  EXPECT_EQ(input->openCount, 2);
  EXPECT_EQ(PlusValue("isPlus"), "0");
}

TEST_F(FramePlugin, AFailedLoadLeavesAWayBackToTheSoundCard) {
  StartWithList();
  manager->UseCheck()->setChecked(true);
  Select(1);
  Click(CPlugInManagerDlg::kApplyButton);
  ASSERT_EQ(g_pluginEnabled, 1);
  prompts->paths << QStringLiteral(ONDRIX_PLUGIN_NOEXPORTS);
  Click(CPlugInManagerDlg::kOpenButton);  // clears the plug-in source; nothing samples now
  EXPECT_EQ(g_pluginEnabled, 0);
  EXPECT_FALSE(input->open);
  manager->UseCheck()->setChecked(false);
  Click(CPlugInManagerDlg::kApplyButton);
  EXPECT_TRUE(input->open);
}

TEST_F(FramePlugin, DeleteRenumbersAndRewritesTheList) {
  StartWithList();
  ASSERT_EQ(manager->List()->topLevelItemCount(), 3);
  EXPECT_EQ(Cell(1, 1), "sine8.so");
  EXPECT_EQ(Cell(1, 2), "44100abc");
  Click(CPlugInManagerDlg::kDeleteButton);
  EXPECT_EQ(prompts->messages.last(), QStringLiteral("未选中任何插件！"));
  Select(1);
  Click(CPlugInManagerDlg::kDeleteButton);
  ASSERT_EQ(manager->List()->topLevelItemCount(), 2);
  EXPECT_EQ(Cell(1, 0), "2");
  EXPECT_EQ(Cell(1, 3), kBoth);
  EXPECT_EQ(Read("pluslist.l"), (kTwoTone + "\r\n0\r\n" + kBoth + "\r\nabc\r\n").toUtf8());
}

TEST_F(FramePlugin, RateCellIsEditedInPlaceAndReachesTheFileOnlyThroughApply) {
  StartWithList();
  QTreeWidget* list = manager->List();
  const QRect cell = list->visualRect(list->model()->index(0, 2));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  CRateCellEdit* edit = Editor();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->geometry(), cell.adjusted(0, -3, 0, 3));
  EXPECT_EQ(edit->text(), "0");
  edit->setText("96000");
  manager->UseCheck()->setFocus();  // losing the focus commits
  EXPECT_EQ(Cell(0, 2), "96000");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Editor(), nullptr);

  // Enter commits without pressing Apply; Escape drops the edit.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  ASSERT_NE(Editor(), nullptr);
  Editor()->setText("48000");
  QTest::keyClick(Editor(), Qt::Key_Return);
  EXPECT_EQ(Cell(0, 2), "48000");
  EXPECT_FALSE(QFile::exists(dir.filePath("plus.ini")));  // no Apply
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  ASSERT_NE(Editor(), nullptr);
  Editor()->setText("1");
  QTest::keyClick(Editor(), Qt::Key_Escape);
  EXPECT_EQ(Cell(0, 2), "48000");

  // Exit after editing: the file keeps the old rate.
  Click(CPlugInManagerDlg::kExitButton);
  EXPECT_FALSE(manager->isVisible());
  EXPECT_EQ(ReadPluginList(dir.filePath("pluslist.l"))[0].rate, "0");
}

TEST_F(FramePlugin, OpenAndApplyAreRefusedWhileRecording) {
  StartWithList();
  frame->View()->Engine().Record(frame->SamplingOn());
  ASSERT_EQ(g_recordState, Recording);
  prompts->paths << kBoth;
  Click(CPlugInManagerDlg::kOpenButton);
  EXPECT_TRUE(prompts->dialogs.isEmpty());  // not even the file dialog
  EXPECT_EQ(g_pluginWrite8, nullptr);
  manager->UseCheck()->setChecked(true);
  Select(1);
  Click(CPlugInManagerDlg::kApplyButton);
  EXPECT_EQ(g_pluginEnabled, 0);
  EXPECT_TRUE(input->open);
  EXPECT_FALSE(QFile::exists(dir.filePath("plus.ini")));
  ASSERT_EQ(prompts->messages.size(), 2);
  for (const QString& message : prompts->messages) EXPECT_TRUE(message.contains(QStringLiteral("停止录制")));

  g_recordState = Idle;
  Click(CPlugInManagerDlg::kApplyButton);
  EXPECT_EQ(g_pluginEnabled, 1);
}

TEST_F(FramePlugin, AListFileThatCannotBeReadIsToldAndNeverWritten) {
  Start();
  const QByteArray big = QByteArray(kPluginListLimit, '\n') + kSine8.toUtf8() + "\r\n1\r\n";
  QFile f(dir.filePath("pluslist.l"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(big) == big.size());
  f.close();
  manager = std::make_unique<CPlugInManagerDlg>(frame);
  ASSERT_EQ(prompts->details.size(), 1);
  EXPECT_TRUE(prompts->details[0].contains(f.fileName()) && prompts->details[0].contains(QStringLiteral("文件过大")))
      << prompts->details[0].toStdString();

  // A plug-in opened and applied now is in use, but neither Apply nor Delete writes the list.
  prompts->paths << kSine8;
  Click(CPlugInManagerDlg::kOpenButton);
  manager->SetCellText(0, CPlugInManagerDlg::kRateColumn, "8000");
  manager->UseCheck()->setChecked(true);
  Select(0);
  Click(CPlugInManagerDlg::kApplyButton);
  EXPECT_EQ(g_pluginEnabled, 1);
  Click(CPlugInManagerDlg::kDeleteButton);
  EXPECT_EQ(prompts->messages.count(prompts->messages.first()), 3);
  EXPECT_EQ(Read("pluslist.l"), big);
}

TEST_F(FramePlugin, TheSoundCardComesBackAtTheRateItLastRanAtElse44100) {
  SettingsRecord settings = DefaultSettings();
  settings.sampleRate = 48000;
  QString error;
  ASSERT_TRUE(SaveSettingsRecord(dir.filePath("setting.ini"), settings, &error));
  StartWithList();
  ASSERT_EQ(input->openedFormat.samplesPerSec, 48000u);

  // An external converter's rate, far beyond any sound card's.
  manager->SetCellText(1, CPlugInManagerDlg::kRateColumn, "1000000");
  manager->UseCheck()->setChecked(true);
  Select(1);
  Click(CPlugInManagerDlg::kApplyButton);
  ASSERT_EQ(g_settings.sampleRate, 1000000);
  manager->UseCheck()->setChecked(false);
  Click(CPlugInManagerDlg::kApplyButton);
  EXPECT_TRUE(input->open);
  EXPECT_EQ(input->openedFormat.samplesPerSec, 48000u);
  EXPECT_EQ(g_settings.sampleRate, 48000);
  ASSERT_TRUE(LoadSettingsRecord(dir.filePath("setting.ini"), settings));
  EXPECT_EQ(settings.sampleRate, 48000);  // the next start opens the card there too
  EXPECT_EQ(frame->ControlPanel()->Slider(1016)->value(), 48000);
  EXPECT_TRUE(prompts->messages.isEmpty()) << prompts->messages.join('\n').toStdString();

  // A start whose plug-in no longer loads: the card never ran in this run.
  manager.reset();
  app.reset();
  ResetGlobals();
  g_appDir = dir.path();
  settings.sampleRate = 3000;  // as a plug-in's rate it is stored, not as the card's
  ASSERT_TRUE(SaveSettingsRecord(dir.filePath("setting.ini"), settings, &error));
  ASSERT_TRUE(WritePluginSettings(dir.filePath("plus.ini"), true, QStringLiteral("/no/such/plugin.so"), &error));
  Start();
  EXPECT_EQ(g_pluginEnabled, 0);
  EXPECT_EQ(input->openedFormat.samplesPerSec, 44100u);
  EXPECT_TRUE(frame->statusBar()->currentMessage().contains(QStringLiteral("plugin.so")));
}

TEST_F(FramePlugin, AStartKeepsThePluginsRateBeyondTheSoundCardsRange) {
  StartWithList();
  manager->SetCellText(1, CPlugInManagerDlg::kRateColumn, "1000000");
  manager->UseCheck()->setChecked(true);
  Select(1);
  Click(CPlugInManagerDlg::kApplyButton);
  manager.reset();
  app.reset();
  ResetGlobals();
  g_appDir = dir.path();
  Start();
  EXPECT_EQ(g_pluginEnabled, 1);
  EXPECT_EQ(g_settings.sampleRate, 1000000);
}
