#include "analysis/SignalAnalysis.h"
#include "support/EngineFixture.h"

#include <QLocale>

#include <cmath>

using SamplingEngineInput = EngineTest;
using FrameConversion = EngineTest;

TEST_F(SamplingEngineInput, OpensTheDeviceInTheConfiguredFormat) {
  UseFormat(1, 8, 8000);
  engine.OpenWaveIn();
  EXPECT_TRUE(input.open);
  EXPECT_EQ(input.openedFormat, MakePcmFormat(1, 8000, 8));
  EXPECT_EQ(input.openedFormat.blockAlign, 1);
  EXPECT_EQ(engine.waveFormat.avgBytesPerSec, 8000u);
  EXPECT_TRUE(prompts.messages.isEmpty());

  // Reopening after a format change starts the device again.
  UseFormat(2, 16, 48000);
  engine.CloseWaveIn();
  engine.OpenWaveIn();
  EXPECT_TRUE(input.running);
  EXPECT_EQ(input.openedFormat.avgBytesPerSec, 192000u);
}

TEST_F(SamplingEngineInput, DeviceFailuresAreReportedWithTheirTexts) {
  input.acceptOpen = false;
  engine.OpenWaveIn();
  input.acceptClose = false;
  engine.CloseWaveIn();
  EXPECT_EQ(prompts.messages, QStringList({"Init fail!", "Error No.1"}));

  SamplingEngine noDevice;
  noDevice.OpenWaveIn();
  EXPECT_EQ(prompts.messages.last(), "Init fail!");
}

TEST_F(SamplingEngineInput, InitFailSaysWhatIsMissingWhenTheInputCanTell) {
  input.acceptOpen = false;
  input.openProblem = QStringLiteral("没有声音服务器。请启动声音服务器。");
  engine.OpenWaveIn();
  EXPECT_EQ(prompts.messages, QStringList({"Init fail!\n\n没有声音服务器。请启动声音服务器。"}));
}

TEST_F(SamplingEngineInput, CalibrationShiftsLive16BitDataButNotTheRecording) {
  UseFormat(2, 16);
  g_settings.calibrationOffset = 100;
  engine.Record(true);
  const auto block = Block16([](int i) { return i == 0 ? -32768 : i == 1 ? 50 : 1000; });
  input.Deliver(block);

  EXPECT_EQ(engine.liveBuf16[0], 32668);  // wraps around
  EXPECT_EQ(engine.liveBuf16[1], -50);
  EXPECT_EQ(engine.liveBuf16[2], 900);
  ASSERT_EQ(engine.RecBytes(), 4096u);
  std::vector<uint8_t> recorded(4096);
  engine.recBuf16.CopyOut(0, recorded.data(), recorded.size());
  EXPECT_EQ(recorded, block);
}

TEST_F(SamplingEngineInput, EightBitInputIsNeverShifted) {
  UseFormat(1, 8);
  g_settings.calibrationOffset = 100;
  input.Deliver(Block8([](int i) { return i & 0xFF; }));
  EXPECT_EQ(engine.liveBuf8[5], 5);
  EXPECT_EQ(engine.liveBuf8[255], 255);
}

TEST_F(SamplingEngineInput, InputIsIgnoredWhileAPluginSamples) {
  UseFormat(2, 16);
  engine.Record(true);
  g_pluginEnabled = 1;
  input.Deliver(Block16([](int) { return 1234; }));
  EXPECT_EQ(engine.liveBuf16[0], 0);
  EXPECT_EQ(engine.RecBytes(), 0u);
}

TEST_F(SamplingEngineInput, OnlyRecordingStateAppends) {
  UseFormat(2, 16);
  input.Deliver(Block16([](int) { return 1; }));
  EXPECT_EQ(engine.RecBytes(), 0u);
  engine.Record(true);
  input.Deliver(Block16([](int) { return 1; }));
  input.Deliver(Block16([](int) { return 2; }));
  EXPECT_EQ(engine.RecBytes(), 8192u);
}

TEST_F(SamplingEngineInput, RecordingThatRunsOutOfRoomStopsAndKeepsItsData) {
  UseFormat(2, 16);
  engine.recBuf16 = RecordingBuffer(10000);
  engine.Record(true);
  for (int i = 0; i < 4; ++i) input.Deliver(Block16([i](int) { return i; }));
  EXPECT_EQ(engine.RecBytes(), 8192u);
  ASSERT_EQ(prompts.messages.size(), 1);  // told once, not on every block
  // The cap is named: memory did not run out.
  EXPECT_TRUE(prompts.messages[0].contains(QLocale().formattedDataSize(10000))) << prompts.messages[0].toStdString();
  EXPECT_FALSE(prompts.messages[0].contains(QStringLiteral("内存不足")));
  EXPECT_EQ(g_recordState, Recording);    // Stop still offers to save it
  const TransportResult stop = engine.Stop();
  EXPECT_TRUE(stop.askForFile);
}

TEST_F(FrameConversion, Mono16ShowsTheFirst1024SamplesAndKeepsCh2) {
  UseFormat(1, 16);
  engine.ch2Trace.fill(77);
  input.Deliver(Block16([](int i) { return i - 1000; }));
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[0], -1000);
  EXPECT_EQ(engine.ch1Trace[1023], 23);
  EXPECT_EQ(engine.ch2Trace[0], 77);
  EXPECT_EQ(engine.ch2Trace[1023], 77);
}

TEST_F(FrameConversion, Mono8ShowsTheFirst1024SamplesCentredOnZero) {
  UseFormat(1, 8);
  input.Deliver(Block8([](int i) { return i < 1024 ? (i & 0xFF) : 7; }));
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[0], -128);
  EXPECT_EQ(engine.ch1Trace[128], 0);
  EXPECT_EQ(engine.ch1Trace[255], 127);
  EXPECT_EQ(engine.ch1Trace[1023], 127);
}

TEST_F(FrameConversion, StereoSplitsInterleavedElements) {
  UseFormat(2, 16);
  input.Deliver(Block16([](int i) { return i % 2 ? -i : i; }));
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[0], 0);
  EXPECT_EQ(engine.ch2Trace[0], -1);
  EXPECT_EQ(engine.ch1Trace[1023], 2046);
  EXPECT_EQ(engine.ch2Trace[1023], -2047);

  UseFormat(2, 8);
  input.Deliver(Block8([](int i) { return i % 2 ? 0 : 255; }));
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[10], 127);
  EXPECT_EQ(engine.ch2Trace[10], -128);
}

TEST_F(FrameConversion, FrozenSampleIsShownWhenLiveIsOff) {
  UseFormat(1, 16);
  input.Deliver(Block16([](int) { return 10; }));
  engine.CaptureSample();
  input.Deliver(Block16([](int) { return 20; }));
  g_showRealTime = false;
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[500], 10);
  engine.ClearSample();
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[500], 0);
  g_showRealTime = true;
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[500], 20);
}

TEST_F(FrameConversion, CaptureAndClearTouchOnlyTheCurrentWidth) {
  UseFormat(1, 8);
  input.Deliver(Block8([](int) { return 200; }));
  engine.CaptureSample();
  EXPECT_EQ(engine.sampleBuf8[4095], 200);
  UseFormat(1, 16);
  engine.ClearSample();
  EXPECT_EQ(engine.sampleBuf8[4095], 200);
}

TEST_F(FrameConversion, FrequencyDomainReplacesTracesBySpectraAndStoresPeaks) {
  UseFormat(2, 16, 44100);
  g_displayMode = FrequencyDomain;
  g_settings.gainDivisor = 1;
  // CH1 at bin 10, CH2 at bin 40 of the 1024-point frame.
  input.Deliver(Block16([](int i) {
    const int n = i / 2;
    const double k = i % 2 ? 40 : 10;
    return std::lround(10000 * std::sin(2 * M_PI * k * n / 1024));
  }));
  engine.ConvertFrame();
  EXPECT_EQ(g_settings.ch1Frequency, 431);   // 44100 * 10 / 1024 = 430.66
  EXPECT_EQ(g_settings.ch2Frequency, 1723);  // 44100 * 40 / 1024 = 1722.66
  EXPECT_EQ(engine.ch1Trace[0], 0);          // no DC bin
  EXPECT_GT(engine.ch1Trace[10], 1000000);

  // In mono the CH2 frequency is left alone.
  UseFormat(1, 16, 44100);
  g_settings.ch2Frequency = -1;
  engine.ConvertFrame();
  EXPECT_EQ(g_settings.ch2Frequency, -1);
}

TEST_F(FrameConversion, PluginFillsTheLiveBufferOnEveryTickOutsideFunctionSignal) {
  UseFormat(1, 16);
  static int calls;
  calls = 0;
  g_pluginEnabled = 1;
  g_pluginWrite16 = [](short* buffer, int count) {
    ++calls;
    for (int i = 0; i < count; ++i) buffer[i] = 321;
    return count;
  };
  engine.ConvertFrame();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(engine.ch1Trace[1000], 321);
  g_displayMode = FunctionSignal;
  engine.ConvertFrame();
  EXPECT_EQ(calls, 1);
}
