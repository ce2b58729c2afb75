// MixerControl on the real ALSA mixer of a private PulseAudio server: ALSA's
// "default" card is then the server (through the pulse plug-in), with the
// elements "Master" (the default sink's volume) and "Capture" (the default
// source's). What the controls write must arrive at the server, as pactl
// sees it, and read back the same.

#include "LoopbackServer.h"
#include "Pactl.h"
#include "generator/MixerControl.h"
#include "support/RecordingPrompts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

LoopbackServer* g_server = nullptr;
std::string g_serverError;

class AlsaMixerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!g_server) FAIL() << g_serverError;
  }
  RecordingPrompts prompts;
};

TEST_F(AlsaMixerTest, MasterVolumeIsTheSinkVolume) {
  MixerControl master;
  master.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceNone, kMixerControlVolume);
  ASSERT_TRUE(master.HasControl());
  EXPECT_EQ(master.ControlName(), "Master");
  EXPECT_EQ(master.ChannelCount(), 2u);
  EXPECT_EQ(master.GetMinimum(), 0);
  EXPECT_EQ(master.GetMaximum(), 65536);

  EXPECT_TRUE(master.SetValues(30000, 20000));
  EXPECT_EQ(ServerVolume("sink"), std::make_pair(30000L, 20000L));
  int32_t left = 0, right = 0;
  EXPECT_EQ(master.GetValues(left, right), 1);
  EXPECT_EQ(left, 30000);
  EXPECT_EQ(right, 20000);
  EXPECT_TRUE(prompts.messages.isEmpty());

  // Values beyond the range set the nearest bound.
  EXPECT_TRUE(master.SetValues(-5, 70000));
  EXPECT_EQ(ServerVolume("sink"), std::make_pair(0L, 65536L));
}

TEST_F(AlsaMixerTest, LineAndMicrophoneVolumesAreTheSourceVolume) {
  MixerControl lineIn, mic;
  lineIn.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceLine, kMixerControlVolume);
  mic.Open(nullptr, kMixerDestinationSpeakers, kMixerSourceMicrophone, kMixerControlVolume);
  EXPECT_TRUE(prompts.messages.isEmpty());
  ASSERT_TRUE(lineIn.HasControl());
  ASSERT_TRUE(mic.HasControl());
  EXPECT_EQ(mic.ControlName(), "Capture");
  EXPECT_EQ(mic.GetMaximum(), 65536);

  EXPECT_TRUE(lineIn.SetValues(40000, 41000));
  EXPECT_EQ(ServerVolume("source"), std::make_pair(40000L, 41000L));
  EXPECT_TRUE(mic.SetValues(12000, 25000));
  EXPECT_EQ(ServerVolume("source"), std::make_pair(12000L, 25000L));
  // Both read what another program set since.
  Pactl("set-source-volume @DEFAULT_SOURCE@ 9000 33000");
  for (MixerControl* control : {&lineIn, &mic}) {
    int32_t left = 0, right = 0;
    EXPECT_EQ(control->GetValues(left, right), 1);
    EXPECT_EQ(left, 9000);
    EXPECT_EQ(right, 33000);
  }
}

class LoopbackEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (server_.Start(g_serverError)) g_server = &server_;
  }
  void TearDown() override {
    g_server = nullptr;
    server_.Stop();
  }

 private:
  LoopbackServer server_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (CTest's discovery) needs no server.
  if (!::testing::GTEST_FLAG(list_tests)) ::testing::AddGlobalTestEnvironment(new LoopbackEnvironment);
  return RUN_ALL_TESTS();
}
