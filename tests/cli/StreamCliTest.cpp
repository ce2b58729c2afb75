// ondrix-cli and streams: "-" as standard input and output, named pipes as inputs.
#include "cli/CliTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include <thread>
#include <vector>

namespace {

// Runs ondrix-cli with `input` written to its standard input (a pipe).
ProgramRun RunWithInput(const QStringList& args, const QByteArray& input) {
  QProcess p;
  p.start(QStringLiteral(ONDRIX_CLI), args);
  p.write(input);
  p.closeWriteChannel();
  EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
  return {p.exitCode(), QString::fromLatin1(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

class StreamCli : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<int16_t> s;
    for (int n = 0; n < 8000; ++n) {
      s.push_back(static_cast<int16_t>(std::lround(SineSample(n, 100, 10000))));
      s.push_back(static_cast<int16_t>(std::lround(SineSample(n, 50, 4000))));
    }
    wav = WriteTestWav(QDir(dir.path()), "a.wav", MakePcmFormat(2, 44100, 16), s.data(), s.size() * 2);
    QFile f(wav);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    bytes = f.readAll();
  }
  QTemporaryDir dir;
  QString wav;
  QByteArray bytes;
};

}  // namespace

TEST_F(StreamCli, AWavFromAPipeIsMeasuredAsTheFile) {
  const QString fifo = dir.filePath("fifo");
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  const QList<QStringList> cases = {
      {"info", "-", "--json"},      {"measure", "-", "--json"}, {"spectrum", "-", "--at", "2"},
      {"distortion", "-", "--length", "4096", "--json"}, {"info", "/dev/stdin"}, {"info", fifo},
      {"measure", fifo},
  };
  for (QStringList args : cases) {
    const int i = args.indexOf(QRegularExpression("^(-|/dev/stdin|.*fifo)$"));
    const QString stream = args[i];
    args[i] = wav;
    const ProgramRun fromFile = RunCli(args);
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.err.toStdString();
    args[i] = stream;
    ProgramRun piped;
    if (stream == fifo) {
      // Writes once the tool reads; gives up after ten seconds (a tool
      // that refused the pipe never opens it).
      std::thread writer([&] {
        for (int tries = 0; tries < 1000; ++tries) {
          const int fd = ::open(fifo.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
          if (fd < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
          }
          ::fcntl(fd, F_SETFL, 0);
          EXPECT_EQ(::write(fd, bytes.constData(), bytes.size()), bytes.size());
          ::close(fd);
          return;
        }
      });
      piped = RunCli(args);
      writer.join();
    } else {
      piped = RunWithInput(args, bytes);
    }
    EXPECT_EQ(piped.exitCode, 0) << args.join(' ').toStdString() << ": " << piped.err.toStdString();
    EXPECT_EQ(piped.out, fromFile.out) << args.join(' ').toStdString();
  }
  // Not a WAV: refused as a file would be, naming standard input.
  const ProgramRun r = RunWithInput({"info", "-"}, "RIFX");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.err.startsWith("ondrix-cli: -: ")) << r.err.toStdString();
}

TEST_F(StreamCli, DashWritesToStandardOutputAndAFullDiskFails) {
  const QList<std::pair<QStringList, QByteArray>> cases = {
      {{"csv", wav, "-"}, "CH1 Sample,"},
      {{"render", wav, "-"}, "BM"},
      {{"report", wav, "-"}, "%PDF"},
      {{"generate", "-"}, "RIFF"},
      {{"response", wav, "--fft", "4096", "--csv", "-"}, "frequency_hz,"},
      {{"response", wav, "--fft", "4096", "--png", "-"}, "\x89PNG"},
  };
  for (const auto& [args, start] : cases) {
    const ProgramRun r = RunWithInput(args, {});
    EXPECT_EQ(r.exitCode, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    EXPECT_TRUE(r.out.toLatin1().startsWith(start)) << args.join(' ').toStdString();
    const ProgramRun full = RunCli(args, [](QProcess& p) { p.setStandardOutputFile("/dev/full"); });
    EXPECT_EQ(full.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(full.err.contains("No space left on device")) << full.err.toStdString();
  }
  // The same file as when named.
  ASSERT_EQ(RunCli({"csv", wav, dir.filePath("a.csv")}).exitCode, 0);
  QFile csv(dir.filePath("a.csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_EQ(RunWithInput({"csv", wav, "-"}, {}).out.toLatin1(), csv.readAll());
  EXPECT_EQ(RunCli({"response", wav, "--csv", "-", "--png", "-"}).exitCode, 2);
}
