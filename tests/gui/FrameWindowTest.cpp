#include "support/TestApplication.h"
#include "app/Globals.h"
#include "gui/AppTitle.h"
#include "gui/CBarTool.h"
#include "gui/TrackBar.h"
#include "gui/CGfxOutBarCtrl.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/CRecordBar.h"
#include "gui/CThinSplitterWnd.h"
#include "gui/CommandIds.h"
#include "gui/SplitterLayout.h"
#include "display/COndrixView.h"
#include "support/FakeAudioInput.h"
#include "RunningProgram.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

class FrameTest : public RunningProgram {
 protected:
  // Starts the program and lets the window settle.
  void Start() {
    RunningProgram::Start();
    QCoreApplication::processEvents();
  }
  void Trigger(int id) { frame->Action(id)->trigger(); }
  // Clicks the current folder's item showing `label`, wherever it stands.
  void ClickItem(const QString& label) {
    CGfxOutBarCtrl* bar = frame->OutlookBar();
    for (int i = 0; i < bar->ItemCount(); ++i) {
      if (bar->GetItemLabel(i) != label) continue;
      const QPoint at = bar->Geometry().items[i].icon.center();
      QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at);
      return;
    }
    FAIL() << "no item " << label.toStdString();
  }
};

}  // namespace

TEST(SplitterLayout, FirstPaneTakesItsIdealButLeavesTheSecondItsMinimum) {
  EXPECT_EQ(TwoPaneSizes(700, 580, 150), (QList<int>{550, 150}));  // 120 left < 150: the first yields
  EXPECT_EQ(TwoPaneSizes(100, 580, 150), (QList<int>{0, 100}));
  EXPECT_EQ(TwoPaneSizes(730, 580, 150), (QList<int>{580, 150}));
  EXPECT_EQ(TwoPaneSizes(900, 580, 150), (QList<int>{580, 320}));
  EXPECT_EQ(TwoPaneSizes(500, 580, 0), (QList<int>{500, 0}));
  EXPECT_EQ(TwoPaneSizes(500, 0, 0), (QList<int>{0, 500}));
  EXPECT_EQ(TwoPaneSizes(-4, 100, 0), (QList<int>{0, 0}));
}

TEST_F(FrameTest, StartUpBuildsTheWindowAndOpensTheSoundCard) {
  Start();
  EXPECT_EQ(app->Title(), QStringLiteral("Orvanta - 声卡双通道测量台"));
  EXPECT_EQ(frame->windowTitle(), app->Title());
  app->Doc().SetTitle(QStringLiteral("whatever.wav"));
  EXPECT_EQ(app->Doc().Title(), AppTitleSuffix());
  EXPECT_EQ(QDir(g_appDir), QDir(dir.path()));
  EXPECT_EQ(g_view, frame->View());
  EXPECT_TRUE(frame->SamplingOn());
  EXPECT_EQ(input->openCount, 1);
  EXPECT_EQ(input->openedFormat, MakePcmFormat(2, 44100, 16));
  // The display tick runs: a delivered block reaches the traces.
  std::vector<uint8_t> block(4096, 0);
  block[0] = 0x21;
  input->Deliver(block);
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame->View()->Engine().ch1Trace[0] == 0x21; }, 1000));
}

TEST_F(FrameTest, DamagedParameterFilesStartAWorkingInstrumentAndTheStatusLineSaysSo) {
  // setting.ini: a garbage rate, an unknown coordinate system and a colour
  // with a top byte; wavedata.ini: cut off after the left frequency.
  SettingsRecord settings = DefaultSettings();
  settings.sampleRate = 7;
  settings.coordSystem = 9;
  settings.ch1Color = 0xFF00FF00;
  const QByteArray settingsFile(reinterpret_cast<const char*>(&settings), sizeof settings);
  const QByteArray generatorFile = QByteArray::fromHex("00000000" "02000000" "03000000" "b8010000");
  for (const auto& [name, bytes] : {std::pair{"setting.ini", settingsFile}, {"wavedata.ini", generatorFile}}) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  Start();
  EXPECT_EQ(input->openedFormat, MakePcmFormat(2, 44100, 16));
  EXPECT_EQ(g_settings.coordSystem, LogicLevel);
  EXPECT_EQ(g_settings.ch1Color, DefaultSettings().ch1Color);
  EXPECT_EQ(g_generator.leftWave, Square);  // the file's own fields stay
  EXPECT_EQ(g_generator.leftFreq, 440);
  EXPECT_EQ(g_generator.leftPeak, DefaultGeneratorParams().leftPeak);
  const QString status = frame->statusBar()->currentMessage();
  EXPECT_TRUE(status.contains(QStringLiteral("setting.ini 已修复：超出范围的 sampleRate、ch1Color、coordSystem")))
      << status.toStdString();
  EXPECT_TRUE(status.contains(QStringLiteral("wavedata.ini 已修复：文件只有 16 字节"))) << status.toStdString();
  // The files stay as they were until the user saves.
  for (const auto& [name, bytes] : {std::pair{"setting.ini", settingsFile}, {"wavedata.ini", generatorFile}}) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), bytes) << name;
  }
}

TEST_F(FrameTest, AnEnabledPluginThatCannotLoadFallsBackToTheSoundCard) {
  QFile plus(dir.filePath("plus.ini"));
  ASSERT_TRUE(plus.open(QIODevice::WriteOnly));
  plus.write("[PLUS]\nisPlus=1\nPath=/no/such/plugin.so\n");
  plus.close();
  Start();
  EXPECT_EQ(g_pluginPath, QStringLiteral("/no/such/plugin.so"));
  EXPECT_EQ(g_pluginEnabled, 0);
  EXPECT_EQ(input->openCount, 1);
  EXPECT_TRUE(frame->ControlPanel()->Slider(1016)->isEnabled());  // the sound card's rate is the slider's
  // plus.ini is left as it was.
  ASSERT_TRUE(plus.open(QIODevice::ReadOnly));
  EXPECT_TRUE(plus.readAll().contains("isPlus=1"));
}

TEST_F(FrameTest, SamplingCommandsFollowTheirRulesAndCheckMarks) {
  Start();
  EXPECT_TRUE(frame->Action(ID_START_SAMPLING)->isChecked());
  EXPECT_FALSE(frame->Action(ID_STOP_SAMPLING)->isChecked());
  Trigger(ID_STOP_SAMPLING);
  EXPECT_FALSE(frame->SamplingOn());
  EXPECT_FALSE(input->running);
  EXPECT_FALSE(frame->Action(ID_START_SAMPLING)->isChecked());
  EXPECT_TRUE(frame->Action(ID_STOP_SAMPLING)->isChecked());
  Trigger(ID_START_SAMPLING);
  EXPECT_TRUE(frame->SamplingOn());
  EXPECT_TRUE(input->running);

  // Function signal stops sampling; start sampling is ignored until "时域".
  ClickItem(QStringLiteral("函数信号"));
  EXPECT_EQ(g_displayMode, FunctionSignal);
  EXPECT_FALSE(frame->SamplingOn());
  EXPECT_EQ(frame->View()->Engine().RecBytes(), 4224u);  // the default generator's signal
  Trigger(ID_START_SAMPLING);
  EXPECT_FALSE(frame->SamplingOn());
  EXPECT_FALSE(frame->Action(ID_START_SAMPLING)->isChecked());
  ClickItem(QStringLiteral("时域"));
  EXPECT_EQ(g_displayMode, TimeDomain);
  EXPECT_FALSE(frame->SamplingOn());  // the click itself does not restart it
  Trigger(ID_START_SAMPLING);
  EXPECT_TRUE(frame->SamplingOn());

  // Clicking "函数信号" with sampling off keeps it off.
  Trigger(ID_STOP_SAMPLING);
  const int stops = input->stopCount;
  ClickItem(QStringLiteral("函数信号"));
  EXPECT_FALSE(frame->SamplingOn());
  EXPECT_EQ(input->stopCount, stops);

  // No start while replaying.
  g_displayMode = TimeDomain;
  g_recordState = Playing;
  Trigger(ID_START_SAMPLING);
  EXPECT_FALSE(frame->SamplingOn());
}

TEST_F(FrameTest, OutlookItemsSwitchModesAndSourcesByTheirItemData) {
  Start();
  ClickItem(QStringLiteral("频域"));
  EXPECT_EQ(g_displayMode, FrequencyDomain);
  frame->OutlookBar()->OpenFolder(1);
  ClickItem(QStringLiteral("样本数据显示"));
  EXPECT_FALSE(g_showRealTime);
  ClickItem(QStringLiteral("实时采样显示"));
  EXPECT_TRUE(g_showRealTime);
  // Every move is accepted.
  EXPECT_EQ(frame->OnOutbarEvent(OBE_ITEM_MOVED, 0), 1);
  EXPECT_EQ(frame->OnOutbarEvent(OBE_FOLDER_SELECTED, 1), 0);
}

TEST_F(FrameTest, ADraggedItemKeepsItsAction) {
  Start();
  CGfxOutBarCtrl* bar = frame->OutlookBar();
  // Drag "时域" below the last item: the order becomes 频域, 函数信号, 时域.
  const OutbarGeometry g = bar->Geometry();
  const QPoint from = g.items[0].icon.center();
  const QPoint gap(from.x(), g.items[0].item.bottom() + 4);
  const QPoint below(from.x(), g.items[2].item.bottom() + 20);
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, from);
  for (QPoint p : {gap, below}) {
    QMouseEvent move(QEvent::MouseMove, p, bar->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &move);
  }
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, below);
  ASSERT_EQ(bar->GetItemLabel(2), QStringLiteral("时域"));

  g_displayMode = FrequencyDomain;
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->Geometry().items[2].icon.center());
  EXPECT_EQ(g_displayMode, TimeDomain);
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->Geometry().items[0].icon.center());
  EXPECT_EQ(g_displayMode, FrequencyDomain);
}

TEST_F(FrameTest, HidingAndShowingPanesRestoresTheirCreationSizes) {
  Start();
  QSplitter* right = frame->RightSplitter();
  const QList<int> initialRows = right->sizes();
  ASSERT_GT(initialRows[1], 0);
  EXPECT_EQ(initialRows[0], std::min(frame->ScreenHeight() - 320, initialRows[0] + initialRows[1]));

  for (int round = 0; round < 2; ++round) {
    right->setSizes({50, initialRows[0] + initialRows[1] - 50});  // the user drags
    Trigger(ID_HIDE_CONTROL_PANEL);
    EXPECT_TRUE(frame->ControlPanelHidden());
    EXPECT_TRUE(frame->Action(ID_HIDE_CONTROL_PANEL)->isChecked());
    EXPECT_EQ(right->sizes()[1], 0);
    Trigger(ID_HIDE_CONTROL_PANEL);
    EXPECT_FALSE(frame->ControlPanelHidden());
    EXPECT_EQ(right->sizes(), initialRows);
  }

  QSplitter* main = frame->MainSplitter();
  EXPECT_EQ(frame->OutlookBarWidth(), QGuiApplication::primaryScreen()->availableGeometry().width() / 5);
  EXPECT_EQ(main->sizes()[0], frame->OutlookBarWidth());
  main->setSizes({300, main->sizes()[0] + main->sizes()[1] - 300});
  Trigger(ID_HIDE_LIST_VIEW);
  EXPECT_EQ(main->sizes()[0], 0);
  EXPECT_TRUE(frame->Action(ID_HIDE_LIST_VIEW)->isChecked());
  Trigger(ID_HIDE_LIST_VIEW);
  EXPECT_EQ(main->sizes()[0], frame->OutlookBarWidth());
}

TEST_F(FrameTest, BarsTogglesAndRulerBoxes) {
  Start();
  EXPECT_TRUE(frame->Action(ID_VIEW_RECORDBAR)->isChecked());
  Trigger(ID_VIEW_RECORDBAR);
  EXPECT_TRUE(frame->RecordBarDock()->isHidden());
  EXPECT_FALSE(frame->Action(ID_VIEW_RECORDBAR)->isChecked());
  Trigger(ID_VIEW_TOOLBAR);
  EXPECT_TRUE(frame->ToolBar()->isHidden());
  Trigger(ID_VIEW_TOOLBAR);
  EXPECT_FALSE(frame->ToolBar()->isHidden());

  frame->RecordBar()->RulerXBox()->click();
  EXPECT_TRUE(g_rulerXOn);
  EXPECT_FALSE(g_rulerYOn);
  frame->RecordBar()->RulerYBox()->click();
  frame->RecordBar()->RulerXBox()->click();
  EXPECT_FALSE(g_rulerXOn);
  EXPECT_TRUE(g_rulerYOn);
}

TEST_F(FrameTest, CaptureAndClearReachTheView) {
  Start();
  std::vector<uint8_t> block(4096, 0x11);
  input->Deliver(block);
  Trigger(ID_CAPTURE_SAMPLE);
  EXPECT_EQ(frame->View()->Engine().sampleBuf16[100], 0x1111);
  Trigger(ID_CLEAR_SAMPLE);
  EXPECT_EQ(frame->View()->Engine().sampleBuf16[100], 0);
  // Ctrl+C and Ctrl+Insert capture as well.
  frame->activateWindow();
  QTest::keyClick(frame->View(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(frame->View()->Engine().sampleBuf16[100], 0x1111);
  Trigger(ID_CLEAR_SAMPLE);
  QTest::keyClick(frame->View(), Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(frame->View()->Engine().sampleBuf16[100], 0x1111);
}

TEST_F(FrameTest, MenusToolbarAndTextsAreAsDesigned) {
  Start();
  QStringList titles;
  for (QAction* a : frame->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, QStringList({"文件(&F)", "编辑(&E)", "设置", "查看(&V)", "视窗", "帮助(&H)"}));
  QStringList file;
  for (QAction* a : frame->menuBar()->actions()[0]->menu()->actions()) file << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(file, QStringList({"打开(&O)...\tCtrl+O", "保存样本数据(&S)\tCtrl+S", "-", "打印(&P)...\tCtrl+P",
                               "打印预览(&V)", "打印设置(&R)...", "-", "退出(&X)"}));

  // Eleven buttons with images, in order, and two separators.
  QList<QAction*> buttons;
  int separators = 0;
  for (QAction* a : frame->ToolBar()->actions()) {
    if (a->isSeparator())
      ++separators;
    else
      buttons << a;
  }
  ASSERT_EQ(buttons.size(), 11);
  EXPECT_EQ(separators, 2);
  EXPECT_EQ(buttons[0], frame->Action(ID_START_SAMPLING));
  EXPECT_EQ(buttons[7], frame->Action(ID_FILE_PRINT_PREVIEW));
  EXPECT_EQ(buttons[10], frame->Action(ID_APP_ABOUT));

  EXPECT_EQ(frame->Action(ID_HIDE_CONTROL_PANEL)->statusTip(), QStringLiteral("隐藏控制面板"));
  EXPECT_EQ(frame->Action(ID_HIDE_CONTROL_PANEL)->toolTip(), QStringLiteral("隐藏"));
  EXPECT_EQ(frame->Action(ID_SETTINGS)->toolTip(), QStringLiteral("设置"));
  EXPECT_EQ(frame->Action(ID_VIEW_TOOLBAR)->toolTip(), QStringLiteral("显隐工具栏"));

  for (int id : {ID_SETTINGS, ID_PLUGIN_SETTINGS}) EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;

  // Menus show no images, so checked items show their check marks; the
  // About button's tooltip is its text without mnemonic and dots; splitters
  // resize when the drag ends.
  for (QAction* menu : frame->menuBar()->actions()) {
    for (QAction* a : menu->menu()->actions()) {
      if (!a->isSeparator()) {
        EXPECT_FALSE(a->isIconVisibleInMenu()) << a->text().toStdString();
      }
    }
  }
  EXPECT_EQ(frame->Action(ID_APP_ABOUT)->toolTip(), QStringLiteral("关于 Orvanta"));
  EXPECT_FALSE(frame->MainSplitter()->opaqueResize());
  EXPECT_FALSE(frame->RightSplitter()->opaqueResize());
}
