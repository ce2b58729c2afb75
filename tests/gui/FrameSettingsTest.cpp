// The settings command of the main window: the sheet is worked while it runs
// modally, then closed with OK or Cancel.

#include "support/TestApplication.h"
#include "app/Globals.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/CMyPropertyPage1.h"
#include "gui/CMyPropertyPage2.h"
#include "gui/CMyPropertyPage3.h"
#include "gui/CMyPropertyPage4.h"
#include "gui/CMyPropertySheet.h"
#include "gui/COndrixApp.h"
#include "gui/CommandIds.h"
#include "gui/PanelIds.h"
#include "gui/TrackBar.h"
#include "display/COndrixView.h"
#include "support/FakeAudioInput.h"
#include "RunningProgram.h"
#include "support/RecordingPrompts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Work = std::function<void(CMyPropertySheet&)>;

QByteArray Bytes(const SettingsRecord& record) { return QByteArray(reinterpret_cast<const char*>(&record), 88); }

void Pick(QComboBox* list, int index) {
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
}

// 8-bit mono at 8000 samples per second.
void PickSmallestFormat(CMyPropertySheet& sheet) {
  for (int id : {1003, 1004, 1005}) Pick(sheet.Page1()->List(id), 0);
}

void Ok(CMyPropertySheet& sheet) { sheet.OkButton()->click(); }
void Cancel(CMyPropertySheet& sheet) { sheet.CancelButton()->click(); }
void Nothing(CMyPropertySheet&) {}

class FrameSettings : public RunningProgram {
 protected:
  FrameSettings() { Start(); }

  int RateSlider() const { return frame->ControlPanel()->Slider(IDC_SAMPLE_RATE)->value(); }

  // Runs command 32775: `work` acts on the open sheet, then `close` ends it.
  void RunSheet(const Work& work, const Work& close) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      auto* sheet = qobject_cast<CMyPropertySheet*>(QApplication::activeModalWidget());
      if (!sheet) return;  // reported below; nothing is left open
      ran = true;
      EXPECT_EQ(sheet->windowTitle(), QStringLiteral("设置"));
      work(*sheet);
      close(*sheet);
    });
    frame->Action(ID_SETTINGS)->trigger();
    EXPECT_TRUE(ran) << "the sheet did not run modally";
  }
  QByteArray SavedFile() {
    QFile file(dir.filePath("setting.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
  }

};

TEST_F(FrameSettings, CancelPutsBackEveryByteAfterTheDisplayFollowedTheChanges) {
  g_settings.pad0 = 0xBEEF;
  const QByteArray before = Bytes(g_settings);
  prompts->colors = {0x00010203};
  auto work = [](CMyPropertySheet& sheet) {
    PickSmallestFormat(sheet);
    sheet.Page2()->Button(1010)->click();
    Pick(sheet.Page3()->List(1006), Millivolt);
    QTest::keyClicks(sheet.Page4()->Edit(), "5");
    // Live: the picture already draws with all of it.
    EXPECT_EQ(g_settings.ch1Color, 0x00010203u);
    EXPECT_EQ(g_settings.sampleRate, 8000);
    EXPECT_EQ(g_settings.coordSystem, Millivolt);
    EXPECT_EQ(g_settings.calibrationOffset, 5);
  };
  RunSheet(work, Cancel);
  EXPECT_EQ(Bytes(g_settings), before);
  prompts->colors = {0x00010203};
  RunSheet(work, [](CMyPropertySheet& sheet) { sheet.close(); });  // closing is Cancel too
  EXPECT_EQ(Bytes(g_settings), before);
  EXPECT_EQ(SavedFile(), QByteArray("(none)"));
  EXPECT_EQ(input->openCount, 1) << "only the start-up opened the input";
}

TEST_F(FrameSettings, OkReopensTheInputInTheNewFormatAndSavesTheEditedRecord) {
  RunSheet(PickSmallestFormat, Ok);
  EXPECT_EQ(input->closeCount, 1);
  EXPECT_EQ(input->openCount, 2);
  EXPECT_EQ(input->openedFormat, MakePcmFormat(1, 8000, 8));
  EXPECT_EQ(SavedFile(), Bytes(g_settings));
  EXPECT_EQ(g_settings.bitsPerSample, 8);
  EXPECT_EQ(RateSlider(), 8000) << "the panel shows the new rate";
  EXPECT_TRUE(prompts->messages.isEmpty());

  // A rate from the panel's slider is in no list and survives OK untouched.
  g_settings.sampleRate = 2000;
  RunSheet(Nothing, Ok);
  EXPECT_EQ(input->openedFormat, MakePcmFormat(1, 2000, 8));
  EXPECT_EQ(SavedFile(), Bytes(g_settings));
  EXPECT_EQ(RateSlider(), 2000);
}

TEST_F(FrameSettings, OkWhileSamplingIsStoppedRunsTheInputButTheToolbarStillSaysStopped) {
  frame->Action(ID_STOP_SAMPLING)->trigger();
  ASSERT_FALSE(input->running);
  RunSheet(Nothing, Ok);
  EXPECT_TRUE(input->running);
  EXPECT_FALSE(frame->SamplingOn());
  EXPECT_TRUE(frame->Action(ID_STOP_SAMPLING)->isChecked());
}

TEST_F(FrameSettings, OkLeavesTheInputAloneWhileAPluginSamplesOrARecordingRuns) {
  const int slider = RateSlider();
  g_pluginEnabled = 1;
  RunSheet(PickSmallestFormat, Ok);
  EXPECT_EQ(g_settings.sampleRate, 8000);
  EXPECT_EQ(SavedFile(), Bytes(g_settings));
  EXPECT_EQ(RateSlider(), slider) << "the plug-in, not the slider, sets the rate";
  g_pluginEnabled = 0;
  // A recording's format cannot change under it: page 1 is locked.
  g_recordState = Recording;
  RunSheet([](CMyPropertySheet& sheet) { EXPECT_FALSE(sheet.Page1()->List(1004)->isEnabled()); }, Ok);
  EXPECT_EQ(input->openCount, 1);
  EXPECT_EQ(input->closeCount, 0);
}

TEST_F(FrameSettings, OkInTheFunctionSignalModeMakesTheSignalAgain) {
  // Whatever the generator makes replaces what the recording held.
  RecordingBuffer& recording = frame->View()->Engine().recBuf16;
  const uint8_t marker[3] = {1, 2, 3};
  recording.Clear();
  ASSERT_TRUE(recording.Append(marker, 3));
  RunSheet(Nothing, Ok);
  EXPECT_EQ(recording.Size(), 3u) << "no signal is made outside the function-signal mode";
  g_displayMode = FunctionSignal;
  RunSheet(Nothing, Cancel);
  EXPECT_EQ(recording.Size(), 3u) << "Cancel makes no signal";
  RunSheet(Nothing, Ok);
  uint8_t held[3] = {};
  if (recording.Size() == 3) recording.CopyOut(0, held, 3);
  EXPECT_NE(QByteArray(reinterpret_cast<const char*>(held), 3), QByteArray("\1\2\3"));
}

TEST_F(FrameSettings, ASettingsFileThatCannotBeWrittenIsReportedAndTheEditsStay) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("setting.ini"));  // nothing can replace a folder
  RunSheet([](CMyPropertySheet& sheet) { Pick(sheet.Page3()->List(1006), Millivolt); }, Ok);
  ASSERT_EQ(prompts->messages.size(), 1);
  EXPECT_TRUE(prompts->messages[0].contains(QStringLiteral("setting.ini"))) << prompts->messages[0].toStdString();
  EXPECT_EQ(g_settings.coordSystem, Millivolt);
  EXPECT_TRUE(QFileInfo(dir.filePath("setting.ini")).isDir());
}

}  // namespace
