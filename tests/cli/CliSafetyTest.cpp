// ondrix-cli against hazardous paths: outputs that are its inputs, pipes,
// devices, a full disk, read-only folders; inputs that are no files, huge
// files and WAV files streamed through a pipe.
#include "cli/CliTestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs `program` (ondrix-cli when empty); `setup` adjusts the process first.
ProgramRun Launch(const QStringList& args, const std::function<void(QProcess&)>& setup = {},
                  const QString& program = {}, int timeoutMs = 60000) {
  QProcess p;
  if (setup) setup(p);
  p.start(program.isEmpty() ? QStringLiteral(ONDRIX_CLI) : program, args);
  const bool finished = p.waitForFinished(timeoutMs);
  EXPECT_TRUE(finished) << args.join(' ').toStdString() << " did not finish";
  if (!finished) {
    p.kill();
    p.waitForFinished();
  }
  return {finished ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

// A refusal: status 2, one line on stderr, nothing on stdout.
void ExpectRefused(const ProgramRun& r, const QStringList& args, const QString& errorHas = {}) {
  const std::string what = args.join(' ').toStdString();
  EXPECT_EQ(r.exitCode, 2) << what;
  EXPECT_EQ(r.err.count('\n'), 1) << what << ": " << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty()) << what;
  EXPECT_TRUE(r.err.contains(errorHas)) << what << ": " << r.err.toStdString();
}

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

class CliSafety : public ::testing::Test {
 protected:
  // 16-bit stereo, 44100 Hz: CH1 441 Hz, CH2 882 Hz, 6000 frames.
  QString Stereo16(const QString& name = QStringLiteral("a.wav")) {
    std::vector<int16_t> s;
    for (int n = 0; n < 6000; ++n) {
      s.push_back(static_cast<int16_t>(std::lround(Sine(n, 100, 10000))));
      s.push_back(static_cast<int16_t>(std::lround(Sine(n, 50, 4000))));
    }
    return WriteTestWav(QDir(dir.path()), name, MakePcmFormat(2, 44100, 16), s.data(), s.size() * 2);
  }
  QString Path(const QString& name) const { return dir.filePath(name); }
  // A device node of our own when we may make one (as root), so that a
  // program that replaces its output cannot harm the system's node.
  QString Device(const QString& name, dev_t device, const char* systemPath) const {
    const QString path = Path(name);
    return mknod(path.toLocal8Bit().constData(), S_IFCHR | 0666, device) == 0 ? path
                                                                                : QString::fromLatin1(systemPath);
  }

  QTemporaryDir dir;
};

}  // namespace

TEST_F(CliSafety, AnOutputThatIsAnInputIsRefusedAndNothingIsWritten) {
  const QString a = Stereo16();
  ASSERT_TRUE(QFile::link(a, Path("link.wav")));
  ASSERT_EQ(link(a.toLocal8Bit().constData(), Path("hard.wav").toLocal8Bit().constData()), 0);
  QFile::copy(QStringLiteral(ONDRIX_CLI).section('/', 0, -2) + "/setting.ini", Path("set.ini"));
  const QByteArray wavBefore = ReadAll(a), settingsBefore = ReadAll(Path("set.ini"));
  ASSERT_FALSE(settingsBefore.isEmpty());
  const QStringList listing = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);

  const QList<QStringList> cases = {
      {"csv", "a.wav", "a.wav"},
      {"render", "a.wav", "a.wav"},
      {"report", "a.wav", "./a.wav"},
      {"csv", "a.wav", "link.wav"},
      {"render", "link.wav", a},
      {"report", "a.wav", "hard.wav"},
      {"render", "a.wav", "set.ini", "--settings", "set.ini"},
  };
  for (const QStringList& args : cases) ExpectRefused(Launch(args, [&](QProcess& p) { p.setWorkingDirectory(dir.path()); }), args);
  EXPECT_EQ(ReadAll(a), wavBefore);
  EXPECT_EQ(ReadAll(Path("set.ini")), settingsBefore);
  EXPECT_TRUE(fs::is_symlink(Path("link.wav").toStdString()));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), listing);
}

TEST_F(CliSafety, PipesAndDevicesAreWrittenInPlace) {
  const QString a = Stereo16();
  ASSERT_EQ(mkfifo(Path("pipe").toLocal8Bit().constData(), 0600), 0);

  // What the pipe's reader receives is the picture a file gets.
  ASSERT_EQ(Launch({"render", a, Path("file.bmp")}).exitCode, 0);
  QProcess cat;
  cat.setStandardOutputFile(Path("received.bmp"));
  cat.start(QStringLiteral("cat"), {Path("pipe")});
  ASSERT_TRUE(cat.waitForStarted());
  EXPECT_EQ(Launch({"render", a, Path("pipe")}).exitCode, 0);
  if (!cat.waitForFinished(10000)) cat.kill();
  cat.waitForFinished();
  EXPECT_EQ(ReadAll(Path("received.bmp")), ReadAll(Path("file.bmp")));
  EXPECT_TRUE(fs::is_fifo(Path("pipe").toStdString()));

  for (const QString& ext : {QStringLiteral("csv"), QStringLiteral("bmp"), QStringLiteral("png"),
                             QStringLiteral("pdf")}) {
    const QString command = ext == "csv" ? "csv" : ext == "pdf" ? "report" : "render";
    // Without root only the system's nodes exist, and none ends in .png.
    const bool png = ext == "png";
    const QString null = Device("null." + ext, makedev(1, 3), png ? nullptr : "/dev/null");
    const QString full = Device("full." + ext, makedev(1, 7), png ? nullptr : "/dev/full");
    if (null.isEmpty()) continue;
    // A null device takes the file; a full one fails with the reason, "error
    // 2!" first for a bitmap. Either stays a device.
    const ProgramRun r = Launch({command, a, null});
    EXPECT_EQ(r.exitCode, 0) << ext.toStdString() << ": " << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const QStringList args = {command, a, full};
    ExpectRefused(Launch(args), args, (ext == "bmp" ? "error 2! " : "") + Reason(ENOSPC));
    EXPECT_TRUE(fs::is_character_file(null.toStdString()) && fs::is_character_file(full.toStdString()));
  }
}

TEST_F(CliSafety, AFullDiskKeepsTheGoodFileAndNamesTheReason) {
  const QString a = Stereo16();
  // A tmpfs with room for the old file and part of a new one, in a mount
  // namespace of its own (needs root); otherwise a file size limit. Either
  // way the new file's first bytes are written and the rest fails. The room
  // is a multiple of 16 KiB, the buffer a writer might flush only on closing.
  const bool tmpfs = geteuid() == 0 && Launch({"-m", "true"}, {}, "unshare").exitCode == 0;
  const QString mount = Path("disk");
  ASSERT_TRUE(QDir(dir.path()).mkdir("disk"));
  for (const QString& ext : {QStringLiteral("csv"), QStringLiteral("bmp"), QStringLiteral("png"),
                             QStringLiteral("pdf")}) {
    const QString command = ext == "csv" ? "csv" : ext == "pdf" ? "report" : "render";
    const QString good = Path("good." + ext), after = Path("after." + ext), out = mount + "/out." + ext;
    ASSERT_EQ(Launch({command, a, good}).exitCode, 0);
    const QStringList args = {command, a, out, "--at", "100"};
    const qint64 oldPages = QFileInfo(good).size() / 4096 + 1;
    const qint64 room = std::max<qint64>(4096, QFileInfo(good).size() / 16384 * 16384);
    ProgramRun r;
    if (tmpfs) {
      // $1 the mount point, $2 the good file, $3 the output, $4 where the
      // output is copied to before the mount goes away; then the command.
      const QString script =
          QStringLiteral("mount -t tmpfs -o size=%1 tmpfs \"$1\" && cp \"$2\" \"$3\" || exit 99; "
                         "o=$3; c=$4; shift 4; \"$@\"; s=$?; cp \"$o\" \"$c\"; exit $s")
              .arg(oldPages * 4096 + room);
      r = Launch(QStringList{"-m", "sh", "-c", script, "sh", mount, good, out, after, ONDRIX_CLI} + args,
              {}, "unshare");
    } else {
      QFile::copy(good, out);
      r = Launch(args, [room](QProcess& p) {
        p.setChildProcessModifier([room] {
          std::signal(SIGXFSZ, SIG_IGN);
          const rlimit limit{rlim_t(room), RLIM_INFINITY};
          setrlimit(RLIMIT_FSIZE, &limit);
        });
      });
      QFile::copy(out, after);
    }
    ExpectRefused(r, args, Reason(tmpfs ? ENOSPC : EFBIG));
    EXPECT_EQ(ReadAll(after), ReadAll(good)) << ext.toStdString();
  }
}

TEST_F(CliSafety, AWritableFileInAReadOnlyFolderIsRewritten) {
  // As root every folder is writable: the program then runs as nobody, and
  // the files it needs are made reachable for that user.
  const bool root = geteuid() == 0;
  ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
  const QString a = Stereo16();
  ASSERT_EQ(Launch({"csv", a, Path("fresh.csv"), "--at", "10"}).exitCode, 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("ro"));
  const QString out = Path("ro/out.csv");
  QFile::copy(a, out);
  if (root) {
    ASSERT_EQ(chown(out.toLocal8Bit().constData(), 65534, 65534), 0);
  }
  ASSERT_EQ(chmod(out.toLocal8Bit().constData(), 0644), 0);
  ASSERT_EQ(chmod(Path("ro").toLocal8Bit().constData(), 0555), 0);
  auto runAs = [&](const QStringList& args) {
    if (!root) return Launch(args);
    return Launch(QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", ONDRIX_CLI} + args,
               {}, "setpriv");
  };

  const ProgramRun r = runAs({"csv", a, out, "--at", "10"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(ReadAll(out), ReadAll(Path("fresh.csv")));
  // A new file cannot be made there.
  const QStringList args = {"csv", a, Path("ro/new.csv")};
  ExpectRefused(runAs(args), args, Reason(EACCES));
  EXPECT_EQ(QDir(Path("ro")).entryList(QDir::Files | QDir::Hidden), QStringList{"out.csv"});
  chmod(Path("ro").toLocal8Bit().constData(), 0755);
}

TEST_F(CliSafety, InputsThatAreNoFilesAreRefusedAtOnceWithWhatTheyAre) {
  const QString a = Stereo16();
  ASSERT_EQ(mkfifo(Path("pipe").toLocal8Bit().constData(), 0600), 0);
  const QString out = Path("out.bmp");
  struct Case {
    QStringList args;
    const char* errorHas;
  };
  const Case cases[] = {
      {{"info", Path("pipe")}, "管道"},
      {{"measure", Path("pipe")}, "管道"},
      {{"csv", Path("pipe"), Path("out.csv")}, "管道"},
      {{"info", "/dev/zero"}, "设备"},
      {{"spectrum", dir.path()}, "文件夹"},
      {{"render", a, out, "--settings", dir.path()}, "文件夹"},
      {{"render", a, out, "--settings", "/dev/null"}, "设备"},
      {{"render", a, out, "--settings", Path("pipe")}, "管道"},
  };
  for (const Case& c : cases)
    ExpectRefused(Launch(c.args, {}, {}, 10000), c.args, QString::fromUtf8(c.errorHas));
  EXPECT_FALSE(QFile::exists(out));
}

TEST_F(CliSafety, OnlyTheFrameIsReadFromAHugeFile) {
  // A 16-bit stereo file of 3 GiB of data (sparse: zeros on disk cost
  // nothing) with 6000 frames of the test signal at element `at`, beyond
  // the 2 GiB a recording in the program may hold.
  const QString big = Stereo16();
  const quint32 dataBytes = 0xC0000000;
  const qint64 at = 1600000000;
  QByteArray signal = ReadAll(big).mid(46);
  {
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const char sizes[] = {'\x26', '\x00', '\x00', '\xC0', 'd', 'a', 't', 'a', '\x00', '\x00', '\x00', '\xC0'};
    ASSERT_TRUE(f.seek(4) && f.write(sizes, 4) == 4 && f.seek(38) && f.write(sizes + 4, 8) == 8);
    ASSERT_TRUE(f.resize(46 + qint64(dataBytes)));
    ASSERT_TRUE(f.seek(46 + at * 2) && f.write(signal) == signal.size());
  }
  ProgramRun r = Launch({"info", big});
  EXPECT_TRUE(r.out.contains(QStringLiteral("frames: %1").arg(dataBytes / 4))) << r.out.toStdString();

  // Measurements, spectrum, CSV and picture of a frame there are those of
  // the same frame in the small file.
  const QString small = Stereo16(QStringLiteral("small.wav"));
  auto json = [](const ProgramRun& run) {
    QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8()).object();
    o.remove("frame_start");
    return o;
  };
  for (const QStringList& command : {QStringList{"measure", "--json"}, QStringList{"spectrum", "--json", "--bins"}}) {
    const QJsonObject fromBig = json(Launch(command + QStringList{big, "--at", QString::number(at + 2)}));
    EXPECT_EQ(fromBig, json(Launch(command + QStringList{small, "--at", "2"}))) << command[0].toStdString();
    EXPECT_EQ(fromBig[command[0] == "measure" ? "ch1_frequency" : "ch1_peak_frequency"].toInt(),
              command[0] == "measure" ? 441 : 431);
  }
  ASSERT_EQ(Launch({"csv", big, Path("big.csv"), "--at", QString::number(at + 20)}).exitCode, 0);
  ASSERT_EQ(Launch({"csv", small, Path("small.csv"), "--at", "20"}).exitCode, 0);
  EXPECT_EQ(ReadAll(Path("big.csv")), ReadAll(Path("small.csv")));
  ASSERT_EQ(Launch({"render", big, Path("big.bmp"), "--at", QString::number(at + 20)}).exitCode, 0);
  ASSERT_EQ(Launch({"render", small, Path("small.bmp"), "--at", "20"}).exitCode, 0);
  EXPECT_EQ(ReadAll(Path("big.bmp")), ReadAll(Path("small.bmp")));
}

TEST_F(CliSafety, AWavFileSoxWroteToAPipeIsReadToItsEnd) {
  const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
  if (sox.isEmpty()) GTEST_SKIP() << "sox is not installed";
  const QString path = Path("streamed.wav");
  const ProgramRun made = Launch({"-c", QStringLiteral("\"$0\" -n -r 8000 -c 1 -b 16 -t wav - synth 0.5 sine 200 | "
                                                    "cat > \"$1\""),
                               sox, path},
                              {}, "sh");
  ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
  ProgramRun r = Launch({"info", path});
  EXPECT_TRUE(r.out.contains("frames: 4000")) << r.out.toStdString() << r.err.toStdString();
  r = Launch({"measure", path, "--at", "2976", "--json"});
  EXPECT_EQ(QJsonDocument::fromJson(r.out.toUtf8()).object()["ch1_frequency"].toInt(), 200) << r.err.toStdString();
}
