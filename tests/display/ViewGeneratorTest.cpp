#include "support/TestApplication.h"
#include "app/Globals.h"
#include "display/COndrixView.h"
#include "files/WavFile.h"
#include "support/ViewOnFakes.h"
#include "support/RecordingPrompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A view on a scripted input and output, in a temporary g_appDir; the
// current folder is another one, where nothing may land.
class ViewGeneratorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }

  ViewGeneratorTest() {
    ResetGlobals();
    previousDir = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    g_appDir = dir.path();
    view = MakeViewOnFakes(nullptr, &output);
    view->OnInitialUpdate();
  }
  ~ViewGeneratorTest() override {
    view.reset();
    QDir::setCurrent(previousDir);
    ResetGlobals();
  }

  QByteArray Recording() const {
    const RecordingBuffer& r = view->Engine().recBuf16;
    QByteArray bytes(static_cast<qsizetype>(r.Size()), 0);
    r.CopyOut(0, reinterpret_cast<uint8_t*>(bytes.data()), r.Size());
    return bytes;
  }

  QTemporaryDir dir;
  QTemporaryDir elsewhere;
  QString previousDir;
  RecordingPrompts prompts;
  FakeAudioOutput* output = nullptr;
  std::unique_ptr<COndrixView> view;
};

}  // namespace

TEST_F(ViewGeneratorTest, GeneratingFillsTheRecordingAndTheFunctionSignalDisplay) {
  g_settings.sampleRate = 22050;
  g_settings.bitsPerSample = 8;
  g_generator = DefaultGeneratorParams();  // 1000 Hz sine left, 2000 Hz triangle right
  ASSERT_TRUE(view->GenerateSignal());
  EXPECT_EQ(g_settings.sampleRate, 44100);
  EXPECT_EQ(g_settings.bitsPerSample, 16);
  EXPECT_EQ(view->Engine().RecBytes(), 4224u);
  EXPECT_EQ(output->startCount, 0);  // nothing played

  // The function-signal display: the first 1024 frames of the recording.
  g_displayMode = FunctionSignal;
  view->OnTimer();
  const auto element = [](const QByteArray& b, int k) {
    int16_t v = 0;
    if (2 * k + 1 < b.size()) std::memcpy(&v, b.constData() + 2 * k, 2);
    return v;
  };
  QByteArray bytes = Recording();
  for (int i = 0; i < 1024; ++i) {
    ASSERT_EQ(view->Engine().ch1Trace[i], element(bytes, 2 * i)) << i;
    ASSERT_EQ(view->Engine().ch2Trace[i], element(bytes, 2 * i + 1)) << i;
  }

  // A sweep shorter than a frame (880 samples, mono) shows zeros after its end.
  g_settings.channels = 1;
  ASSERT_TRUE(view->GenerateSweepSignal(Sine, 100, 5000, 20000, 40));
  bytes = Recording();
  EXPECT_EQ(bytes.size(), 1760);
  view->OnTimer();
  for (int i = 0; i < 1024; ++i) ASSERT_EQ(view->Engine().ch1Trace[i], element(bytes, i)) << i;
}

TEST_F(ViewGeneratorTest, RefusedParametersChangeNothing) {
  ASSERT_TRUE(view->GenerateFunctionSignal(Sine, Sine, 1000, 1000, 1000, 1000));
  const QByteArray before = Recording();
  g_settings.sampleRate = 22050;
  g_generator.leftFreq = 0;

  EXPECT_FALSE(view->GenerateSignal());
  EXPECT_FALSE(view->StartGenerator());
  EXPECT_FALSE(view->GenerateSweepSignal(Sine, 100, 1000, 1000, 0));
  EXPECT_EQ(prompts.messages.size(), 3);
  EXPECT_EQ(Recording(), before);
  EXPECT_EQ(g_settings.sampleRate, 22050);
  EXPECT_FALSE(QFile::exists(dir.filePath("wavedata.ini")));
  EXPECT_FALSE(QFile::exists(dir.filePath("signal.wav")));
  EXPECT_EQ(output->startCount, 0);
}

TEST_F(ViewGeneratorTest, StartWritesBothFilesAndPlaysAPrivateCopy) {
  g_generator = DefaultGeneratorParams();
  g_generator.leftFreq = 441;
  ASSERT_TRUE(view->StartGenerator());
  EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('\n').toStdString();
  EXPECT_TRUE(view->SignalOutputRunning());

  GeneratorParams saved{};
  ASSERT_TRUE(LoadGeneratorParams(dir.filePath("wavedata.ini"), saved));
  EXPECT_EQ(saved.leftFreq, 441);

  const QByteArray signal = Recording();
  const WavProbe probe = ProbeWavFile(dir.filePath("signal.wav"));
  ASSERT_TRUE(probe.ok) << probe.reason.toStdString();
  EXPECT_EQ(probe.layout.format, MakePcmFormat(2, 44100, 16));
  QFile wav(dir.filePath("signal.wav"));
  ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
  EXPECT_EQ(wav.readAll().mid(probe.layout.dataOffset), signal);

  EXPECT_EQ(output->playedFormat, MakePcmFormat(2, 44100, 16));
  EXPECT_EQ(output->played, signal);
  // A new signal replaces the recording, not what is playing.
  ASSERT_TRUE(view->GenerateFunctionSignal(Square, Square, 300, 300, 500, 500));
  EXPECT_NE(Recording(), signal);
  EXPECT_EQ(output->played, signal);

  view->StopSignalOutput();
  EXPECT_FALSE(view->SignalOutputRunning());
  EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

TEST_F(ViewGeneratorTest, FileAndDeviceFailuresDoNotStopTheStart) {
  // signal.wav cannot be made (a folder has its name); the device refuses.
  ASSERT_TRUE(QDir(dir.path()).mkdir("signal.wav"));
  output->acceptStart = false;
  EXPECT_TRUE(view->StartGenerator());
  ASSERT_EQ(prompts.messages.size(), 1);
  EXPECT_TRUE(prompts.messages[0].startsWith("Error creating file")) << prompts.messages[0].toStdString();
  EXPECT_EQ(output->startCount, 1);
  ASSERT_EQ(prompts.statuses.size(), 1);  // the device: a status note, no message box
  EXPECT_TRUE(prompts.statuses[0].contains("no device"));
}
