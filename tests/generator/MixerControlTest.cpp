// MixerControl against a scripted mixer: which element stands for each line,
// what is reported, channel handling, a machine without a mixer, and the
// slider mapping the control panel uses.

#include "generator/MixerControl.h"
#include "generator/MixerSlider.h"
#include "support/FakeMixerBackend.h"
#include "support/RecordingPrompts.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

const QString kNoSource = QStringLiteral("GetLinInfo Resource faile!");

// The three controls of the control panel, opened in its order.
struct PanelControls {
  MixerControl master, lineIn, mic;
  void Open() {
    master.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceNone, kMixerControlVolume);
    lineIn.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceLine, kMixerControlVolume);
    mic.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceMicrophone, kMixerControlVolume);
  }
};

TEST(MixerControlTest, PicksTheElementOfEachLineAndReportsOnlyMissingSources) {
  struct Case {
    const char* card;
    std::vector<std::string> elements;
    std::string master, lineIn, mic;  // "" = no control
    int messages;
  };
  const Case cases[] = {
      {"full card", {"Master", "PCM", "Line", "Mic", "Capture"}, "Master", "Line", "Mic", 0},
      {"PulseAudio plug-in", {"Master", "Capture"}, "Master", "Capture", "Capture", 0},
      {"PCM as destination", {"PCM", "Line", "Mic"}, "PCM", "Line", "Mic", 0},
      {"no line-in", {"Master", "Mic"}, "Master", "", "Mic", 1},
      {"no sources at all", {"Master"}, "Master", "", "", 2},
      {"no speakers destination", {"Line", "Mic", "Capture"}, "", "", "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.card);
    FakeMixerBackend fake;
    for (const std::string& name : c.elements) fake.Add(name);
    RecordingPrompts prompts;
    PanelControls panel;
    panel.Open();
    EXPECT_EQ(panel.master.ControlName(), c.master);
    EXPECT_EQ(panel.lineIn.ControlName(), c.lineIn);
    EXPECT_EQ(panel.mic.ControlName(), c.mic);
    EXPECT_EQ(prompts.messages, QStringList(c.messages, kNoSource));
    // Every object holds its device, found control or not.
    EXPECT_EQ(fake.openDevices, 3);
  }
}

TEST(MixerControlTest, FullScaleControlPutsTheThumbAtTheTop) {
  FakeMixerBackend fake;
  fake.Add("Master", 2, 65535).maximum = 65535;
  MixerControl master;
  master.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceNone, kMixerControlVolume);
  int32_t left = 0, right = 0;
  ASSERT_EQ(master.GetValues(left, right), 1);
  const MixerSliderRange range = MixerSliderRangeFor(master.GetMinimum(), master.GetMaximum());
  EXPECT_EQ(range.minimum, -65535);
  EXPECT_EQ(range.maximum, 0);
  EXPECT_EQ(MixerSliderPosition(left), range.minimum);  // a vertical slider's minimum is its top
  // Dragging to the bottom silences both channels.
  const int32_t level = MixerLevelFromSlider(range.maximum);
  EXPECT_TRUE(master.SetValues(level, level));
  EXPECT_EQ(fake.elements["Master"].values, (std::vector<int32_t>{0, 0}));
  // A bound without a negation saturates instead of overflowing.
  EXPECT_EQ(MixerSliderRangeFor(std::numeric_limits<int32_t>::min(), 0).maximum, std::numeric_limits<int32_t>::max());
}

TEST(MixerControlTest, WithoutLineInTheSharedSliderActsOnTheMicrophoneOnly) {
  FakeMixerBackend fake;
  fake.Add("Master");
  fake.Add("Mic", 2, 40000).maximum = 50000;
  RecordingPrompts prompts;
  PanelControls panel;
  panel.Open();
  EXPECT_EQ(prompts.messages, QStringList{kNoSource});

  // The slider takes the microphone's range and level.
  int32_t left = 0, right = 0;
  EXPECT_EQ(panel.lineIn.GetValues(left, right), -1);
  EXPECT_EQ(MixerSliderRangeFor(panel.lineIn.GetMinimum(), panel.lineIn.GetMaximum()).minimum, 0);
  ASSERT_EQ(panel.mic.GetValues(left, right), 1);
  EXPECT_EQ(MixerSliderPosition(left), -40000);
  EXPECT_EQ(MixerSliderRangeFor(panel.mic.GetMinimum(), panel.mic.GetMaximum()).minimum, -50000);

  const int32_t level = MixerLevelFromSlider(-12345);
  EXPECT_FALSE(panel.lineIn.SetValues(level, level));
  EXPECT_TRUE(panel.mic.SetValues(level, level));
  EXPECT_EQ(fake.elements["Mic"].values, (std::vector<int32_t>{12345, 12345}));
  EXPECT_EQ(prompts.messages.size(), 1);
}

TEST(MixerControlTest, LeftIsChannelZeroAndRightEveryOtherChannel) {
  struct Case {
    std::vector<int32_t> current;
    int32_t readRight;
    std::vector<int32_t> afterWrite;  // of SetValues(100, 200)
  };
  const Case cases[] = {
      {{7}, -1, {100}},
      {{7, 8}, 8, {100, 200}},
      {{7, 8, 9, 10, 11, 12}, 8, {100, 200, 200, 200, 200, 200}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.current.size());
    FakeMixerBackend fake;
    fake.Add("Master").values = c.current;
    MixerControl master;
    master.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceNone, kMixerControlVolume);
    EXPECT_EQ(master.ChannelCount(), c.current.size());
    int32_t left = 0, right = 0;
    EXPECT_EQ(master.GetValues(left, right), 1);
    EXPECT_EQ(left, 7);
    EXPECT_EQ(right, c.readRight);
    EXPECT_TRUE(master.SetValues(100, 200));
    EXPECT_EQ(fake.elements["Master"].values, c.afterWrite);
  }
}

TEST(MixerControlTest, WithoutAUsableControlReadsFailAndWritesDoNothing) {
  struct Case {
    const char* what;
    bool mixerPresent, hasVolume, failReads;
    uint32_t controlType;
    int32_t leftAfterRead;  // the outputs start at 7: untouched without a mixer, else -1
  };
  const Case cases[] = {
      {"no mixer device", false, true, false, kMixerControlVolume, 7},
      {"element without a volume", true, false, false, kMixerControlVolume, -1},
      {"another control type", true, true, false, kMixerControlVolume + 1, -1},
      {"the read fails", true, true, true, kMixerControlVolume, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeMixerBackend fake;
    fake.present = c.mixerPresent;
    FakeMixerBackend::Element& element = fake.Add("Master", 2, 500);
    element.hasVolume = c.hasVolume;
    element.failReads = c.failReads;
    RecordingPrompts prompts;
    MixerControl master;
    master.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceNone, c.controlType);
    int32_t left = 7, right = 7;
    EXPECT_EQ(master.GetValues(left, right), -1);
    EXPECT_EQ(left, c.leftAfterRead);
    EXPECT_EQ(right, c.leftAfterRead);
    if (!c.failReads) {
      EXPECT_EQ(master.GetMaximum(), 0);  // a slider of 0 .. 0
      EXPECT_FALSE(master.SetValues(1, 1));
      EXPECT_EQ(element.writes, 0);
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
  }
}

TEST(MixerControlTest, DeviceIsClosedByCloseReopenAndDestruction) {
  FakeMixerBackend fake;
  fake.Add("Master", 2, 300);
  {
    MixerControl master;
    master.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceNone, kMixerControlVolume);
    master.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceNone, kMixerControlVolume);
    EXPECT_EQ(fake.openDevices, 1);
    master.Close();
    EXPECT_EQ(fake.openDevices, 0);
    EXPECT_FALSE(master.HasControl());
    master.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceNone, kMixerControlVolume);
  }
  EXPECT_EQ(fake.openDevices, 0);
}

}  // namespace
