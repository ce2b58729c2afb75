// Which WAV files ProbeWavFile/ReadWavData accept, what they find in them, and
// that broken or unsupported files are refused with a reason.
#include "files/WavFile.h"
#include "files/WavTestBytes.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

const QByteArray kSamples = QByteArray("\x10\x20\x30\x40\x50\x60\x70\x80\x90\xA0", 10);

QByteArray Pcm16Stereo() {
  return Riff(Chunk("fmt ", Fmt(1, 2, 44100, 16)) + Chunk("data", kSamples));
}

QString Save(const QTemporaryDir& dir, const QByteArray& bytes, const char* name = "in.wav") {
  const QString path = dir.filePath(QString::fromLatin1(name));
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  return path;
}

QByteArray ReadData(const QString& path, const WavLayout& layout) {
  QByteArray out;
  QString reason;
  const bool ok = ReadWavData(path, layout, [&](const uint8_t* p, std::size_t n) {
    out.append(reinterpret_cast<const char*>(p), qsizetype(n));
    return true;
  }, &reason, 3);
  EXPECT_TRUE(ok) << reason.toStdString();
  return out;
}

QByteArray RunSox(const QStringList& args, const QString& output) {
  QProcess p;
  p.start(QStringLiteral("sox"), args);
  EXPECT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  QFile f(output);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(WavReader, OpensFilesMadeBySox) {
  if (QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty())
    GTEST_SKIP() << "sox is not installed";
  struct Case { uint16_t channels; uint32_t rate; uint16_t bits; };
  for (const Case c : {Case{1, 22050, 8}, Case{2, 44100, 16}}) {
    SCOPED_TRACE(c.rate);
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("s.wav")), raw = dir.filePath(QStringLiteral("s.raw"));
    RunSox({"-n", "-r", QString::number(c.rate), "-c", QString::number(c.channels), "-b",
            QString::number(c.bits), wav, "synth", "0.1", "sine", "440"}, wav);
    // sox's own idea of the samples, without any header.
    const QByteArray samples = RunSox({wav, "-t", "raw", raw}, raw);

    const WavProbe probe = ProbeWavFile(wav);
    ASSERT_TRUE(probe.ok) << probe.reason.toStdString();
    EXPECT_EQ(probe.layout.format, MakePcmFormat(c.channels, c.rate, c.bits));
    EXPECT_EQ(probe.layout.dataBytes, c.rate / 10 * c.channels * c.bits / 8);
    EXPECT_EQ(ReadData(wav, probe.layout), samples);
  }
}

TEST(WavReader, SkipsOtherChunksAndNormalisesTheFormat) {
  QTemporaryDir dir;
  // An odd-sized chunk before "fmt " (walked past with its pad byte), an
  // odd-sized fmt chunk longer than the record, LIST and fact chunks between
  // fmt and data.
  const QByteArray bytes =
      Riff(Chunk("junk", "abc") + Chunk("fmt ", Fmt(1, 1, 8000, 16) + Le(0, 2) + "ext") +
           Chunk("LIST", "INFOICMT" + Le(2, 4) + "x") + Chunk("fact", Le(5, 4)) +
           Chunk("data", kSamples) + Chunk("LIST", "after"));
  const QString path = Save(dir, bytes);
  const WavProbe probe = ProbeWavFile(path);
  ASSERT_TRUE(probe.ok) << probe.reason.toStdString();
  EXPECT_EQ(probe.layout.format, MakePcmFormat(1, 8000, 16));
  EXPECT_EQ(probe.layout.dataOffset, bytes.indexOf("data") + 8);
  EXPECT_EQ(ReadData(path, probe.layout), kSamples);

  // Extensible PCM comes back as plain PCM with no extra bytes; a wrong
  // block align and byte rate in the file are replaced by derived ones.
  QByteArray ext = Extensible(2, 48000, 16, 1);
  ext.replace(8, 6, Le(1, 4) + Le(1, 2));
  const WavProbe extensible = ProbeWavFile(Save(dir, Riff(Chunk("fmt ", ext) + Chunk("data", kSamples)), "e.wav"));
  ASSERT_TRUE(extensible.ok) << extensible.reason.toStdString();
  EXPECT_EQ(extensible.layout.format, MakePcmFormat(2, 48000, 16));
}

TEST(WavReader, ToleratesAWrongRiffSizeAndEmptyData) {
  QTemporaryDir dir;
  for (const uint32_t riffSize : {0u, 10u, 0xFFFFFFFFu}) {
    QByteArray bytes = Pcm16Stereo();
    bytes.replace(4, 4, Le(riffSize, 4));
    const WavProbe probe = ProbeWavFile(Save(dir, bytes));
    EXPECT_TRUE(probe.ok) << riffSize << ": " << probe.reason.toStdString();
    EXPECT_EQ(probe.layout.dataBytes, 10u);
  }
  const WavProbe empty = ProbeWavFile(Save(dir, Riff(Chunk("fmt ", Fmt(1, 1, 8000, 8)) + Chunk("data", {}))));
  ASSERT_TRUE(empty.ok) << empty.reason.toStdString();
  EXPECT_EQ(empty.layout.dataBytes, 0u);
}

TEST(WavReader, RefusesBrokenAndUnsupportedFilesWithAReason) {
  const QByteArray good = Pcm16Stereo();
  const int dataAt = good.indexOf("data");
  QByteArray garbage;
  for (int i = 0; i < 200; ++i) garbage.append(char(i * 37 + 11));
  auto withData = [](const QByteArray& fmtBody) {
    return Riff(Chunk("fmt ", fmtBody) + Chunk("data", kSamples));
  };
  QByteArray lyingFmt = good;
  lyingFmt.replace(16, 4, Le(0xFFFFFFF0, 4));

  struct Case { const char* name; QByteArray bytes; const char* reasonHas; };
  const Case cases[] = {
      {"empty", {}, "空"},
      {"garbage", garbage, "不是 WAV"},
      {"RIFF of another form", Riff(Chunk("fmt ", Fmt(1, 1, 8000, 8)), "AVI "), "不是 WAV"},
      {"too short for a header", good.left(10), "不是 WAV"},
      {"cut inside fmt", good.left(30), "截断"},
      {"cut inside the data header", good.left(dataAt + 3), "截断"},
      {"fmt size 0xFFFFFFF0", lyingFmt, "截断"},
      {"no fmt", Riff(Chunk("data", kSamples)), "fmt"},
      {"fmt shorter than 16", withData(Fmt(1, 1, 8000, 8).left(14)), "太短"},
      {"no data", Riff(Chunk("fmt ", Fmt(1, 1, 8000, 8)) + Chunk("LIST", "xy")), "data"},
      {"data only before fmt", Riff(Chunk("data", kSamples) + Chunk("fmt ", Fmt(1, 1, 8000, 8))), "data"},
      {"24 bits", withData(Fmt(1, 2, 44100, 24)), "24 位"},
      {"3 channels", withData(Fmt(1, 3, 44100, 16)), "3 个声道"},
      {"float tag 3", withData(Fmt(3, 2, 44100, 32)), "PCM"},
      {"extensible float", withData(Extensible(2, 44100, 16, 3)), "PCM"},
      {"extensible ambisonic PCM",  // first GUID bytes as for PCM, the rest not
       withData(Extensible(2, 44100, 16, 1, "\x00\x00\x21\x07\xD3\x11\x86\x44\xC8\xC1\xCA\x00\x00\x00")), "PCM"},
      {"extensible without subformat", withData(Fmt(0xFFFE, 2, 44100, 16) + Le(0, 2)), "太短"},
      {"rate 0", withData(Fmt(1, 1, 0, 8)), "采样率"},
      {"rate above INT32_MAX", withData(Fmt(1, 1, 0x80000000u, 8)), "采样率"},
  };
  QTemporaryDir dir;
  for (const Case& c : cases) {
    const WavProbe probe = ProbeWavFile(Save(dir, c.bytes));
    EXPECT_FALSE(probe.ok) << c.name;
    EXPECT_TRUE(probe.reason.contains(QString::fromUtf8(c.reasonHas)))
        << c.name << ": " << probe.reason.toStdString();
  }
  const WavProbe missing = ProbeWavFile(dir.filePath(QStringLiteral("nothing.wav")));
  EXPECT_FALSE(missing.ok);
  EXPECT_FALSE(missing.reason.isEmpty());
}

TEST(WavReader, AFileStreamedThroughAPipeIsReadToItsEnd) {
  // Writers that cannot seek back leave a placeholder in the sizes. The data
  // then runs to the end of the file, whole frames only.
  QTemporaryDir dir;
  for (const uint32_t placeholder : {0xFFFFFFFFu, 0x7FFFF000u}) {
    QByteArray bytes = Pcm16Stereo();
    bytes.replace(4, 4, Le(placeholder, 4));
    bytes.replace(bytes.indexOf("data") + 4, 4, Le(placeholder, 4));
    const QString path = Save(dir, bytes);
    const WavProbe probe = ProbeWavFile(path);
    ASSERT_TRUE(probe.ok) << probe.reason.toStdString();
    EXPECT_EQ(probe.layout.dataBytes, 8u);  // 10 bytes of 4-byte frames
    QByteArray data;
    QString reason;
    EXPECT_TRUE(ReadWavData(path, probe.layout, [&](const uint8_t* d, std::size_t n) {
      data.append(reinterpret_cast<const char*>(d), qsizetype(n));
      return true;
    }, &reason));
    EXPECT_EQ(data, kSamples.left(8));
  }
}

TEST(WavReader, AFileWhoseDataRunsPastItsEndIsReadToItsEndWithANote) {
  // A file cut short in its data, or whose data size is simply wrong: whole
  // frames up to the end of the file, and a note that says so. A streamed
  // file's placeholder size needs no note.
  const QByteArray good = Pcm16Stereo();
  QByteArray lying = good;
  lying.replace(good.indexOf("data") + 4, 4, Le(0x10000, 4));
  const struct {
    const char* name;
    QByteArray bytes;
    QByteArray samples;
  } cases[] = {
      {"cut inside the data", good.left(good.size() - 3), kSamples.left(4)},
      {"data size past the end", lying, kSamples.left(8)},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Save(dir, c.bytes);
    const WavProbe probe = ProbeWavFile(path);
    ASSERT_TRUE(probe.ok) << probe.reason.toStdString();
    EXPECT_EQ(ReadData(path, probe.layout), c.samples);
    EXPECT_TRUE(probe.note.contains(path) && probe.note.contains(QStringLiteral("文件末尾"))) << probe.note.toStdString();
  }
  QByteArray streamed = good;
  streamed.replace(good.indexOf("data") + 4, 4, Le(0xFFFFFFFFu, 4));
  EXPECT_TRUE(ProbeWavFile(Save(dir, streamed)).note.isEmpty());
}

TEST(WavReader, ReadingStopsOnAShrunkenFileOrWhenTheSinkSaysSo) {
  QTemporaryDir dir;
  const QString path = Save(dir, Pcm16Stereo());
  const WavProbe probe = ProbeWavFile(path);
  ASSERT_TRUE(probe.ok);

  int calls = 0;
  QString reason;
  EXPECT_FALSE(ReadWavData(path, probe.layout, [&](const uint8_t*, std::size_t n) {
    ++calls;
    EXPECT_EQ(n, 4u);
    return false;
  }, &reason, 4));
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(reason.isEmpty());

  Save(dir, Pcm16Stereo().left(50));  // the file was cut after it was probed
  reason.clear();
  EXPECT_FALSE(ReadWavData(path, probe.layout, [&](const uint8_t*, std::size_t) {
    ADD_FAILURE() << "no data should reach the sink";
    return true;
  }, &reason));
  EXPECT_TRUE(reason.contains(QStringLiteral("截断")));
}
