#include "cli/CliTestSupport.h"
#include "generator/SignalGenerator.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The WAV file the program's start button writes for `params`.
QByteArray ProgramFile(const QDir& dir, const GeneratorParams& params, int rate, int channels) {
  QString refusal;
  const auto signal = MakeGeneratorSignal(params, rate, channels, &refusal);
  EXPECT_TRUE(signal) << refusal.toStdString();
  if (!signal) return {};
  return Contents(WriteTestWav(dir, "expected.wav", signal->format, signal->bytes.data(), signal->bytes.size()));
}

GeneratorParams Params(bool function, int leftWave, int rightWave, int leftFreq, int rightFreq, int leftPeak,
                       int rightPeak, int riseMs) {
  GeneratorParams p{};
  p.functionMode = function ? 1 : 0;
  p.leftWave = leftWave;
  p.rightWave = rightWave;
  p.leftFreq = leftFreq;
  p.rightFreq = rightFreq;
  p.leftPeak = leftPeak;
  p.rightPeak = rightPeak;
  p.sweepRiseMs = riseMs;
  return p;
}

}  // namespace

TEST(GenerateCli, WritesTheFileTheStartButtonWrites) {
  QTemporaryDir tmp;
  const QDir dir(tmp.path());
  const QString out = dir.filePath("out.wav");
  // The build's runtime folder holds the default wavedata.ini.
  const GeneratorParams d = DefaultGeneratorParams();
  struct Case {
    QStringList args;
    GeneratorParams params;
    int rate, channels;
  };
  const Case cases[] = {
      {{}, d, 44100, 2},
      {{"--left", "square", "--right", "sawtooth", "--left-freq", "1000", "--right-freq", "500", "--left-peak",
        "32767", "--right-peak", "10"},
       Params(true, Square, Sawtooth, 1000, 500, 32767, 10, d.sweepRiseMs), 44100, 2},
      {{"--sweep", "--left-freq", "0", "--right-freq", "30000", "--rise", "300", "--rate", "22050", "--channels",
        "1"},
       Params(false, d.leftWave, d.rightWave, 0, 30000, d.leftPeak, d.rightPeak, 300), 44100, 1},
      {{"--right", "triangle", "--rate", "96000"}, Params(true, d.leftWave, Triangle, d.leftFreq, d.rightFreq,
                                                           d.leftPeak, d.rightPeak, d.sweepRiseMs), 96000, 2},
  };
  for (const Case& c : cases) {
    const ProgramRun r = RunCli(QStringList{"generate", out} + c.args);
    SCOPED_TRACE(c.args.join(' ').toStdString());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(Contents(out), ProgramFile(dir, c.params, c.rate, c.channels));
  }
}

TEST(GenerateCli, RefusesBadValuesWithOneLineAndNoFile) {
  QTemporaryDir tmp;
  const QString out = QDir(tmp.path()).filePath("out.wav");
  const QStringList refused[] = {
      {"--left-freq", "0"},        {"--left", "sinus"},    {"--channels", "3"},   {"--rate", "fast"},
      {"--rate", "0"},             {"--left-peak", "5"},   {"--sweep", "--rise", "0"},
      {"--play", "0"},             {"--play", "soon"},     {"--left-freq"},       {"--volume", "3"},
      {"--right-freq", "99999999999"}, {"--left", "triangle", "--left-freq", "22051"},
  };
  for (const QStringList& args : refused) {
    const ProgramRun r = RunCli(QStringList{"generate", out} + args);
    SCOPED_TRACE(args.join(' ').toStdString());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
  }
  EXPECT_EQ(RunCli({"generate"}).exitCode, 2);
  EXPECT_EQ(RunCli({"generate", out, "other.wav"}).exitCode, 2);
}

TEST(GenerateCli, TakesItsDefaultsFromTheRuntimeFolderAndSaysWhenItCannotPlay) {
  // A copy of the tool in a folder of its own, beside its own wavedata.ini
  // (in sweep mode: the tool makes a function signal unless told --sweep).
  QTemporaryDir tmp;
  const QDir dir(tmp.path());
  const QString cli = dir.filePath("ondrix-cli");
  ASSERT_TRUE(QFile::copy(QStringLiteral(ONDRIX_CLI), cli));
  const GeneratorParams own = Params(false, Sawtooth, Square, 300, 700, 12000, 9000, 500);
  QString error;
  ASSERT_TRUE(SaveGeneratorParams(dir.filePath("wavedata.ini"), own, &error));

  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("PULSE_SERVER", "unix:" + dir.filePath("no-server"));
  p.setProcessEnvironment(env);
  p.start(cli, {"generate", dir.filePath("out.wav"), "--play", "0.2"});
  ASSERT_TRUE(p.waitForFinished(30000));
  // Written, but not played: no sound server.
  EXPECT_EQ(p.exitCode(), 1);
  EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains("cannot play"));
  GeneratorParams function = own;
  function.functionMode = 1;
  EXPECT_EQ(Contents(dir.filePath("out.wav")), ProgramFile(dir, function, 44100, 2));
}
