#include "settings/GeneratorParams.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

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

TEST(GeneratorParams, MissingOrShortFileGivesDefaults) {
  QTemporaryDir dir;
  const GeneratorParams defaults = DefaultGeneratorParams();
  GeneratorParams p{};
  EXPECT_FALSE(LoadGeneratorParams(dir.filePath("none.ini"), p));
  EXPECT_EQ(p.functionMode, 1);
  EXPECT_GT(p.leftFreq, 0);
  EXPECT_GT(p.leftPeak, 0);
  EXPECT_EQ(0, std::memcmp(&p, &defaults, sizeof p));

  const QString path = dir.filePath("short.ini");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  // 31 bytes: everything but the top byte of the rise time.
  f.write(QByteArray::fromHex("00000000" "01000000" "03000000" "e8030000" "d0070000" "00400000" "00400000" "640000"));
  f.close();
  p = GeneratorParams{};
  EXPECT_FALSE(LoadGeneratorParams(path, p));
  EXPECT_EQ(0, std::memcmp(&p, &defaults, sizeof p));
}
