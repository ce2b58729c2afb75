#include "settings/GeneratorParams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <sys/stat.h>

TEST(GeneratorParams, FileIsThe32ByteImage) {
  QTemporaryDir dir;
  const QString path = dir.filePath("wavedata.ini");
  GeneratorParams p{};
  p.functionMode = 1;
  p.leftWave = Square;
  p.rightWave = Sawtooth;
  p.leftFreq = 440;
  p.rightFreq = 0x01020304;
  p.leftPeak = 32767;
  p.rightPeak = 10;
  p.sweepRiseMs = 250;
  QString error;
  ASSERT_TRUE(SaveGeneratorParams(path, p, &error)) << error.toStdString();

  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray b = f.readAll();
  ASSERT_EQ(b.size(), 32);
  EXPECT_EQ(b.toHex(),
            QByteArray("01000000" "02000000" "03000000" "b8010000" "04030201" "ff7f0000" "0a000000" "fa000000"));

  GeneratorParams back{};
  ASSERT_TRUE(LoadGeneratorParams(path, back));
  EXPECT_EQ(back.leftWave, Square);
  EXPECT_EQ(back.rightFreq, 0x01020304);
  EXPECT_EQ(back.sweepRiseMs, 250);
}

namespace {

QByteArray Image(const GeneratorParams& p) { return QByteArray(reinterpret_cast<const char*>(&p), sizeof p); }

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

// A sweep of 440 Hz to 880 Hz over 250 ms, a square left and sawtooth right.
GeneratorParams Sample() {
  GeneratorParams p{};
  p.functionMode = 0;
  p.leftWave = Square;
  p.rightWave = Sawtooth;
  p.leftFreq = 440;
  p.rightFreq = 880;
  p.leftPeak = 10;
  p.rightPeak = 32767;
  p.sweepRiseMs = 250;
  return p;
}

}  // namespace

TEST(GeneratorParams, MissingFileGivesDefaults) {
  QTemporaryDir dir;
  const GeneratorParams defaults = DefaultGeneratorParams();
  GeneratorParams p{};
  RecordRepairs repairs;
  EXPECT_FALSE(LoadGeneratorParams(dir.filePath("none.ini"), p, &repairs));
  EXPECT_EQ(p.functionMode, 1);
  EXPECT_GT(p.leftFreq, 0);
  EXPECT_GT(p.leftPeak, 0);
  EXPECT_EQ(0, std::memcmp(&p, &defaults, sizeof p));
  EXPECT_FALSE(repairs.Any());
}

TEST(GeneratorParams, AFolderOrAPipeGivesTheDefaultsWithANote) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir().mkdir(dir.filePath("folder")));
  ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
  for (const char* name : {"folder", "pipe"}) {
    GeneratorParams p{};
    RecordRepairs repairs;
    EXPECT_FALSE(LoadGeneratorParams(dir.filePath(name), p, &repairs)) << name;
    EXPECT_EQ(Image(p).toHex(), Image(DefaultGeneratorParams()).toHex()) << name;
    EXPECT_TRUE(RepairStatusText("wavedata.ini", repairs).contains(name == std::string("folder") ? "文件夹" : "管道"))
        << name;
  }
}

TEST(GeneratorParams, FieldsBeyondTheEndOfAShortFileTakeTheDefaults) {
  QTemporaryDir dir;
  const QString path = dir.filePath("wavedata.ini");
  const QByteArray full = Image(Sample());
  const QByteArray defaults = Image(DefaultGeneratorParams());
  // The file's length and how many leading bytes of it are whole fields.
  const struct {
    int length;
    int whole;
  } cases[] = {{0, 0}, {1, 1}, {3, 1}, {4, 4}, {14, 12}, {31, 28}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    WriteAll(path, full.left(c.length));
    GeneratorParams p{};
    RecordRepairs repairs;
    ASSERT_TRUE(LoadGeneratorParams(path, p, &repairs));
    EXPECT_EQ(Image(p).toHex(), (full.left(c.whole) + defaults.mid(c.whole)).toHex());
    EXPECT_EQ(repairs.shortFileBytes, c.length);
    EXPECT_TRUE(repairs.outOfRange.isEmpty());
  }
}
