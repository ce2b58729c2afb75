// The control panel on a real sound server: its volume sliders set the
// server's volumes, and the generator started with its controls is heard by
// the running instrument until it is stopped.

#include "EventLoop.h"
#include "LoopbackMain.h"
#include "ProgramFolderTest.h"
#include "Pactl.h"
#include "analysis/Distortion.h"
#include "app/Globals.h"
#include "files/WavFile.h"
#include "gui/CBarTool.h"
#include "gui/CMainFrame.h"
#include "gui/COndrixApp.h"
#include "gui/DistortionFigures.h"
#include "gui/DistortionSource.h"
#include "gui/DistortionTable.h"
#include "gui/DistortionWindow.h"
#include "display/COndrixView.h"
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
#include <cmath>
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

// One channel of a 16-bit stereo WAV file, repeated to `frames` frames the
// way the generator loops it.
std::vector<double> LoopedChannel(const QString& path, int channel, std::size_t frames) {
  const WavProbe probe = ProbeWavFile(path);
  EXPECT_TRUE(probe.ok) << probe.reason.toStdString();
  std::vector<int16_t> all;
  QString reason;
  EXPECT_TRUE(ReadWavData(
      path, probe.layout,
      [&](const uint8_t* data, std::size_t count) {
        const auto* values = reinterpret_cast<const int16_t*>(data);
        all.insert(all.end(), values, values + count / 2);
        return true;
      },
      &reason))
      << reason.toStdString();
  std::vector<double> out;
  const std::size_t loop = all.size() / 2;
  for (std::size_t k = 0; loop > 0 && out.size() < frames; ++k) out.push_back(all[2 * (k % loop) + channel]);
  return out;
}

TEST_F(PanelAudioTest, TheDistortionOfTheGeneratorsFullPeakSinesHeardIsThatOfSignalWav) {
  Pactl("set-sink-volume @DEFAULT_SINK@ 65536");
  Pactl("set-source-volume @DEFAULT_SOURCE@ 65536");
  // Full-peak sines: the synthesis truncates each sample to an integer,
  // which puts harmonics far below the fundamental.
  GeneratorParams sines = DefaultGeneratorParams();
  sines.leftWave = sines.rightWave = Sine;
  sines.leftFreq = 1000;
  sines.rightFreq = 3000;
  sines.leftPeak = sines.rightPeak = 32767;
  ASSERT_TRUE(SaveGeneratorParams(dir.filePath("wavedata.ini"), sines, nullptr));
  COndrixApp app;
  ASSERT_TRUE(app.InitInstance());
  RecordingPrompts prompts;
  CMainFrame* frame = app.Frame();
  frame->OutbarAction(2);
  QTest::mouseClick(frame->ControlPanel()->Button(1047), Qt::LeftButton);
  frame->OutbarAction(0);
  frame->OnStartSampling();
  ASSERT_TRUE(frame->SamplingOn());
  frame->OnDistortionAnalyzer();
  DistortionWindow* window = frame->Distortion();
  ASSERT_NE(window, nullptr);
  // The ring must hold 65536 frames of the signal alone: the loopback
  // server may drop out briefly just after a stream starts, so wait for a
  // stretch of 1.8 s in which every display tick hears both sines.
  const std::size_t frames = 65536;
  bool steady = false;
  for (int attempt = 0; attempt < 4 && !steady; ++attempt) {
    int quiet = 0;
    QTimer readouts;
    QObject::connect(&readouts, &QTimer::timeout, [&] { quiet += g_settings.ch1Rms < 20000 || g_settings.ch2Rms < 20000; });
    readouts.start(20);
    RunEventLoop(1800);
    steady = quiet == 0;
  }
  ASSERT_TRUE(steady) << "the loopback never carried the signal for 1.8 s";
  const SamplingEngine& engine = frame->View()->Engine();
  DistortionBlock heard;
  ASSERT_TRUE(TakeDistortionBlock(engine, frames, heard));
  ASSERT_EQ(heard.channels, 2);
  ASSERT_EQ(heard.Frames(), frames);
  double sinads[2] = {};
  for (int channel : {0, 1}) {
    const DistortionResult played =
        AnalyseDistortion(LoopedChannel(dir.filePath("signal.wav"), channel, frames), 44100, 32768);
    const DistortionResult measured = AnalyseDistortion(heard.samples[channel], heard.sampleRate, heard.fullScale);
    ASSERT_TRUE(played.ok) << played.reason;
    ASSERT_TRUE(measured.ok) << measured.reason;
    std::printf("  channel %d: %.4f / %.4f Hz, %.3f / %.3f dBFS, THD %.2f / %.2f dB, THD+N %.2f / %.2f dB\n",
                channel + 1, played.fundamentalHz, measured.fundamentalHz, played.fundamentalDbfs,
                measured.fundamentalDbfs, played.thdDb, measured.thdDb, played.thdnDb, measured.thdnDb);
    // The truncation's distortion is there to be measured, far below an
    // audible one.
    EXPECT_GT(played.thdDb, -120) << channel;
    EXPECT_LT(played.thdDb, -90) << channel;
    EXPECT_NEAR(measured.fundamentalHz, played.fundamentalHz, 1e-5 * played.fundamentalHz) << channel;
    EXPECT_NEAR(measured.fundamentalDbfs, played.fundamentalDbfs, 0.05) << channel;
    EXPECT_NEAR(measured.thdDb, played.thdDb, 0.5) << channel;
    EXPECT_NEAR(measured.thdnDb, played.thdnDb, 0.5) << channel;
    for (std::size_t h = 0; h < played.harmonics.size(); ++h) {
      if (played.harmonics[h].levelDbc > -120) {
        EXPECT_NEAR(measured.harmonics.at(h).levelDbc, played.harmonics[h].levelDbc, 1)
            << "channel " << channel << " order " << played.harmonics[h].order;
      }
    }
    sinads[channel] = played.sinadDb;
  }
  // The window shows the same source's figures.
  window->Refresh();
  for (int channel : {0, 1}) {
    ASSERT_TRUE(window->Table()->ChannelShown(channel));
    const QString sinad = window->Table()->Text(kSinadRow, channel);
    EXPECT_NEAR(sinad.section(' ', 0, 0).toDouble(), sinads[channel], 0.5) << sinad.toStdString();
  }
  EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();
}

}  // namespace
