// The view's sound card streams as the user sees them: a lost input no longer
// shows its last sound, a lost output is told to the control panel, the
// status line says what was lost and what came back, and the devices chosen
// in audiodevices.ini are used unless they are gone at start-up.

#include "support/TestApplication.h"
#include "app/AudioDeviceChoice.h"
#include "app/Globals.h"
#include "display/COndrixView.h"
#include "support/FakeAudioDevices.h"
#include "support/ViewOnFakes.h"
#include "support/RecordingPrompts.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

class ViewAudioTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }

  ViewAudioTest() {
    ResetGlobals();
    g_appDir = dir.path();
    view = MakeViewOnFakes(&input, &output);
    view->SetAudioDevices(&devices);
  }
  ~ViewAudioTest() override {
    view.reset();
    ResetGlobals();
  }

  void WriteChoice(const AudioDeviceChoice& choice) {
    ASSERT_TRUE(WriteAudioDeviceChoice(dir.filePath(kAudioDeviceFile), choice, nullptr));
  }

  QTemporaryDir dir;
  RecordingPrompts prompts;
  FakeAudioDevices devices;
  FakeAudioInput* input = nullptr;
  FakeAudioOutput* output = nullptr;
  std::unique_ptr<COndrixView> view;
};

TEST_F(ViewAudioTest, ALostInputStopsShowingItsLastSoundAndTheStatusLineTellsLossAndReturn) {
  view->OnInitialUpdate();
  std::vector<uint8_t> block(4096);
  for (int i = 0; i < 2048; ++i) {
    const int16_t v = static_cast<int16_t>(i % 2 ? -16384 : 16384);
    std::memcpy(&block[2 * i], &v, 2);
  }
  g_recordState = Recording;
  input->Deliver(block);
  view->CaptureSample();
  view->OnTimer();
  ASSERT_EQ(view->Engine().ch1Trace[10], 16384);
  ASSERT_EQ(view->Engine().RecBytes(), 4096u);

  input->Report(false, QStringLiteral("声音服务器断开了"));
  EXPECT_TRUE(view->InputLost());
  ASSERT_FALSE(prompts.statuses.isEmpty());
  EXPECT_EQ(prompts.statuses.last(), QStringLiteral("声音输入中断：声音服务器断开了。每秒重试一次。"));
  view->OnTimer();
  const auto& trace = view->Engine().ch1Trace;
  EXPECT_TRUE(std::all_of(trace.begin(), trace.end(), [](int32_t v) { return v == 0; }))
      << "the last block is not shown as live";
  EXPECT_EQ(view->Engine().sampleBuf16[0], 16384) << "the frozen sample keeps what it holds";
  EXPECT_EQ(view->Engine().RecBytes(), 4096u) << "the recording keeps what it had";

  input->Report(true);
  EXPECT_FALSE(view->InputLost());
  EXPECT_EQ(prompts.statuses.last(), QStringLiteral("声音输入已恢复"));
  input->Deliver(block);
  EXPECT_EQ(view->Engine().RecBytes(), 8192u) << "and goes on with the sound after the gap";
  EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ViewAudioTest, AnInputThatStartsAfterAFailedOpenIsToldAsBack) {
  view->OnInitialUpdate();
  input->Report(true);  // the open failed ("Init fail!"), then the server came
  EXPECT_EQ(prompts.statuses.last(), QStringLiteral("声音输入已恢复"));
}

TEST_F(ViewAudioTest, ALostOutputIsToldToThePanelAndOneReasonServesBothStreams) {
  view->OnInitialUpdate();
  int told = 0;
  view->onSignalOutputChanged = [&] { ++told; };
  ASSERT_TRUE(view->StartSignalOutput());

  output->Report(false, QStringLiteral("gone"));
  EXPECT_EQ(told, 1);
  EXPECT_FALSE(view->SignalOutputRunning());
  EXPECT_EQ(prompts.statuses.last(), QStringLiteral("信号输出中断：gone。每秒重试一次。"));
  input->Report(false, QStringLiteral("gone"));
  EXPECT_EQ(prompts.statuses.last(), QStringLiteral("声音输入和信号输出中断：gone。每秒重试一次。"));
  input->Report(false, QStringLiteral("unplugged"));
  EXPECT_EQ(prompts.statuses.last(), QStringLiteral("声音输入中断：unplugged；信号输出中断：gone。每秒重试一次。"));

  input->Report(true);
  EXPECT_EQ(prompts.statuses.last(), QStringLiteral("信号输出中断：gone。每秒重试一次。")) << "still lost";
  output->Report(true);
  EXPECT_EQ(told, 2);
  EXPECT_TRUE(view->SignalOutputRunning());
  EXPECT_EQ(prompts.statuses.last(), QStringLiteral("声音输入和信号输出已恢复"));
  output->Report(false, QStringLiteral("gone"));
  output->Report(true);
  EXPECT_EQ(prompts.statuses.last(), QStringLiteral("信号输出已恢复"));
}

struct StartUpCase {
  const char* what;
  AudioDeviceChoice stored;
  bool listsKnown;
  QByteArray usedInput, usedOutput;
  QStringList notesContain;
};

TEST_F(ViewAudioTest, StartUpUsesTheChosenDevicesAndTheDefaultForOneThatIsGone) {
  devices.inputs = {{"usb_in", "USB Bench In"}, {"pci_in", "Built-in"}};
  devices.outputs = {{"pci_out", "Built-in"}};
  const StartUpCase cases[] = {
      {"no file", {}, true, "", "", {}},
      {"both there", {"usb_in", "pci_out"}, true, "usb_in", "pci_out", {}},
      {"output gone", {"usb_in", "usb_out"}, true, "usb_in", "", {"usb_out"}},
      {"both gone", {"old_in", "usb_out"}, true, "", "", {"old_in", "usb_out"}},
      // No server yet: nothing can be checked; the input says so when it opens.
      {"lists unknown", {"old_in", "usb_out"}, false, "old_in", "usb_out", {}},
  };
  for (const StartUpCase& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(dir.filePath(kAudioDeviceFile));
    if (c.stored != AudioDeviceChoice{}) WriteChoice(c.stored);
    devices.known = c.listsKnown;
    prompts.statuses.clear();
    input->device = output->device = "unset";
    view->OnInitialUpdate();
    EXPECT_EQ(input->device, c.usedInput);
    EXPECT_EQ(output->device, c.usedOutput);
    EXPECT_EQ(view->StoredDeviceChoice(), c.stored) << "the file's choice is kept for later";
    const QString notes = prompts.statuses.join('\n');
    for (const QString& id : c.notesContain) {
      EXPECT_TRUE(notes.contains(id)) << notes.toStdString();
    }
    if (c.notesContain.isEmpty()) {
      EXPECT_TRUE(notes.isEmpty()) << notes.toStdString();
    }
  }
}

TEST_F(ViewAudioTest, ChosenDevicesAreUsedAtOnce) {
  view->OnInitialUpdate();
  view->UseAudioDevices({"usb_in", "usb_out"});
  EXPECT_EQ(input->device, "usb_in");
  EXPECT_EQ(output->device, "usb_out");
  EXPECT_EQ(view->StoredDeviceChoice(), (AudioDeviceChoice{"usb_in", "usb_out"}));
  // A replaced output gets the devices in use too.
  auto other = std::make_unique<FakeAudioOutput>();
  FakeAudioOutput* raw = other.get();
  view->SetAudioOutput(std::move(other));
  EXPECT_EQ(raw->device, "usb_out");
}

}  // namespace
