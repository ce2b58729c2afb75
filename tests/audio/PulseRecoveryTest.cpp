// The sound server's own backends against a real private server that the
// tests stop, restart, and plug devices into and out of: PulseAudio, or
// PipeWire with its PulseAudio server (ONDRIX_SOUND_SERVER=pipewire). Each
// test is its own process with its own server.

#include "EventLoop.h"
#include "LoopbackMain.h"
#include "Pactl.h"
#include "acquisition/PulseAudioInput.h"
#include "acquisition/PulseServer.h"
#include "files/WaveFormat.h"
#include "generator/PulseAudioOutput.h"
#include "generator/SignalGenerator.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// What an input delivered and what its health handler said.
struct Watch {
  int blocks = 0;
  double lastRms = 0;  // of the left channel of the last block (16-bit stereo)
  std::vector<std::pair<bool, QString>> health;

  template <typename Backend>
  void Attach(Backend& backend) {
    backend.SetHealthHandler([this](bool live, const QString& reason) { health.emplace_back(live, reason); });
  }
  void AttachBlocks(AudioInput& input) {
    input.SetBlockHandler([this](const uint8_t* data, std::size_t count) {
      ++blocks;
      double sum = 0;
      for (std::size_t at = 0; at + 4 <= count; at += 4) {
        int16_t v;
        std::memcpy(&v, data + at, 2);
        sum += double(v) * v;
      }
      lastRms = std::sqrt(sum / double(count / 4));
    });
  }
};

const WaveFormat kStereo16 = MakePcmFormat(2, 44100, 16);

class PulseRecovery : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!g_server) GTEST_FAIL() << g_serverError;
    std::printf("sound server: %s\n", LoopbackServer::Kind());
  }
};

// The server is stopped for 4 s, longer than Qt Multimedia waits before its
// one attempt to reconnect, and started again at the same place.
TEST_F(PulseRecovery, TheInputAndTheGeneratorRunAgainWhenTheServerIsBack) {
  QString refusal;
  const auto tone = MakeFunctionSignal(Sine, Sine, 1000, 1000, 16384, 16384, 44100, 2, &refusal);
  ASSERT_TRUE(tone) << refusal.toStdString();
  PulseAudioOutput output;
  Watch heard, played;
  played.Attach(output);
  QString reason;
  ASSERT_TRUE(output.Start(tone->format, QByteArray(reinterpret_cast<const char*>(tone->bytes.data()),
                                                     static_cast<qsizetype>(tone->bytes.size())),
                           &reason))
      << reason.toStdString();
  PulseAudioInput input;
  heard.Attach(input);
  heard.AttachBlocks(input);
  ASSERT_TRUE(input.Open(kStereo16)) << input.OpenProblem().toStdString();
  ASSERT_TRUE(RunUntil([&] { return heard.blocks >= 10 && heard.lastRms > 8000; }, 3000))
      << "blocks " << heard.blocks << ", level " << heard.lastRms;

  g_server->Kill();
  ASSERT_TRUE(RunUntil([&] { return !heard.health.empty() && !played.health.empty(); }, 2000));
  EXPECT_FALSE(heard.health[0].first);
  EXPECT_FALSE(played.health[0].first);
  EXPECT_FALSE(heard.health[0].second.isEmpty());
  EXPECT_TRUE(input.IsOpen()) << "a lost input is still meant to run";
  EXPECT_FALSE(input.IsLive());
  EXPECT_FALSE(output.IsPlaying());
  RunEventLoop(4000);
  EXPECT_EQ(heard.health.size(), 1u) << "one report of the loss, not one per attempt";

  std::string error;
  ASSERT_TRUE(g_server->Resume(error)) << error;
  const int blocksBefore = heard.blocks;
  ASSERT_TRUE(RunUntil([&] { return heard.health.size() >= 2 && played.health.size() >= 2; }, 5000))
      << "input reports " << heard.health.size() << ", output reports " << played.health.size();
  EXPECT_TRUE(heard.health[1].first);
  EXPECT_TRUE(played.health[1].first);
  EXPECT_TRUE(output.IsPlaying());
  // The generator is heard again at the input.
  EXPECT_TRUE(RunUntil([&] { return heard.blocks > blocksBefore + 10 && heard.lastRms > 8000; }, 3000))
      << "blocks " << heard.blocks - blocksBefore << ", level " << heard.lastRms;
}

TEST_F(PulseRecovery, AFailedOpenSaysWhatIsMissingAndStartsWhenTheServerComes) {
  g_server->Kill();
  PulseAudioInput input;
  Watch watch;
  watch.Attach(input);
  watch.AttachBlocks(input);
  EXPECT_FALSE(input.Open(kStereo16));
  EXPECT_TRUE(input.OpenProblem().contains("PulseAudio")) << input.OpenProblem().toStdString();
  EXPECT_TRUE(input.IsOpen());

  std::string error;
  ASSERT_TRUE(g_server->Resume(error)) << error;
  ASSERT_TRUE(RunUntil([&] { return watch.blocks >= 3; }, 5000));
  ASSERT_EQ(watch.health.size(), 1u);
  EXPECT_TRUE(watch.health[0].first);
}

// A connection made while a retry is still due (the server came back, and
// the input opened before the next attempt) is not dropped by that attempt.
TEST_F(PulseRecovery, AnInputOpenedBeforeTheNextAttemptIsNotCutOffByIt) {
  g_server->Kill();
  PulseServer& server = PulseServer::Instance();
  EXPECT_FALSE(server.WaitReady(500));  // the next attempt is due in a second
  std::string error;
  ASSERT_TRUE(g_server->Resume(error)) << error;
  PulseAudioInput input;
  Watch watch;
  watch.Attach(input);
  watch.AttachBlocks(input);
  ASSERT_TRUE(input.Open(kStereo16)) << input.OpenProblem().toStdString();
  RunEventLoop(1500);
  EXPECT_TRUE(watch.health.empty()) << "lost: " << (watch.health.empty() ? "" : watch.health[0].second.toStdString());
  EXPECT_GT(watch.blocks, 40);
}

// A module of the server, loaded for the test and unloaded again.
struct Module {
  explicit Module(const std::string& args) : id(Pactl("load-module " + args)) {
    while (!id.empty() && (id.back() == '\n' || id.back() == ' ')) id.pop_back();
  }
  void Unload() {
    if (!id.empty()) Pactl("unload-module " + id);
    id.clear();
  }
  ~Module() { Unload(); }
  std::string id;
};

TEST_F(PulseRecovery, TheDeviceListsFollowDevicesPluggedInAndOut) {
  PulseServer& server = PulseServer::Instance();
  ASSERT_TRUE(server.WaitReady(3000)) << server.Problem().toStdString();
  EXPECT_TRUE(FindAudioDevice(server.Inputs(), "loopin"));
  EXPECT_TRUE(FindAudioDevice(server.Outputs(), "loop"));
  EXPECT_FALSE(FindAudioDevice(server.Inputs(), "loop.monitor")) << "monitors are not inputs";
  int changes = 0;
  QObject::connect(&server, &AudioDevices::Changed, [&] { ++changes; });

  Module sink("module-null-sink sink_name=benchusb sink_properties=device.description=BenchUSB");
  ASSERT_FALSE(sink.id.empty());
  Module source("module-remap-source master=benchusb.monitor source_name=benchusbin");
  ASSERT_TRUE(RunUntil([&] { return FindAudioDevice(server.Inputs(), "benchusbin"); }, 3000));
  const AudioDevice* added = FindAudioDevice(server.Outputs(), "benchusb");
  ASSERT_TRUE(added);
  EXPECT_EQ(added->description, "BenchUSB");
  EXPECT_GE(changes, 1);

  source.Unload();
  sink.Unload();
  EXPECT_TRUE(RunUntil([&] { return !FindAudioDevice(server.Outputs(), "benchusb"); }, 3000));
  EXPECT_FALSE(FindAudioDevice(server.Inputs(), "benchusbin"));
}

TEST_F(PulseRecovery, AChosenInputThatIsUnpluggedIsReportedAndUsedAgainWhenItIsBack) {
  Module sink("module-null-sink sink_name=benchusb");
  auto plugIn = [] { return std::make_unique<Module>("module-remap-source master=benchusb.monitor source_name=benchusbin"); };
  auto source = plugIn();
  PulseServer& server = PulseServer::Instance();
  ASSERT_TRUE(server.WaitReady(3000));
  ASSERT_TRUE(RunUntil([&] { return FindAudioDevice(server.Inputs(), "benchusbin"); }, 3000));

  PulseAudioInput input;
  Watch watch;
  watch.Attach(input);
  watch.AttachBlocks(input);
  input.SetDevice("benchusbin");
  ASSERT_TRUE(input.Open(kStereo16)) << input.OpenProblem().toStdString();
  ASSERT_TRUE(RunUntil([&] { return watch.blocks >= 3; }, 3000));

  source.reset();
  ASSERT_TRUE(RunUntil([&] { return !watch.health.empty(); }, 3000));
  EXPECT_FALSE(watch.health[0].first);
  EXPECT_TRUE(watch.health[0].second.contains("benchusbin")) << watch.health[0].second.toStdString();
  RunEventLoop(1500);
  EXPECT_EQ(watch.health.size(), 1u) << "not moved to another input";

  source = plugIn();
  ASSERT_TRUE(RunUntil([&] { return watch.health.size() >= 2; }, 4000));
  EXPECT_TRUE(watch.health[1].first);
  const int before = watch.blocks;
  EXPECT_TRUE(RunUntil([&] { return watch.blocks >= before + 3; }, 3000));
}

// The block of `pactl list sink-inputs` of the program's stream, empty when
// there is none.
std::string ProgramSinkInput() {
  const std::string all = Pactl("list sink-inputs");
  std::size_t at = 0;
  while ((at = all.find("Sink Input #", at)) != std::string::npos) {
    const std::size_t end = all.find("Sink Input #", at + 1);
    const std::string block = all.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (block.find("application.name = \"Orvanta\"") != std::string::npos) return block;
    at = end;
  }
  return {};
}

// The program's name and id are what the server remembers its streams by
// (PulseAudio's stream-restore module, PipeWire's WirePlumber): a volume the
// user gave the generator's stream is its volume at the next run.
TEST_F(PulseRecovery, TheServerGivesTheGeneratorsStreamItsVolumeFromTheLastRun) {
  // The loopback PulseAudio server has no memory of its own; a desktop's has.
  std::unique_ptr<Module> memory;
  if (std::string(LoopbackServer::Kind()) == "PulseAudio")
    memory = std::make_unique<Module>("module-stream-restore restore_device=true restore_volume=true");
  QString refusal;
  const auto tone = MakeFunctionSignal(Sine, Sine, 1000, 1000, 1000, 1000, 44100, 2, &refusal);
  ASSERT_TRUE(tone);
  const QByteArray bytes(reinterpret_cast<const char*>(tone->bytes.data()), static_cast<qsizetype>(tone->bytes.size()));
  {
    PulseAudioOutput output;
    ASSERT_TRUE(output.Start(tone->format, bytes, nullptr));
    ASSERT_TRUE(RunUntil([] { return !ProgramSinkInput().empty(); }, 2000));
    const std::string block = ProgramSinkInput();
    const std::string index = block.substr(12, block.find('\n') - 12);
    Pactl("set-sink-input-volume " + index + " 40%");
    // WirePlumber keeps a change once it has stood for a second.
    RunEventLoop(1500);
  }
  RunEventLoop(300);
  PulseAudioOutput again;
  ASSERT_TRUE(again.Start(tone->format, bytes, nullptr));
  ASSERT_TRUE(RunUntil([] { return !ProgramSinkInput().empty(); }, 2000));
  RunEventLoop(300);
  const std::string block = ProgramSinkInput();
  EXPECT_NE(block.find("/  40% /"), std::string::npos) << block;
}

// What the desktop's sound settings see of the program's two streams.
TEST_F(PulseRecovery, TheStreamsCarryTheProgramsNameIconAndRole) {
  QString refusal;
  const auto tone = MakeFunctionSignal(Sine, Sine, 1000, 1000, 1000, 1000, 44100, 2, &refusal);
  ASSERT_TRUE(tone);
  PulseAudioOutput output;
  QString reason;
  ASSERT_TRUE(output.Start(tone->format, QByteArray(reinterpret_cast<const char*>(tone->bytes.data()),
                                                     static_cast<qsizetype>(tone->bytes.size())),
                           &reason));
  PulseAudioInput input;
  ASSERT_TRUE(input.Open(kStereo16));
  RunEventLoop(200);
  for (const char* list : {"sink-inputs", "source-outputs"}) {
    const std::string text = Pactl(std::string("list ") + list);
    SCOPED_TRACE(list);
    EXPECT_NE(text.find("application.name = \"Orvanta\""), std::string::npos) << text;
    EXPECT_NE(text.find("application.icon_name = \"ondrix\""), std::string::npos) << text;
    EXPECT_NE(text.find("application.id = \"ondrix\""), std::string::npos) << text;
    // PipeWire writes the role with a capital.
    EXPECT_TRUE(text.find("media.role = \"production\"") != std::string::npos ||
                text.find("media.role = \"Production\"") != std::string::npos)
        << text;
    EXPECT_EQ(text.find("QtPulseAudio"), std::string::npos) << text;
  }
  // The desktop finds the program by its id: the desktop file of that name,
  // whose icon is the one named to the server.
  QFile entry(QStringLiteral(ONDRIX_SOURCE_DIR "/packaging/ondrix.desktop"));
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
  EXPECT_TRUE(entry.readAll().contains("\nIcon=ondrix\n"));
}

}  // namespace
