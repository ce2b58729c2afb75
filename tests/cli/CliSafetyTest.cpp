// ondrix-cli against hazardous paths: outputs that are its inputs, a full
// disk, read-only folders; inputs that are no files, and huge files.
#include "cli/CliTestSupport.h"
#include "support/PipeReader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// A refusal: status 2, one line on stderr holding `errorHas`, nothing on stdout.
void ExpectRefused(const ProgramRun& r, const QStringList& args, const QString& errorHas = {}) {
  const std::string what = args.join(' ').toStdString();
  EXPECT_EQ(r.exitCode, 2) << what;
  EXPECT_EQ(r.err.count('\n'), 1) << what << ": " << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty() && r.err.contains(errorHas)) << what << ": " << r.err.toStdString();
}

class CliSafety : public ::testing::Test {
 protected:
  // 16-bit stereo, 44100 Hz: CH1 441 Hz, CH2 882 Hz, 6000 frames.
  QString Stereo16(const QString& name = QStringLiteral("a.wav")) {
    std::vector<int16_t> s;
    for (int n = 0; n < 6000; ++n) {
      s.push_back(static_cast<int16_t>(std::lround(SineSample(n, 100, 10000))));
      s.push_back(static_cast<int16_t>(std::lround(SineSample(n, 50, 4000))));
    }
    return WriteTestWav(QDir(dir.path()), name, MakePcmFormat(2, 44100, 16), s.data(), s.size() * 2);
  }
  QString Path(const QString& name) const { return dir.filePath(name); }

  QTemporaryDir dir;
};

}  // namespace

TEST_F(CliSafety, AnOutputThatIsAnInputIsRefusedAndNothingIsWritten) {
  const QString a = Stereo16();
  ASSERT_TRUE(QFile::link(a, Path("link.wav")));
  ASSERT_EQ(link(a.toLocal8Bit().constData(), Path("hard.wav").toLocal8Bit().constData()), 0);
  ASSERT_TRUE(QFile::copy(QStringLiteral(ONDRIX_CLI).section('/', 0, -2) + "/setting.ini", Path("set.ini")));
  const QByteArray wavBefore = ReadAll(a), settingsBefore = ReadAll(Path("set.ini"));
  const QStringList listing = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);

  const QList<QStringList> cases = {
      {"csv", "a.wav", "a.wav"},         {"render", "a.wav", "a.wav"},   {"report", "a.wav", "./a.wav"},
      {"csv", "a.wav", "link.wav"},      {"render", "link.wav", a},      {"report", "a.wav", "hard.wav"},
      {"render", "a.wav", "set.ini", "--settings", "set.ini"},
  };
  for (const QStringList& args : cases)
    ExpectRefused(RunCli(args, [&](QProcess& p) { p.setWorkingDirectory(dir.path()); }), args);
  EXPECT_EQ(ReadAll(a), wavBefore);
  EXPECT_EQ(ReadAll(Path("set.ini")), settingsBefore);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), listing);
}

TEST_F(CliSafety, AFullDiskKeepsTheGoodFileAndNamesTheReason) {
  // A tmpfs in a mount namespace of its own, with room for the old file and
  // a multiple of 16 KiB (a buffer a writer might flush only on closing) of
  // the new one. The files/ writers are tested alone; these are the tool's.
  if (geteuid() != 0 || RunProgram("unshare", {"-m", "true"}).exitCode != 0)
    GTEST_SKIP() << "cannot mount a small file system here";
  const QString a = Stereo16();
  ASSERT_TRUE(QDir(dir.path()).mkdir("disk"));
  for (const QString& ext : {QStringLiteral("png"), QStringLiteral("pdf")}) {
    const QString good = Path("good." + ext), after = Path("after." + ext), out = Path("disk/out." + ext);
    const QStringList args = {ext == "pdf" ? "report" : "render", a, out, "--at", "100"};
    ASSERT_EQ(RunCli({args[0], a, good}).exitCode, 0);
    const qint64 size = QFileInfo(good).size();
    // $1 the mount point, $2 the good file, $3 the output, $4 where it is
    // kept when the mount goes away; then the command.
    const QString script = QStringLiteral("mount -t tmpfs -o size=%1 tmpfs \"$1\" && cp \"$2\" \"$3\" || exit 99; "
                                          "o=$3; c=$4; shift 4; \"$@\"; s=$?; cp \"$o\" \"$c\"; exit $s")
                               .arg((size / 4096 + 1) * 4096 + std::max<qint64>(4096, size / 16384 * 16384));
    const QStringList sh = {"-m", "sh", "-c", script, "sh", Path("disk"), good, out, after, ONDRIX_CLI};
    ExpectRefused(RunProgram("unshare", sh + args), args, Reason(ENOSPC));
    EXPECT_EQ(ReadAll(after), ReadAll(good)) << ext.toStdString();
  }
}

TEST_F(CliSafety, AFileInAFolderThatTakesNoNewFileIsNotTouched) {
  // As root every folder is writable: the tool then runs as nobody, who
  // owns the file but not the folder. A replacement would need a new file
  // there: the file is refused, not rewritten in place.
  const bool root = geteuid() == 0;
  ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
  const QString a = Stereo16(), out = Path("ro/out.csv");
  ASSERT_TRUE(QDir(dir.path()).mkdir("ro") && QFile::copy(a, out));
  ASSERT_EQ(root ? chown(out.toLocal8Bit().constData(), 65534, 65534) : 0, 0);
  ASSERT_EQ(chmod(Path("ro").toLocal8Bit().constData(), 0555), 0);
  auto run = [&](const QStringList& args) {
    return root ? RunProgram("setpriv", QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", ONDRIX_CLI} + args)
                : RunCli(args);
  };

  const QByteArray before = ReadAll(out);
  for (const QStringList& args : {QStringList{"csv", a, out, "--at", "10"}, QStringList{"csv", a, Path("ro/new.csv")}})
    ExpectRefused(run(args), args, Reason(EACCES));
  EXPECT_EQ(ReadAll(out), before);
  EXPECT_EQ(QDir(Path("ro")).entryList(QDir::Files | QDir::Hidden), QStringList{"out.csv"});
  chmod(Path("ro").toLocal8Bit().constData(), 0755);
}

TEST_F(CliSafety, ANamedPipeOutputWaitsForItsReaderAsShellToolsDo) {
  using namespace std::chrono_literals;
  const QString a = Stereo16(), pipe = Path("pipe");
  ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  const QList<std::pair<QStringList, QByteArray>> cases = {
      {{"csv", a, pipe}, "CH1 Sample,"}, {{"render", a, pipe}, "BM"},
      {{"report", a, pipe}, "%PDF"},     {{"generate", pipe}, "RIFF"},
  };
  for (const auto& [args, start] : cases) {
    PipeReader late(pipe, 1s);
    const ProgramRun r = RunCli(args);
    EXPECT_EQ(r.exitCode, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    EXPECT_TRUE(late.Finish());
    EXPECT_TRUE(late.Received().startsWith(start)) << args.join(' ').toStdString();
  }
}

TEST_F(CliSafety, InputsThatAreNoFilesAreRefusedAtOnceWithWhatTheyAre) {
  const QString a = Stereo16(), pipe = Path("pipe"), out = Path("out.bmp");
  ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  const QList<std::pair<QStringList, const char*>> cases = {
      {{"info", "/dev/zero"}, "设备"},
      {{"spectrum", dir.path()}, "文件夹"},
      {{"render", a, out, "--settings", dir.path()}, "文件夹"},
      {{"render", a, out, "--settings", "/dev/null"}, "设备"},
      {{"render", a, out, "--settings", pipe}, "管道"},
  };
  for (const auto& [args, errorHas] : cases)
    ExpectRefused(RunCli(args + QStringList{"--lang", "zh"}), args, QString::fromUtf8(errorHas));
  EXPECT_FALSE(QFile::exists(out));
}

TEST_F(CliSafety, OnlyTheFrameIsReadFromAHugeFile) {
  // A 16-bit stereo file of 3 GiB of data (sparse: zeros on disk cost
  // nothing), beyond the 2 GiB a recording may hold, with the test signal at
  // element `at`. A frame there gives what it gives in the small file.
  const QString big = Stereo16(), small = Stereo16(QStringLiteral("small.wav"));
  const qint64 at = 1600000000;
  {
    const QByteArray signal = ReadAll(big).mid(46);
    QFile f(big);
    const char riffSize[] = "\x26\x00\x00\xC0", dataSize[] = "\x00\x00\x00\xC0";
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(4) && f.write(riffSize, 4) == 4 && f.seek(42) &&
                f.write(dataSize, 4) == 4 && f.resize(46 + 0xC0000000LL) && f.seek(46 + at * 2) &&
                f.write(signal) == signal.size());
  }
  EXPECT_TRUE(RunCli({"info", big}).out.contains("frames: 805306368"));
  const ProgramRun measured = RunCli({"measure", big, "--json", "--at", QString::number(at + 2)});
  QJsonObject o = QJsonDocument::fromJson(measured.out.toUtf8()).object();
  EXPECT_EQ(o["ch1_frequency"].toInt(), 441) << measured.err.toStdString();
  o["frame_start"] = 2;
  EXPECT_EQ(o, QJsonDocument::fromJson(RunCli({"measure", small, "--json", "--at", "2"}).out.toUtf8()).object());
  ASSERT_EQ(RunCli({"csv", big, Path("big.csv"), "--at", QString::number(at + 20)}).exitCode, 0);
  ASSERT_EQ(RunCli({"csv", small, Path("small.csv"), "--at", "20"}).exitCode, 0);
  EXPECT_EQ(ReadAll(Path("big.csv")), ReadAll(Path("small.csv")));
  // The analysis's block, 3 GB into the file.
  const ProgramRun analysed = RunCli({"distortion", big, "--json", "--at", QString::number(at), "--length", "4096"});
  o = QJsonDocument::fromJson(analysed.out.toUtf8()).object();
  EXPECT_NEAR(o["channels"].toArray()[0].toObject()["fundamental_hz"].toDouble(), 441, 0.05) << analysed.err.toStdString();
}
