// The settings command of the main window, driven as a user would: the sheet
// is worked while it runs modally, then closed with OK or Cancel.

#include "support/TestApplication.h"
#include "app/Globals.h"
#include "gui/CMainFrame.h"
#include "gui/CMyPropertyPage1.h"
#include "gui/CMyPropertyPage2.h"
#include "gui/CMyPropertyPage3.h"
#include "gui/CMyPropertyPage4.h"
#include "gui/CMyPropertySheet.h"
#include "gui/COndrixApp.h"
#include "gui/CommandIds.h"
#include "display/COndrixView.h"
#include "support/FakeAudioInput.h"
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

#include <cstring>
#include <functional>

static void InitArtworkForSettings() { Q_INIT_RESOURCE(artwork); }

namespace {

QByteArray Bytes(const SettingsRecord& record) {
  return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

class FrameSettings : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    EnsureApplication();
    InitArtworkForSettings();
  }

  FrameSettings() {
    ResetGlobals();
    previousDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    auto fake = std::make_unique<FakeAudioInput>();
    input = fake.get();
    app = std::make_unique<COndrixApp>(std::move(fake));
    EXPECT_TRUE(app->InitInstance());
    frame = app->Frame();
    prompts = std::make_unique<RecordingPrompts>();  // after start-up: replaces the message boxes
    QCoreApplication::processEvents();
  }
  ~FrameSettings() override {
    prompts.reset();
    app.reset();
    QDir::setCurrent(previousDir);
    ResetGlobals();
  }

  // Runs command 32775; `work` acts on the open sheet, then `close` clicks
  // OK or Cancel (or closes the window).
  void RunSheet(const std::function<void(CMyPropertySheet&)>& work, const std::function<void(CMyPropertySheet&)>& close) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      auto* sheet = qobject_cast<CMyPropertySheet*>(QApplication::activeModalWidget());
      if (!sheet) return;  // the test fails below; nothing is left open
      ran = true;
      EXPECT_EQ(sheet->windowTitle(), QStringLiteral("设置"));
      work(*sheet);
      close(*sheet);
    });
    frame->Action(ID_SETTINGS)->trigger();
    EXPECT_TRUE(ran) << "the sheet did not run modally";
  }
  static void Ok(CMyPropertySheet& sheet) { sheet.OkButton()->click(); }
  static void Cancel(CMyPropertySheet& sheet) { sheet.CancelButton()->click(); }
  static void Pick(QComboBox* list, int index) {
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
  }
  // 8-bit mono at 8000 samples per second, picked on page 1.
  static void PickSmallestFormat(CMyPropertySheet& sheet) {
    Pick(sheet.Page1()->List(1003), 0);
    Pick(sheet.Page1()->List(1004), 0);
    Pick(sheet.Page1()->List(1005), 0);
  }
  QByteArray SavedFile() {
    QFile file(dir.filePath("setting.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir;
  QString previousDir;
  std::unique_ptr<COndrixApp> app;
  CMainFrame* frame = nullptr;
  FakeAudioInput* input = nullptr;
  std::unique_ptr<RecordingPrompts> prompts;
};

TEST_F(FrameSettings, CancelPutsBackEveryByteAfterTheDisplayFollowedTheChanges) {
  g_settings.pad0 = 0xBEEF;  // even bytes no page edits come back as they were
  const QByteArray before = Bytes(g_settings);
  prompts->colors = {0x00010203};
  RunSheet(
      [&](CMyPropertySheet& sheet) {
        PickSmallestFormat(sheet);
        sheet.Page2()->Button(1010)->click();
        Pick(sheet.Page3()->List(1006), Millivolt);
        Pick(sheet.Page3()->List(1003), Microseconds);
        QTest::keyClicks(sheet.Page3()->Edit(1007), "7");
        QTest::keyClicks(sheet.Page4()->Edit(), "5");
        // Live: the picture already uses all of it.
        EXPECT_EQ(g_settings.ch1Color, 0x00010203u);
        EXPECT_EQ(g_settings.sampleRate, 8000);
        EXPECT_EQ(g_settings.coordSystem, Millivolt);
        EXPECT_EQ(g_settings.logicRef, 17);
        EXPECT_EQ(g_settings.calibrationOffset, 5);
      },
      Cancel);
  EXPECT_EQ(Bytes(g_settings), before);
  EXPECT_FALSE(QFile::exists(dir.filePath("setting.ini")));
  EXPECT_EQ(input->openCount, 1) << "only the start-up opened the input";

  // Closing the window counts as Cancel.
  RunSheet([](CMyPropertySheet& sheet) { Pick(sheet.Page1()->List(1004), 0); },
           [](CMyPropertySheet& sheet) { sheet.close(); });
  EXPECT_EQ(Bytes(g_settings), before);
}

TEST_F(FrameSettings, OkReopensTheInputInTheNewFormatAndSavesTheEditedRecord) {
  RunSheet(
      [&](CMyPropertySheet& sheet) {
        PickSmallestFormat(sheet);
        QTest::keyClicks(sheet.Page4()->Edit(), "0");  // "0" -> "00"
      },
      Ok);
  EXPECT_EQ(input->closeCount, 1);
  EXPECT_EQ(input->openCount, 2);
  EXPECT_EQ(input->openedFormat, MakePcmFormat(1, 8000, 8));
  EXPECT_TRUE(input->running);
  EXPECT_EQ(SavedFile(), Bytes(g_settings));
  EXPECT_EQ(g_settings.bitsPerSample, 8);
  EXPECT_TRUE(prompts->messages.isEmpty());
}

TEST_F(FrameSettings, ARateFromThePanelSurvivesOkWhenThePageLeavesItAlone) {
  g_settings.sampleRate = 2000;
  RunSheet([](CMyPropertySheet& sheet) { EXPECT_EQ(sheet.Page1()->List(1004)->currentIndex(), -1); }, Ok);
  EXPECT_EQ(g_settings.sampleRate, 2000);
  EXPECT_EQ(input->openedFormat.samplesPerSec, 2000u);
  ASSERT_EQ(SavedFile().size(), 88);
  int32_t saved = 0;
  std::memcpy(&saved, SavedFile().constData() + 4, 4);
  EXPECT_EQ(saved, 2000);
}

TEST_F(FrameSettings, OkWhileSamplingIsStoppedRunsTheInputButTheToolbarStillSaysStopped) {
  frame->Action(ID_STOP_SAMPLING)->trigger();
  ASSERT_FALSE(input->running);
  RunSheet([](CMyPropertySheet&) {}, Ok);
  EXPECT_TRUE(input->running);
  EXPECT_FALSE(frame->SamplingOn());
  EXPECT_TRUE(frame->Action(ID_STOP_SAMPLING)->isChecked());
  EXPECT_FALSE(frame->Action(ID_START_SAMPLING)->isChecked());
}

TEST_F(FrameSettings, OkWithAPluginInUseSavesButLeavesTheSoundCardAlone) {
  g_pluginEnabled = 1;
  RunSheet([](CMyPropertySheet& sheet) { Pick(sheet.Page1()->List(1004), 0); }, Ok);
  EXPECT_EQ(input->openCount, 1);
  EXPECT_EQ(input->closeCount, 0);
  EXPECT_EQ(SavedFile(), Bytes(g_settings));
  EXPECT_EQ(g_settings.sampleRate, 8000);
}

TEST_F(FrameSettings, OkWhileRecordingKeepsTheRecordingsFormatAndInput) {
  g_recordState = Recording;
  RunSheet(
      [](CMyPropertySheet& sheet) {
        EXPECT_FALSE(sheet.Page1()->List(1004)->isEnabled());
        Pick(sheet.Page3()->List(1006), Decibel);
      },
      Ok);
  EXPECT_EQ(input->openCount, 1);
  EXPECT_EQ(input->closeCount, 0);
  EXPECT_EQ(g_settings.sampleRate, 44100);
  EXPECT_EQ(g_settings.coordSystem, Decibel);
  EXPECT_EQ(SavedFile(), Bytes(g_settings));
}

TEST_F(FrameSettings, OkInTheFunctionSignalModeMakesTheSignalAgain) {
  // The generated signal replaces whatever the recording held.
  RecordingBuffer& recording = frame->View()->Engine().recBuf16;
  const uint8_t marker[3] = {1, 2, 3};
  auto holdsMarker = [&] {
    uint8_t got[3] = {};
    if (recording.Size() != 3) return false;
    recording.CopyOut(0, got, 3);
    return std::memcmp(got, marker, 3) == 0;
  };
  recording.Clear();
  ASSERT_TRUE(recording.Append(marker, 3));
  RunSheet([](CMyPropertySheet&) {}, Ok);
  EXPECT_TRUE(holdsMarker()) << "no signal is made outside the function-signal mode";

  g_displayMode = FunctionSignal;
  RunSheet([](CMyPropertySheet&) {}, Cancel);
  EXPECT_TRUE(holdsMarker()) << "Cancel makes no signal";
  RunSheet([](CMyPropertySheet&) {}, Ok);
  EXPECT_FALSE(holdsMarker());
}

TEST_F(FrameSettings, ASettingsFileThatCannotBeWrittenIsReportedAndTheEditsStay) {
  // A folder where the file should be: nothing can replace it.
  ASSERT_TRUE(QDir(dir.path()).mkdir("setting.ini"));
  RunSheet([](CMyPropertySheet& sheet) { Pick(sheet.Page3()->List(1006), Millivolt); }, Ok);
  ASSERT_EQ(prompts->messages.size(), 1);
  EXPECT_TRUE(prompts->messages[0].contains(QStringLiteral("setting.ini"))) << prompts->messages[0].toStdString();
  EXPECT_EQ(g_settings.coordSystem, Millivolt);
  EXPECT_TRUE(QFileInfo(dir.filePath("setting.ini")).isDir());
}

}  // namespace
