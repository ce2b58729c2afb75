#include "settings/SettingsRecord.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

int32_t I32At(const QByteArray& b, int offset) {
  int32_t v;
  std::memcpy(&v, b.constData() + offset, 4);
  return v;
}

SettingsRecord Sample() {
  SettingsRecord r = DefaultSettings();
  r.channels = 1;
  r.sampleRate = 22050;
  r.bitsPerSample = 8;
  r.ch1Color = 0x00112233;
  r.ch2Color = 0x00445566;
  r.coordSystem = Millivolt;
  r.logicRef = 1200;
  r.voltageRefMv = 350.5f;
  r.timeUnit = Microseconds;
  r.calibrationOffset = -123;
  r.triggerEdge = 1;
  r.triggerLevel = 400;
  r.triggerIndex = 77;
  r.ch1Phase = 5;
  r.ch2Phase = -5;
  r.ch1Baseline = 12;
  r.ch2Baseline = -12;
  r.gainDivisor = 4;
  r.ch1Frequency = 1000;
  r.ch2Frequency = 2000;
  r.ch1Rms = 11.5f;
  r.ch2Rms = 22.5f;
  return r;
}

}  // namespace

TEST(SettingsRecord, FileIsTheLittleEndianImageWithFieldsAtTheirOffsets) {
  QTemporaryDir dir;
  const QString path = dir.filePath("setting.ini");
  QString error;
  ASSERT_TRUE(SaveSettingsRecord(path, Sample(), &error)) << error.toStdString();
  const QByteArray b = ReadAll(path);
  ASSERT_EQ(b.size(), 88);
  EXPECT_EQ(uint8_t(b[0]), 1);
  EXPECT_EQ(uint8_t(b[1]), 0);
  EXPECT_EQ(I32At(b, 4), 22050);
  EXPECT_EQ(uint8_t(b[8]), 8);
  EXPECT_EQ(I32At(b, 12), 0x00112233);
  EXPECT_EQ(I32At(b, 16), 0x00445566);
  EXPECT_EQ(I32At(b, 20), Millivolt);
  EXPECT_EQ(I32At(b, 24), 1200);
  float mv;
  std::memcpy(&mv, b.constData() + 28, 4);
  EXPECT_EQ(mv, 350.5f);
  EXPECT_EQ(I32At(b, 32), Microseconds);
  EXPECT_EQ(uint8_t(b[36]), 0x85);  // -123 as 16 bits: 0xFF85
  EXPECT_EQ(uint8_t(b[37]), 0xFF);
  EXPECT_EQ(I32At(b, 44), 400);
  EXPECT_EQ(I32At(b, 48), 77);
  EXPECT_EQ(I32At(b, 68), 4);
  EXPECT_EQ(I32At(b, 72), 1000);
  EXPECT_EQ(I32At(b, 76), 2000);
}

TEST(SettingsRecord, LoadKeepsPersistentFieldsAndResetsLiveOnes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("setting.ini");
  ASSERT_TRUE(SaveSettingsRecord(path, Sample(), nullptr));

  SettingsRecord r{};
  ASSERT_TRUE(LoadSettingsRecord(path, r));
  EXPECT_EQ(r.channels, 1);
  EXPECT_EQ(r.sampleRate, 22050);
  EXPECT_EQ(r.bitsPerSample, 8);
  EXPECT_EQ(r.triggerLevel, 400);
  EXPECT_EQ(r.coordSystem, Millivolt);
  EXPECT_EQ(r.timeUnit, Microseconds);
  EXPECT_EQ(r.ch1Color, 0x00112233u);
  EXPECT_EQ(r.ch2Color, 0x00445566u);
  EXPECT_EQ(r.logicRef, 1200);
  EXPECT_EQ(r.voltageRefMv, 350.5f);
  EXPECT_EQ(r.calibrationOffset, -123);
  // Live values never persist...
  EXPECT_EQ(r.triggerEdge, 0);
  EXPECT_EQ(r.triggerIndex, 0);
  EXPECT_EQ(r.ch1Phase, 0);
  EXPECT_EQ(r.ch2Phase, 0);
  EXPECT_EQ(r.ch1Baseline, 0);
  EXPECT_EQ(r.ch2Baseline, 0);
  EXPECT_EQ(r.gainDivisor, 32);
  EXPECT_EQ(r.ch1Rms, 0.0f);
  // ...except the measurements that are not reset until the next measurement.
  EXPECT_EQ(r.ch1Frequency, 1000);
  EXPECT_EQ(r.ch2Frequency, 2000);
  EXPECT_EQ(r.ch2Rms, 22.5f);
}

TEST(SettingsRecord, MissingFileGivesWorkingDefaults) {
  QTemporaryDir dir;
  SettingsRecord r = Sample();
  EXPECT_FALSE(LoadSettingsRecord(dir.filePath("none.ini"), r));
  EXPECT_EQ(r.channels, 2);
  EXPECT_EQ(r.sampleRate, 44100);
  EXPECT_EQ(r.bitsPerSample, 16);
  EXPECT_NE(r.ch1Color, r.ch2Color);
  EXPECT_EQ(r.coordSystem, LogicLevel);
  EXPECT_EQ(r.logicRef, 1);
  EXPECT_EQ(r.voltageRefMv, 1.0f);
  EXPECT_EQ(r.timeUnit, Milliseconds);
  EXPECT_EQ(r.calibrationOffset, 0);
  EXPECT_EQ(r.gainDivisor, 32);
}

TEST(SettingsRecord, ShortFileFillsOnlyTheLeadingBytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("setting.ini");
  // channels = 1, padding, then the low half of sampleRate = 22050.
  WriteAll(path, QByteArray::fromHex("010000002256"));
  SettingsRecord r = Sample();
  ASSERT_TRUE(LoadSettingsRecord(path, r));
  EXPECT_EQ(r.channels, 1);
  EXPECT_EQ(r.sampleRate, 22050);
  EXPECT_EQ(r.triggerLevel, 0);     // zero, not the earlier value
  EXPECT_EQ(r.ch1Color, 0u);        // zero from the short file
  EXPECT_EQ(r.bitsPerSample, 16);   // zero is no bit depth: repaired
  EXPECT_EQ(r.logicRef, 1);         // divisors never zero
  EXPECT_EQ(r.voltageRefMv, 1.0f);
}

TEST(SettingsRecord, ValuesThatWouldBreakTheEngineAreRepairedAlone) {
  QTemporaryDir dir;
  const QString path = dir.filePath("setting.ini");
  SettingsRecord bad = Sample();
  bad.channels = 3;
  bad.sampleRate = 0;
  bad.bitsPerSample = 24;
  bad.logicRef = -5;
  bad.voltageRefMv = 0.0f;
  ASSERT_TRUE(SaveSettingsRecord(path, bad, nullptr));
  SettingsRecord r{};
  LoadSettingsRecord(path, r);
  EXPECT_EQ(r.channels, 2);
  EXPECT_EQ(r.sampleRate, 44100);
  EXPECT_EQ(r.bitsPerSample, 16);
  EXPECT_EQ(r.logicRef, 1);
  EXPECT_EQ(r.voltageRefMv, 1.0f);
  EXPECT_EQ(r.triggerLevel, 400);  // the rest is the file's
  EXPECT_EQ(r.ch1Color, 0x00112233u);

  bad.sampleRate = -44100;
  ASSERT_TRUE(SaveSettingsRecord(path, bad, nullptr));
  LoadSettingsRecord(path, r);
  EXPECT_EQ(r.sampleRate, 44100);
}

TEST(SettingsRecord, LongerFileReadsOnlyTheRecord) {
  QTemporaryDir dir;
  const QString path = dir.filePath("setting.ini");
  ASSERT_TRUE(SaveSettingsRecord(path, Sample(), nullptr));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write(QByteArray(100, '\x7f'));
  f.close();
  SettingsRecord r{};
  ASSERT_TRUE(LoadSettingsRecord(path, r));
  EXPECT_EQ(r.ch2Rms, 22.5f);
  EXPECT_EQ(r.sampleRate, 22050);
}

TEST(SettingsRecord, FailedSaveReportsAndLeavesNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath("no/such/dir/setting.ini");
  QString error;
  EXPECT_FALSE(SaveSettingsRecord(path, Sample(), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

TEST(SettingsRecord, SaveReplacesAnOlderLongerFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath("setting.ini");
  WriteAll(path, QByteArray(200, 'x'));
  ASSERT_TRUE(SaveSettingsRecord(path, Sample(), nullptr));
  EXPECT_EQ(ReadAll(path).size(), 88);
}
