#include "support/EngineFixture.h"

using Replay = EngineTest;
using RecordStates = EngineTest;

namespace {

// Fills the 16-bit recording with `elements` samples where element i holds i.
void RecordRamp16(SamplingEngine& engine, int elements) {
  std::vector<uint8_t> bytes(2 * static_cast<std::size_t>(elements));
  for (int i = 0; i < elements; ++i) {
    const int16_t v = static_cast<int16_t>(i);
    std::memcpy(&bytes[2 * static_cast<std::size_t>(i)], &v, 2);
  }
  engine.recBuf16.Clear();
  ASSERT_TRUE(engine.recBuf16.Append(bytes.data(), bytes.size()));
}

}  // namespace

TEST_F(Replay, PlayingWalksTheRecording20ElementsPerTick) {
  UseFormat(2, 16);
  RecordRamp16(engine, 3000);
  std::vector<int32_t> sliderMoves;
  engine.onPlaybackAdvanced = [&](int32_t pos) { sliderMoves.push_back(pos); };
  ASSERT_FALSE(engine.Playback().noData);
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[0], 0);
  EXPECT_EQ(engine.ch2Trace[0], 1);
  EXPECT_EQ(engine.ch1Trace[1023], 2046);
  EXPECT_EQ(g_playbackPos, 20);
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[0], 20);
  EXPECT_EQ(sliderMoves, (std::vector<int32_t>{20, 40}));
}

TEST_F(Replay, OddPositionSwapsTheChannels) {
  UseFormat(2, 16);
  RecordRamp16(engine, 3000);
  engine.Playback();
  engine.Pause();
  engine.SetPlaybackPos(5);
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[0], 5);  // a right-channel element
  EXPECT_EQ(engine.ch2Trace[0], 6);  // a left-channel element
  EXPECT_EQ(g_playbackPos, 5);       // paused: no advance
}

TEST_F(Replay, StopsAdvancingOnTheLastWholeFrameAndStaysPlaying) {
  UseFormat(2, 16);
  RecordRamp16(engine, 2048 + 30);
  engine.Playback();
  engine.ConvertFrame();  // frame at 0 fits
  engine.ConvertFrame();  // frame at 20 fits (last element 2067 < 2078)
  EXPECT_EQ(g_playbackPos, 40);
  engine.ch1Trace[0] = -5;
  engine.ConvertFrame();  // frame at 40 would end at 2087: not available
  EXPECT_EQ(g_playbackPos, 40);
  EXPECT_EQ(engine.ch1Trace[0], -5);  // nothing changed
  EXPECT_EQ(g_recordState, Playing);
}

TEST_F(Replay, MonoNeedsOnly1024Elements) {
  UseFormat(1, 16);
  RecordRamp16(engine, 1024);
  engine.Playback();
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[1023], 1023);
  EXPECT_EQ(g_playbackPos, 20);
  engine.ConvertFrame();
  EXPECT_EQ(g_playbackPos, 20);
}

TEST_F(Replay, EightBitRecordingCountsBytesAsElements) {
  UseFormat(1, 8);
  std::vector<uint8_t> bytes(1100, 128);
  bytes[1050] = 255;
  ASSERT_TRUE(engine.recBuf8.Append(bytes.data(), bytes.size()));
  engine.Playback();
  engine.Pause();
  engine.SetPlaybackPos(40);
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[1010], 127);
  EXPECT_EQ(engine.ch1Trace[0], 0);
}

TEST_F(Replay, FunctionSignalShowsTheStartOfTheSignalWithoutAdvancing) {
  UseFormat(2, 16);
  RecordRamp16(engine, 100);  // shorter than a frame
  engine.ch2Trace.fill(9);
  g_displayMode = FunctionSignal;
  g_recordState = Playing;
  g_playbackPos = 0;
  engine.ConvertFrame();
  EXPECT_EQ(engine.ch1Trace[1], 2);
  EXPECT_EQ(engine.ch2Trace[49], 99);
  EXPECT_EQ(engine.ch1Trace[50], 0);  // past the signal's end
  EXPECT_EQ(engine.ch2Trace[1023], 0);
  EXPECT_EQ(g_playbackPos, 0);
}

TEST_F(RecordStates, RecordFromIdleStartsAfreshOtherwiseExtends) {
  UseFormat(2, 16);
  RecordRamp16(engine, 4096);
  engine.Record(true);
  EXPECT_EQ(g_recordState, Recording);
  EXPECT_EQ(engine.RecBytes(), 0u);

  RecordRamp16(engine, 4096);
  g_recordState = Paused;  // as after opening a file
  engine.Record(true);
  input.Deliver(Block16([](int) { return 5; }));
  EXPECT_EQ(engine.RecBytes(), 8192u + 4096u);
  int16_t last;
  engine.recBuf16.CopyOut(engine.RecBytes() - 2, reinterpret_cast<uint8_t*>(&last), 2);
  EXPECT_EQ(last, 5);
}

TEST_F(RecordStates, ExtendingARecordingRunsTheInputInTheRecordingsFormat) {
  // A recording made in 16-bit stereo at 48000 Hz, paused; then the panel or
  // the settings changed the format in force, or did not.
  const struct {
    int channels, bits, rate;
  } changes[] = {{2, 16, 48000}, {2, 16, 22050}, {1, 16, 48000}, {2, 8, 48000}};
  for (const auto& c : changes) {
    SCOPED_TRACE(testing::Message() << c.channels << " channels, " << c.bits << " bits, " << c.rate << " Hz");
    ResetGlobals();
    input = FakeAudioInput();
    engine.SetAudioInput(&input);
    engine.recBuf16.Clear();
    UseFormat(2, 16, 48000);
    engine.Record(false);
    input.Deliver(Block16([](int) { return 1; }));
    engine.Stop();
    g_recordState = Paused;
    UseFormat(c.channels, c.bits, c.rate);
    engine.Record(true);
    EXPECT_EQ(input.openedFormat, MakePcmFormat(2, 48000, 16));
    EXPECT_EQ(g_settings.sampleRate, 48000);
    input.Deliver(Block16([](int) { return 2; }));
    EXPECT_EQ(engine.recBuf16.Size(), 8192u);
  }
}

TEST_F(RecordStates, PlaybackNeedsDataAndStopsSampling) {
  UseFormat(2, 16);
  g_recordState = Paused;
  const TransportResult empty = engine.Playback();
  EXPECT_TRUE(empty.noData);
  EXPECT_EQ(g_recordState, Paused);
  EXPECT_EQ(input.stopCount, 0);

  RecordRamp16(engine, 4096);
  const TransportResult r = engine.Playback();
  EXPECT_FALSE(r.noData);
  EXPECT_TRUE(r.samplingStopped);
  EXPECT_EQ(input.stopCount, 1);
  EXPECT_EQ(g_recordState, Playing);
}

TEST_F(RecordStates, PauseOnlyActsWhilePlaying) {
  g_recordState = Recording;
  engine.Pause();
  EXPECT_EQ(g_recordState, Recording);
  g_recordState = Playing;
  engine.Pause();
  EXPECT_EQ(g_recordState, Paused);
}

TEST_F(RecordStates, StopWhileRecordingAsksForAFileAndSetsTheSliderRange) {
  UseFormat(2, 16);
  engine.Record(true);
  for (int i = 0; i < 3; ++i) input.Deliver(Block16([](int) { return 0; }));
  TransportResult r = engine.Stop();
  EXPECT_TRUE(r.askForFile);
  EXPECT_TRUE(r.setSliderRange);
  EXPECT_EQ(r.sliderMax, 4096);
  EXPECT_TRUE(r.setSliderPos);
  EXPECT_EQ(r.sliderPos, 0);
  // Stop ended the recording whatever the dialog does; cancelled, the
  // recording waits and Stop asks again.
  EXPECT_EQ(g_recordState, Idle);
  input.Deliver(Block16([](int) { return 0; }));
  EXPECT_EQ(engine.RecBytes(), 3u * 4096u);
  EXPECT_TRUE(engine.HasUserRecording());
  EXPECT_TRUE(engine.Stop().askForFile);

  UseFormat(2, 8);
  engine.Record(true);  // Idle: a new 8-bit recording
  for (int i = 0; i < 3; ++i) input.Deliver(Block8([](int) { return 0; }));
  r = engine.Stop();
  EXPECT_EQ(r.sliderMax, 10240);
}

TEST_F(RecordStates, ShortRecordingGivesASliderThatCannotMove) {
  UseFormat(2, 16);
  engine.Record(true);
  input.Deliver(std::vector<uint8_t>(100, 0));
  EXPECT_EQ(engine.Stop().sliderMax, 0);
}

TEST_F(RecordStates, StopWhilePlayingRewindsAndPauses) {
  UseFormat(2, 16);
  RecordRamp16(engine, 5000);
  engine.Playback();
  engine.ConvertFrame();
  const TransportResult r = engine.Stop();
  EXPECT_EQ(g_recordState, Paused);
  EXPECT_EQ(g_playbackPos, 0);
  EXPECT_TRUE(r.setSliderPos);
  EXPECT_FALSE(r.askForFile);
  engine.Stop();
  EXPECT_EQ(g_recordState, Idle);
}

TEST_F(RecordStates, StartAndStopSamplingFollowTheirRules) {
  TransportResult r = engine.StartSampling(true);  // already on
  EXPECT_FALSE(r.samplingStarted);
  g_recordState = Paused;
  r = engine.StartSampling(false);
  EXPECT_TRUE(r.samplingStarted);
  EXPECT_EQ(g_recordState, Idle);
  EXPECT_EQ(input.startCount, 1);

  g_recordState = Playing;
  EXPECT_FALSE(engine.StartSampling(false).samplingStarted);
  g_recordState = Idle;
  g_displayMode = FunctionSignal;
  EXPECT_FALSE(engine.StartSampling(false).samplingStarted);
  g_displayMode = TimeDomain;
  EXPECT_TRUE(engine.StartSampling(false).samplingStarted);

  EXPECT_FALSE(engine.StopSampling(false).samplingStopped);
  EXPECT_TRUE(engine.StopSampling(true).samplingStopped);
  EXPECT_EQ(input.stopCount, 1);
}

TEST_F(RecordStates, StartReopensAnInputLeftInAnotherFormat) {
  // The input was opened 8-bit mono at 8000 Hz; then the settings changed
  // under it (as the generator changes them) or did not.
  struct Case {
    int channels, bits, rate;
    bool plugin;
    bool reopened;
  };
  const Case cases[] = {
      {1, 8, 8000, false, false},   // unchanged: resumed
      {1, 16, 8000, false, true},   // width
      {1, 8, 44100, false, true},   // rate
      {2, 8, 8000, false, true},    // channels
      {1, 16, 44100, true, false},  // a plug-in is the source: the card is left alone
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.channels << " channels, " << c.bits << " bits, " << c.rate << " Hz");
    input = FakeAudioInput();
    engine.SetAudioInput(&input);
    UseFormat(1, 8, 8000);
    engine.OpenWaveIn();
    engine.StopSampling(true);
    UseFormat(c.channels, c.bits, c.rate);
    g_pluginEnabled = c.plugin;
    EXPECT_TRUE(engine.StartSampling(false).samplingStarted);
    EXPECT_TRUE(input.running);
    EXPECT_EQ(input.openCount, c.reopened ? 2 : 1);
    const WaveFormat expected = c.reopened ? MakePcmFormat(c.channels, c.rate, c.bits) : MakePcmFormat(1, 8000, 8);
    EXPECT_EQ(input.openedFormat, expected);
    EXPECT_EQ(engine.waveFormat, expected);
    g_pluginEnabled = false;
  }
}

TEST_F(RecordStates, RecordingOfTheOtherWidthIsNotPlayed) {
  // A 16-bit recording is not the 8-bit one: switching width leaves nothing to play.
  UseFormat(2, 16);
  RecordRamp16(engine, 4096);
  UseFormat(2, 8);
  EXPECT_TRUE(engine.Playback().noData);
}
