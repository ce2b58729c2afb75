#include "cli/CliTestSupport.h"
#include "generator/SignalGenerator.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QByteArray Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The WAV file the program's start button writes for `params`.
QByteArray ProgramFile(const QDir& dir, const GeneratorParams& params, int rate, int channels) {
  const auto signal = MakeGeneratorSignal(params, rate, channels, nullptr);
  if (!signal) return {};
  return Contents(WriteTestWav(dir, "expected.wav", signal->format, signal->bytes.data(), signal->bytes.size()));
}

}  // namespace

TEST(GenerateCli, WritesTheFileTheStartButtonWrites) {
  QTemporaryDir tmp;
  const QDir dir(tmp.path());
  const QString out = dir.filePath("out.wav");
  const GeneratorParams d = DefaultGeneratorParams();  // the build's runtime folder holds these
  struct Case {
    QStringList args;
    GeneratorParams params;
    int rate, channels;
  } const cases[] = {
      {{}, d, 44100, 2},
      {{"--left", "square", "--right", "sawtooth", "--left-freq", "1000", "--right-freq", "500", "--left-peak",
        "32767", "--right-peak", "10", "--rate", "96000"},
       {1, {}, Square, Sawtooth, 1000, 500, 32767, 10, d.sweepRiseMs}, 96000, 2},
      {{"--sweep", "--left-freq", "0", "--right-freq", "30000", "--rise", "300", "--rate", "22050", "--channels", "1"},
       {0, {}, d.leftWave, d.rightWave, 0, 30000, d.leftPeak, d.rightPeak, 300}, 44100, 1},
  };
  for (const Case& c : cases) {
    const ProgramRun r = RunCli(QStringList{"generate", out} + c.args);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(Contents(out), ProgramFile(dir, c.params, c.rate, c.channels)) << c.args.join(' ').toStdString();
  }
}

TEST(GenerateCli, RefusesBadValuesWithOneLineAndNoFile) {
  QTemporaryDir tmp;
  const QString out = QDir(tmp.path()).filePath("out.wav");
  const QStringList refused[] = {
      {"--left-freq", "0"}, {"--left", "sinus"}, {"--channels", "3"}, {"--rate", "0"}, {"--left-peak", "5"},
      {"--sweep", "--rise", "0"}, {"--play", "0"}, {"--left-freq"}, {"--volume", "3"}, {"--right-freq", "9e99"},
      {"--left", "triangle", "--left-freq", "22051"}, {"second.wav"}, {"--left", "sine\r\nsquare"},
      {"--left-freq", "14701"}, {"--right", "triangle", "--right-freq", "11026"},
  };
  for (const QStringList& args : refused) {
    const ProgramRun r = RunCli(QStringList{"generate", out} + args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out)) << args.join(' ').toStdString();
  }
  // A frequency too high for its waveform names the highest it can play.
  EXPECT_TRUE(RunCli({"generate", out, "--left-freq", "14701"}).err.contains("14700"));
}

TEST(GenerateCli, TakesItsDefaultsFromTheRuntimeFolderAndSaysWhenItCannotPlay) {
  // A copy of the tool in a folder of its own, beside a wavedata.ini in sweep
  // mode: without --sweep the tool makes the function signal.
  QTemporaryDir tmp;
  const QDir dir(tmp.path());
  const QString cli = dir.filePath("ondrix-cli");
  ASSERT_TRUE(QFile::copy(QStringLiteral(ONDRIX_CLI), cli));
  GeneratorParams own{0, {}, Sawtooth, Square, 300, 700, 12000, 9000, 500};
  ASSERT_TRUE(SaveGeneratorParams(dir.filePath("wavedata.ini"), own, nullptr));

  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("PULSE_SERVER", "unix:" + dir.filePath("no-server"));
  p.setProcessEnvironment(env);
  p.start(cli, {"generate", dir.filePath("out.wav"), "--play", "0.2"});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 1);  // written, not played
  EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains("cannot play"));
  own.functionMode = 1;
  EXPECT_EQ(Contents(dir.filePath("out.wav")), ProgramFile(dir, own, 44100, 2));
}

TEST(GenerateCli, TakesTheStoredValuesTheGeneratorPlaysAndMendsTheRest) {
  QTemporaryDir tmp;
  const QDir dir(tmp.path());
  const QString cli = dir.filePath("ondrix-cli");
  ASSERT_TRUE(QFile::copy(QStringLiteral(ONDRIX_CLI), cli));
  // A sweep from 0 Hz plays from 1 Hz and is taken as stored; a sine at the
  // largest integer cannot play and takes the default, with a note.
  const GeneratorParams d = DefaultGeneratorParams();
  const struct {
    GeneratorParams stored, played;
    QStringList args;
    bool noted;
  } cases[] = {
      {{0, {}, Sine, Sine, 0, 5000, 9000, 9000, 300}, {0, {}, Sine, Sine, 0, 5000, 9000, 9000, 300}, {"--sweep"}, false},
      {{1, {}, Sine, Sine, 2147483647, 500, 9000, 9000, 300},
       {1, {}, Sine, Sine, d.leftFreq, 500, 9000, 9000, 300}, {}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored.leftFreq);
    ASSERT_TRUE(SaveGeneratorParams(dir.filePath("wavedata.ini"), c.stored, nullptr));
    const ProgramRun r = RunProgram(cli, QStringList{"generate", dir.filePath("out.wav")} + c.args);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.contains("leftFreq"), c.noted) << r.err.toStdString();
    EXPECT_EQ(Contents(dir.filePath("out.wav")), ProgramFile(dir, c.played, 44100, 2));
  }
}

TEST(GenerateCli, NeverWritesOverTheWavedataIniItReads) {
  // A copy of the tool in a folder of its own, its runtime folder.
  QTemporaryDir tmp;
  const QDir dir(tmp.path());
  const QString cli = dir.filePath("ondrix-cli"), params = dir.filePath("wavedata.ini");
  ASSERT_TRUE(QFile::copy(QStringLiteral(ONDRIX_CLI), cli));
  ASSERT_TRUE(SaveGeneratorParams(params, DefaultGeneratorParams(), nullptr));
  ASSERT_TRUE(QFile::link(params, dir.filePath("link.wav")));
  ASSERT_EQ(link(QFile::encodeName(params).constData(), QFile::encodeName(dir.filePath("hard.wav")).constData()), 0);
  const QByteArray before = Contents(params);

  for (const char* name : {"wavedata.ini", "link.wav", "hard.wav"}) {
    QProcess p;
    p.start(cli, {"generate", dir.filePath(name)});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2) << name;
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains("wavedata.ini")) << name;
  }
  EXPECT_EQ(Contents(params), before);
}
