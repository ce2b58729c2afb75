// The recorder of the running program on a real sound server.

#include "LoopbackMain.h"
#include "app/Globals.h"
#include "display/COndrixView.h"
#include "files/WavFile.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/CRecordBar.h"
#include "gui/CommandIds.h"
#include "support/RecordingPrompts.h"

#include <QAbstractButton>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

void RunEventLoop(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

class RecorderAudio : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!g_server) FAIL() << g_serverError;
    ResetGlobals();
    g_appDir = dir.path();
  }
  void TearDown() override { ResetGlobals(); }

  QTemporaryDir dir;
};

TEST_F(RecorderAudio, StopEndsTheRecordingWhileTheSaveDialogIsStillOpen) {
  COndrixApp app;  // the sound card's input
  ASSERT_TRUE(app.InitInstance());
  RecordingPrompts prompts;
  CMainFrame* frame = app.Frame();
  frame->RecordBar()->Button(IDC_RECORD)->click();
  RunEventLoop(800);

  // The user takes 1.5 s to choose the file while the input keeps running.
  prompts.paths << dir.filePath("rec.wav");
  prompts.whileSaveDialogOpen = [] { RunEventLoop(1500); };
  const std::size_t atStop = frame->View()->Engine().RecBytes();
  frame->RecordBar()->Button(IDC_STOP)->click();

  ASSERT_GT(atStop, 44100u);  // about 0.8 s of 16-bit stereo came in
  const WavProbe probe = ProbeWavFile(dir.filePath("rec.wav"));
  ASSERT_TRUE(probe.ok) << probe.reason.toStdString();
  EXPECT_EQ(probe.layout.dataBytes, atStop);
  EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();
}

}  // namespace
