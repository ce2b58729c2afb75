// The control panel on a real sound server: its volume sliders set the
// server's volumes, and the generator started with its controls is heard by
// the running instrument until it is stopped.

#include "EventLoop.h"
#include "LoopbackMain.h"
#include "ProgramFolderTest.h"
#include "Pactl.h"
#include "app/Globals.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/TrackBar.h"
#include "support/RecordingPrompts.h"

#include <QAbstractButton>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using PanelAudioTest = ProgramFolderTest;

TEST_F(PanelAudioTest, VolumeSlidersSetTheServersVolumesAndReadBackAsTheirPositions) {
  Pactl("set-sink-volume @DEFAULT_SINK@ 30000");
  Pactl("set-source-volume @DEFAULT_SOURCE@ 50000");
  RecordingPrompts prompts;
  {
    CBarTool panel;
    panel.OnInitialUpdate();
    TrackBar* vol = panel.Slider(1013);
    TrackBar* lineMic = panel.Slider(1012);
    EXPECT_EQ(vol->minimum(), -65536);
    EXPECT_EQ(vol->maximum(), 0);
    EXPECT_EQ(vol->value(), -30000);
    EXPECT_EQ(lineMic->value(), -50000);
    // A page is a fifth of the range, 13107; up is louder.
    QTest::keyClick(vol, Qt::Key_PageUp);
    EXPECT_EQ(ServerVolume("sink"), std::make_pair(43107L, 43107L));
    QTest::keyClick(lineMic, Qt::Key_PageDown);
    EXPECT_EQ(ServerVolume("source"), std::make_pair(36893L, 36893L));
  }
  CBarTool again;
  again.OnInitialUpdate();
  EXPECT_EQ(again.Slider(1013)->value(), -43107);
  EXPECT_EQ(again.Slider(1012)->value(), -36893);
  EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PanelAudioTest, TheGeneratorStartedOnThePanelIsMeasuredAndFallsSilentWhenStopped) {
  Pactl("set-sink-volume @DEFAULT_SINK@ 65536");
  Pactl("set-source-volume @DEFAULT_SOURCE@ 65536");
  // Sines of 1000 and 500 Hz at half scale.
  GeneratorParams sines = DefaultGeneratorParams();
  sines.rightWave = Sine;
  sines.rightFreq = 500;
  ASSERT_TRUE(SaveGeneratorParams(dir.filePath("wavedata.ini"), sines, nullptr));
  COndrixApp app;  // the sound card's input and output
  ASSERT_TRUE(app.InitInstance());
  RecordingPrompts prompts;  // after start-up: replaces the message boxes
  CMainFrame* frame = app.Frame();
  QAbstractButton* start = frame->ControlPanel()->Button(1047);
  // The readouts of the running instrument, every 20 ms.
  std::vector<std::pair<int32_t, int32_t>> hertz;
  float loudest = 0;
  QTimer readouts;
  QObject::connect(&readouts, &QTimer::timeout, [&] {
    hertz.emplace_back(g_settings.ch1Frequency, g_settings.ch2Frequency);
    loudest = std::max({loudest, g_settings.ch1Rms, g_settings.ch2Rms});
  });

  // "函数信号", then the panel's start button.
  frame->OutbarAction(2);
  QTest::mouseClick(start, Qt::LeftButton);
  ASSERT_EQ(start->text(), QStringLiteral("停止"));
  // "时域" and sampling on: the input is shown and measured.
  frame->OutbarAction(0);
  frame->OnStartSampling();
  ASSERT_TRUE(frame->SamplingOn());
  readouts.start(20);
  RunEventLoop(1500);
  readouts.stop();
  ASSERT_GT(hertz.size(), 40u);
  for (std::size_t i = 15; i < hertz.size(); ++i) {
    ASSERT_NEAR(hertz[i].first, 1000, 10) << "reading " << i;
    ASSERT_NEAR(hertz[i].second, 500, 5) << "reading " << i;
  }
  EXPECT_GT(loudest, 0.5 * 16384 / 1.4142);
  std::printf("  measured %d Hz and %d Hz, RMS up to %.0f\n", hertz.back().first, hertz.back().second, loudest);

  // Stopped in the generator's display, the input falls silent.
  frame->OutbarAction(2);
  QTest::mouseClick(start, Qt::LeftButton);
  EXPECT_EQ(start->text(), QStringLiteral("开始"));
  frame->OutbarAction(0);
  frame->OnStartSampling();
  RunEventLoop(600);
  loudest = 0;
  readouts.start(20);
  RunEventLoop(300);
  EXPECT_LT(loudest, 50);
  EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();
}

}  // namespace
