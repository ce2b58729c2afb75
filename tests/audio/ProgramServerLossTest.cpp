// The whole program when its sound server goes away under it and comes back:
// the generator plays into the loopback server, the instrument measures it,
// then the server is stopped for 4 s and started again at the same place.

#include "EventLoop.h"
#include "LoopbackMain.h"
#include "ProgramFolderTest.h"
#include "app/Globals.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "support/RecordingPrompts.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace {

bool Measures1000Hz() { return std::abs(g_settings.ch1Frequency - 1000) <= 10 && g_settings.ch1Rms > 5000; }

class ProgramServerLoss : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    std::printf("sound server: %s\n", LoopbackServer::Kind());
  }
};

TEST_F(ProgramServerLoss, ThePictureStopsShowingTheLastSoundAndTheInstrumentRunsAgainWhenTheServerIsBack) {
  GeneratorParams sine = DefaultGeneratorParams();
  sine.functionMode = 1;
  sine.leftWave = sine.rightWave = Sine;
  sine.leftFreq = sine.rightFreq = 1000;
  ASSERT_TRUE(SaveGeneratorParams(dir.filePath("wavedata.ini"), sine, nullptr));
  COndrixApp app;  // the sound card's input and output
  ASSERT_TRUE(app.InitInstance());
  RecordingPrompts prompts;
  CMainFrame* frame = app.Frame();
  QAbstractButton* start = frame->ControlPanel()->Button(1047);
  frame->OutbarAction(2);
  QTest::mouseClick(start, Qt::LeftButton);
  ASSERT_EQ(start->text(), QStringLiteral("停止"));
  frame->OutbarAction(0);
  frame->OnStartSampling();
  ASSERT_TRUE(RunUntil(Measures1000Hz, 3000)) << g_settings.ch1Frequency << " Hz, RMS " << g_settings.ch1Rms;
  const qsizetype statusesBefore = prompts.statuses.size();

  g_server->Kill();
  RunEventLoop(1500);
  // Said at once on the status line, and the picture no longer reads 1000 Hz.
  ASSERT_GT(prompts.statuses.size(), statusesBefore) << "nothing on the status line";
  const QString lost = prompts.statuses.last();
  std::printf("  lost: %s\n", qUtf8Printable(lost));
  EXPECT_TRUE(lost.contains(QStringLiteral("声音输入和信号输出中断"))) << lost.toStdString();
  EXPECT_EQ(g_settings.ch1Frequency, 0);
  EXPECT_LT(g_settings.ch1Rms, 1);
  EXPECT_EQ(start->text(), QStringLiteral("开始")) << "the generator's button shows that nothing plays";
  RunEventLoop(2500);

  std::string error;
  ASSERT_TRUE(g_server->Resume(error)) << error;
  // Nothing for the user to do: the generator plays again and is measured.
  EXPECT_TRUE(RunUntil(Measures1000Hz, 5000)) << g_settings.ch1Frequency << " Hz, RMS " << g_settings.ch1Rms;
  EXPECT_EQ(start->text(), QStringLiteral("停止"));
  std::printf("  back: %s\n", qUtf8Printable(prompts.statuses.last()));
  EXPECT_EQ(prompts.statuses.last(), QStringLiteral("声音输入和信号输出已恢复"));
  EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();
}

}  // namespace
