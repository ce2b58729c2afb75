// Every file writer of the program, run against the outputs that used to
// destroy data: named pipes and device nodes, a disk that fills up, and files
// whose permission bits must survive the rewrite.
#include "files/BitmapFile.h"
#include "files/CsvExport.h"
#include "files/WavFile.h"
#include "settings/RawRecordFile.h"
#include "settings/OutputFile.h"
#include "support/PipeReader.h"
#include "support/PrivateMounts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Writer {
  const char* name;
  std::function<bool(const QString& path, QString* error)> write;
};

const std::vector<Writer>& Writers() {
  static const std::vector<uint8_t> samples = {1, 2, 3, 4, 5, 6, 7};
  static const std::vector<uint32_t> pixels = {0x102030, 0x405060, 0x708090, 0xA0B0C0};
  static const std::array<int16_t, 2048> sample = [] {
    std::array<int16_t, 2048> s{};
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<int16_t>(i * 31 - 9000);
    return s;
  }();
  static const char record[88] = "a raw record image";
  static const std::vector<Writer> writers = {
      {"wav", [](const QString& p, QString* e) { return WriteWavFile(p, MakePcmFormat(1, 8000, 8), samples, e); }},
      {"bmp", [](const QString& p, QString* e) { return WriteBitmapFile(p, 2, 2, pixels.data(), 2, e); }},
      {"csv", [](const QString& p, QString* e) { return ExportCsv(sample, p, e); }},
      {"raw record", [](const QString& p, QString* e) { return WriteRawRecord(p, record, sizeof record, e); }},
  };
  return writers;
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

fs::path Fs(const QString& path) { return fs::path(path.toStdString()); }

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

constexpr uid_t kNobody = 65534;

// Runs the writer in a child process as the user nobody; whether it wrote,
// and its message.
std::pair<bool, QString> WriteAsNobody(const Writer& w, const QString& path) {
  int message[2];
  if (pipe(message) != 0) return {true, QStringLiteral("no pipe")};
  const pid_t child = fork();
  if (child == 0) {
    close(message[0]);
    QString error;
    const bool written =
        setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0 && w.write(path, &error);
    const QByteArray text = error.toUtf8();
    _exit(write(message[1], text.constData(), text.size()) == text.size() && !written ? 1 : 0);
  }
  close(message[1]);
  QByteArray text;
  char buffer[512];
  for (ssize_t n; (n = read(message[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  close(message[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return {!WIFEXITED(status) || WEXITSTATUS(status) != 1, QString::fromUtf8(text)};
}

// Writes to `path` until the file system has no room left.
void FillUp(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  const QByteArray block(4096, 'f');
  while (f.write(block) == block.size()) {
  }
}

// A device node of our own when we may make one (as root), so that a writer
// that replaces its output cannot harm the system's node; else the system's.
QString Device(const QTemporaryDir& dir, const char* name, dev_t device, const char* systemPath) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  return mknod(path.toLocal8Bit().constData(), S_IFCHR | 0666, device) == 0 ? path : QString::fromLatin1(systemPath);
}

}  // namespace

TEST(OutputSafety, PipesAndDevicesAreWrittenInPlace) {
  QTemporaryDir dir;
  const QString full = Device(dir, "full", makedev(1, 7), "/dev/full");
  const QString null = Device(dir, "null", makedev(1, 3), "/dev/null");
  for (const Writer& w : Writers()) {
    const QString file = dir.filePath(QStringLiteral("file-%1").arg(w.name));
    QString error;
    ASSERT_TRUE(w.write(file, &error)) << w.name << ": " << error.toStdString();

    // A named pipe with a reader: the reader gets the file, the pipe stays.
    // (Opening the reading end first without blocking keeps the writer's open
    // from waiting; every file here fits the pipe's buffer.)
    const QString fifo = dir.filePath(QStringLiteral("pipe-%1").arg(w.name));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const int reader = open(fifo.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(w.write(fifo, &error)) << w.name << ": " << error.toStdString();
    QByteArray received(1 << 17, '\0');
    const ssize_t n = read(reader, received.data(), received.size());
    close(reader);
    received.resize(std::max<ssize_t>(n, 0));
    EXPECT_EQ(received, ReadAll(file)) << w.name;
    EXPECT_TRUE(fs::is_fifo(Fs(fifo))) << w.name;

    // A full device: the failure names the reason. A null one takes the
    // file. Both stay devices.
    EXPECT_FALSE(w.write(full, &error)) << w.name;
    EXPECT_TRUE(error.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << w.name << ": " << error.toStdString();
    EXPECT_TRUE(fs::is_character_file(Fs(full))) << w.name;

    EXPECT_TRUE(w.write(null, &error)) << w.name << ": " << error.toStdString();
    EXPECT_TRUE(fs::is_character_file(Fs(null))) << w.name;
  }
}

TEST(OutputSafety, ANamedPipeNoOneReadsIsRefusedAtOnceUnlessAReaderIsAwaited) {
  using namespace std::chrono_literals;
  QTemporaryDir dir;
  const QString fifo = dir.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  for (const Writer& w : Writers()) {
    SCOPED_TRACE(w.name);
    PipeReader late(fifo, 5s);
    QString error;
    EXPECT_FALSE(w.write(fifo, &error));
    EXPECT_FALSE(late.Finish()) << "the write waited for a reader";
    EXPECT_TRUE(error.contains(QStringLiteral("没有程序在读取这个命名管道"))) << error.toStdString();
    EXPECT_TRUE(fs::is_fifo(Fs(fifo)));
  }
  // Asked to, a writer waits for the reader that comes later.
  PipeReader reader(fifo, 300ms);
  QString error;
  EXPECT_TRUE(WriteOutputFile(fifo, "the bytes", OutputOptions{.inputs = {}, .waitForReader = true}, &error)) << error.toStdString();
  EXPECT_TRUE(reader.Finish());
  EXPECT_EQ(reader.Received(), "the bytes");
}

TEST(OutputSafety, AFailedRewriteKeepsTheOldFileAndASuccessfulOneItsModeBits) {
  QTemporaryDir dir;
  // One mode per writer; as root also modes that forbid writing.
  const bool root = geteuid() == 0;
  const mode_t modes[] = {04755, 01640, mode_t(root ? 0444 : 0604), mode_t(root ? 0000 : 0640)};
  const QByteArray old = "the good old file";
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  std::signal(SIGXFSZ, SIG_IGN);
  for (std::size_t i = 0; i < Writers().size(); ++i) {
    const Writer& w = Writers()[i];
    const QString path = dir.filePath(QString::fromLatin1(w.name));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
    f.close();
    ASSERT_EQ(chmod(path.toLocal8Bit().constData(), modes[i]), 0);

    // Writes past 40 bytes (every writer's file is longer) fail with EFBIG,
    // as they would with ENOSPC on a full disk.
    rlimit limit = unlimited;
    limit.rlim_cur = 40;
    setrlimit(RLIMIT_FSIZE, &limit);
    QString error;
    const bool written = w.write(path, &error);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_FALSE(written) << w.name;
    EXPECT_TRUE(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << w.name << ": " << error.toStdString();
    EXPECT_EQ(ReadAll(path), old) << w.name;

    EXPECT_TRUE(w.write(path, &error)) << w.name << ": " << error.toStdString();
    EXPECT_NE(ReadAll(path), old) << w.name;
    struct stat st {};
    ASSERT_EQ(stat(path.toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, modes[i]) << w.name << ": " << std::oct << (st.st_mode & 07777);
  }
  std::signal(SIGXFSZ, SIG_DFL);
  // No temporary file is left behind.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), Writers().size());
}

TEST(OutputSafety, AFullDiskOrAFolderThatTakesNoNewFileLeavesTheOldFileWhole) {
  QTemporaryDir dir;
  PrivateMounts mounts;
  if (geteuid() != 0 || !mounts.Unavailable().isEmpty())
    GTEST_SKIP() << "needs root to mount a small disk and to write as another user: "
                 << mounts.Unavailable().toStdString();
  // A 64 KiB file system, full, holding two good files: `out`, and `ro/out`
  // which the user nobody may write in a folder where nobody may make no file.
  const QString disk = dir.filePath("disk");
  QString error;
  ASSERT_TRUE(QDir(dir.path()).mkdir("disk") && chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
  ASSERT_TRUE(mounts.Tmpfs(disk, 64 * 1024, &error)) << error.toStdString();
  const QByteArray old(20000, 'o');
  ASSERT_TRUE(QDir(disk).mkdir("ro") && WriteAll(disk + "/out", old) && WriteAll(disk + "/ro/out", old));
  ASSERT_EQ(chown(QFile::encodeName(disk + "/ro/out").constData(), kNobody, kNobody), 0);
  ASSERT_EQ(chmod(QFile::encodeName(disk + "/ro").constData(), 0555), 0);
  FillUp(disk + "/fill");

  for (const Writer& w : Writers()) {
    SCOPED_TRACE(w.name);
    EXPECT_FALSE(w.write(disk + "/out", &error));
    EXPECT_TRUE(error.contains(Reason(ENOSPC))) << error.toStdString();
    EXPECT_EQ(ReadAll(disk + "/out"), old);

    const auto [written, why] = WriteAsNobody(w, disk + "/ro/out");
    EXPECT_FALSE(written);
    EXPECT_TRUE(why.contains(Reason(EACCES))) << why.toStdString();
    EXPECT_EQ(ReadAll(disk + "/ro/out"), old);
  }
  EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden), (QStringList{"fill", "out"}));
  EXPECT_EQ(QDir(disk + "/ro").entryList(QDir::Files | QDir::Hidden), QStringList{"out"});
}

TEST(OutputSafety, NamesAsLongAsTheSystemAllowsAreReplaced) {
  QTemporaryDir dir;
  for (const int length : {249, 255}) {
    const QString path = dir.filePath(QString(length - 4, QLatin1Char('n')) + QStringLiteral(".out"));
    for (const Writer& w : Writers()) {
      SCOPED_TRACE(testing::Message() << w.name << ", " << length << " bytes");
      ASSERT_TRUE(WriteAll(path, "the good old file"));
      QString error;
      EXPECT_TRUE(w.write(path, &error)) << error.toStdString();
      EXPECT_NE(ReadAll(path), "the good old file");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    QFile::remove(path);
  }
}
