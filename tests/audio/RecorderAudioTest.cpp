// The recorder of the running program on a real sound server.

#include "EventLoop.h"
#include "LoopbackMain.h"
#include "Pactl.h"
#include "acquisition/LeftSpool.h"
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
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

namespace {

// `frames` of 16-bit stereo noise in which no stretch repeats.
QByteArray Noise(int frames) {
  QByteArray bytes(4 * frames, '\0');
  uint32_t x = 2463534242u;
  for (char& b : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<char>(x >> 24);
  }
  return bytes;
}

QByteArray WavData(const QString& path) {
  const WavProbe probe = ProbeWavFile(path);
  QByteArray data(probe.ok ? probe.layout.dataBytes : 0, '\0');
  QString reason;
  if (probe.ok)
    ReadWavBytes(path, probe.layout, 0, std::span<uint8_t>(reinterpret_cast<uint8_t*>(data.data()), data.size()), &reason);
  return data;
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


// The program recording the loopback while a known signal plays is ended by
// a signal; the next start in its runtime folder offers the recording, and
// it holds the signal as played, bit for bit, up to at most 1 s before the end.
TEST_F(RecorderAudio, ARecordingEndedBySignalIsRecoveredAtTheNextStartAsPlayed) {
  Pactl("set-sink-volume @DEFAULT_SINK@ 65536");
  Pactl("set-source-volume @DEFAULT_SOURCE@ 65536");
  const QByteArray signal = Noise(2 * 44100);
  QFile raw(dir.filePath("signal.raw"));
  ASSERT_TRUE(raw.open(QIODevice::WriteOnly) && raw.write(signal) == signal.size());
  raw.close();
  for (int sig : {SIGKILL, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(strsignal(sig));
    QTemporaryDir folder;
    QProcess recorder;
    recorder.start(QStringLiteral(ONDRIX_RECORDER_CHILD), {folder.path()});
    ASSERT_TRUE(recorder.waitForReadyRead(15000)) << recorder.readAllStandardError().toStdString();
    ASSERT_TRUE(recorder.readAllStandardOutput().startsWith("recording"));
    EXPECT_TRUE(LeftSpool::Claim(folder.path()).empty()) << "its program still runs";
    QProcess play;
    play.start(QStringLiteral("pacat"), {"--playback", "--raw", "--format=s16le", "--rate=44100", "--channels=2",
                                          raw.fileName()});
    ASSERT_TRUE(play.waitForFinished(10000));
    ASSERT_EQ(play.exitCode(), 0) << play.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(recorder.processId()), sig);
    ASSERT_TRUE(recorder.waitForFinished(10000));
    EXPECT_EQ(recorder.exitStatus() == QProcess::NormalExit && recorder.exitCode() == 0, sig != SIGKILL)
        << "SIGTERM and SIGHUP close the program as Exit does; status " << recorder.exitStatus() << ", code "
        << recorder.exitCode() << ", " << recorder.readAllStandardError().toStdString();

    g_appDir = folder.path();
    const QString recovered = folder.filePath("recovered.wav");
    {
      COndrixApp app;
      ASSERT_TRUE(app.InitInstance());
      RecordingPrompts prompts;
      prompts.answers << Prompts::SaveChoice::Save;
      prompts.paths << recovered;
      RunEventLoop(100);
      EXPECT_EQ(prompts.dialogs.size(), 2) << prompts.dialogs.join('\n').toStdString();
    }
    const QByteArray got = WavData(recovered);
    const qsizetype at = got.indexOf(signal.left(64));
    ASSERT_GE(at, 0) << "the signal's start is in the " << got.size() << " bytes recovered";
    qsizetype same = 0;
    while (same < signal.size() && at + same < got.size() && got[at + same] == signal[same]) ++same;
    EXPECT_TRUE(same == signal.size() || at + same == got.size()) << "only the end of the recording cuts it";
    EXPECT_GE(same, signal.size() - 4 * 44100) << "at most 1 s is missing";
    std::printf("  %s: %lld of %lld bytes of the signal recovered\n", strsignal(sig), static_cast<long long>(same),
                static_cast<long long>(signal.size()));
  }
}

}  // namespace
