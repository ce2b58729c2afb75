#include "settings/SettingsRecord.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>

#include <sys/stat.h>

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

QByteArray Image(const SettingsRecord& r) { return QByteArray(reinterpret_cast<const char*>(&r), sizeof r); }

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
  RecordRepairs repairs;
  repairs.shortFileBytes = 1;
  EXPECT_FALSE(LoadSettingsRecord(dir.filePath("none.ini"), r, &repairs));
  EXPECT_FALSE(repairs.Any());  // nothing to say about a file that is not there
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

TEST(SettingsRecord, FieldsBeyondTheEndOfAShortFileTakeTheDefaults) {
  QTemporaryDir dir;
  const QString path = dir.filePath("setting.ini");
  const QByteArray full = Image(Sample());
  const QByteArray defaults = Image(DefaultSettings());
  // The file's length and how many leading bytes of it are whole fields
  // (a field cut off by the end keeps its default too).
  const struct {
    int length;
    int whole;
  } cases[] = {{0, 0}, {6, 4}, {14, 12}, {37, 36}, {40, 40}, {87, 84}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    WriteAll(path, full.left(c.length));
    SettingsRecord r{};
    RecordRepairs repairs;
    ASSERT_TRUE(LoadSettingsRecord(path, r, &repairs));
    SettingsRecord expected;
    const QByteArray image = full.left(c.whole) + defaults.mid(c.whole);
    std::memcpy(&expected, image.constData(), sizeof expected);
    ApplyLoadResets(expected);
    EXPECT_EQ(Image(r).toHex(), Image(expected).toHex());
    EXPECT_EQ(repairs.shortFileBytes, c.length);
    EXPECT_TRUE(repairs.outOfRange.isEmpty());
  }
  // A short file keeps working colours: not black traces on a black plot.
  WriteAll(path, full.left(12));
  SettingsRecord r{};
  LoadSettingsRecord(path, r);
  EXPECT_EQ(r.ch1Color, DefaultSettings().ch1Color);
  EXPECT_EQ(r.ch2Color, DefaultSettings().ch2Color);
}

TEST(SettingsRecord, OutOfRangeFieldsTakeTheirDefaultsAndAreNamed) {
  QTemporaryDir dir;
  const QString path = dir.filePath("setting.ini");
  const QByteArray defaults = Image(DefaultSettings());
  // One field at a time, stored as `bits` in `width` bytes at `offset`.
  const struct {
    const char* field;
    int offset;
    int width;
    int64_t bits;
    bool inRange;
  } cases[] = {
      {"channels", 0, 2, 0, false},           {"channels", 0, 2, 2, true},
      {"sampleRate", 4, 4, 1999, false},      {"sampleRate", 4, 4, 2000, true},
      {"sampleRate", 4, 4, 200000, true},     {"sampleRate", 4, 4, 200001, false},
      {"sampleRate", 4, 4, -44100, false},    {"bitsPerSample", 8, 2, 12, false},
      {"ch1Color", 12, 4, 0x00FFFFFF, true},  {"ch1Color", 12, 4, 0x01000000, false},
      {"ch2Color", 16, 4, 0xFF00FF00, false}, {"coordSystem", 20, 4, 2, true},
      {"coordSystem", 20, 4, 3, false},       {"coordSystem", 20, 4, -1, false},
      {"logicRef", 24, 4, 0, false},          {"voltageRefMv", 28, 4, 0x3F800000, true},  // 1.0f
      {"voltageRefMv", 28, 4, 0x7FC00000, false},                                          // NaN
      // At most 32768 mV per sample unit: logicRef is 1200.
      {"voltageRefMv", 28, 4, std::bit_cast<uint32_t>(39321600.0f), true},
      {"voltageRefMv", 28, 4, std::bit_cast<uint32_t>(39321604.0f), false},
      {"voltageRefMv", 28, 4, 0x7F7FFFFF, false},  // the largest float, 3.4e38
      {"timeUnit", 32, 4, 1, true},           {"timeUnit", 32, 4, 2, false},
      {"calibrationOffset", 36, 2, -32000, true}, {"calibrationOffset", 36, 2, 32000, true},
      {"calibrationOffset", 36, 2, 32001, false}, {"calibrationOffset", 36, 2, -32001, false},
      {"triggerEdge", 40, 4, 1, true},        {"triggerEdge", 40, 4, 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.field << " = " << c.bits);
    QByteArray file = Image(Sample());
    std::memcpy(file.data() + c.offset, &c.bits, c.width);  // little-endian: the low bytes
    WriteAll(path, file);
    SettingsRecord r{};
    RecordRepairs repairs;
    ASSERT_TRUE(LoadSettingsRecord(path, r, &repairs));
    QByteArray expectedImage = file;
    if (!c.inRange) expectedImage.replace(c.offset, c.width, defaults.mid(c.offset, c.width));
    SettingsRecord expected;
    std::memcpy(&expected, expectedImage.constData(), sizeof expected);
    ApplyLoadResets(expected);
    EXPECT_EQ(Image(r).toHex(), Image(expected).toHex());
    EXPECT_EQ(repairs.outOfRange, c.inRange ? QStringList() : QStringList{c.field});
    EXPECT_EQ(repairs.Any(), !c.inRange);
  }
}

TEST(SettingsRecord, RepairNoteNamesTheFileAndWhatWasMended) {
  RecordRepairs repairs;
  repairs.recordBytes = 88;
  repairs.shortFileBytes = 40;
  repairs.outOfRange = {"sampleRate", "coordSystem"};
  EXPECT_EQ(RepairStatusText("setting.ini", repairs),
            QStringLiteral("setting.ini 已修复：文件只有 40 字节（应为 88 字节），缺少的设置取默认值；"
                           "超出范围的 sampleRate、coordSystem 已恢复为默认值"));
  repairs.shortFileBytes = -1;
  EXPECT_EQ(RepairStatusText("wavedata.ini", repairs),
            QStringLiteral("wavedata.ini 已修复：超出范围的 sampleRate、coordSystem 已恢复为默认值"));
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

TEST(SettingsRecord, AFileThatCannotBeTheRecordIsNotedAndLeftAsItIs) {
  QTemporaryDir dir;
  const QByteArray record = Image(Sample());
  const struct {
    const char* what;
    std::function<void(const QString& path)> make;
    bool defaults;      // nothing of the file is taken
    const char* noted;  // part of the status note
  } cases[] = {
      {"a folder", [](const QString& p) { QDir().mkdir(p); }, true, "文件夹"},
      {"a named pipe", [](const QString& p) { mkfifo(QFile::encodeName(p).constData(), 0600); }, true, "管道"},
      {"a link to /dev/zero", [](const QString& p) { QFile::link("/dev/zero", p); }, true, "设备"},
      {"a link to nothing", [](const QString& p) { QFile::link("nothing.ini", p); }, true, "nothing.ini"},
      {"89 bytes", [&](const QString& p) { WriteAll(p, record + 'x'); }, false, "89 字节"},
      {"1 MiB", [&](const QString& p) { WriteAll(p, record + QByteArray((1 << 20) - 88, 'x')); }, false,
       "1048576 字节"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = dir.filePath(QString::number(&c - cases) + ".ini");
    c.make(path);
    const QFileInfo before(path);
    SettingsRecord r{};
    RecordRepairs repairs;
    EXPECT_EQ(LoadSettingsRecord(path, r, &repairs), !c.defaults);
    SettingsRecord expected = c.defaults ? DefaultSettings() : Sample();
    ApplyLoadResets(expected);
    EXPECT_EQ(Image(r).toHex(), Image(expected).toHex());
    ASSERT_TRUE(repairs.Any());
    const QString note = RepairStatusText("setting.ini", repairs);
    EXPECT_TRUE(note.startsWith("setting.ini 已修复：") && note.contains(QString::fromUtf8(c.noted)))
        << note.toStdString();
    const QFileInfo after(path);
    EXPECT_TRUE(after.isSymLink() == before.isSymLink() && after.size() == before.size());
  }
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
