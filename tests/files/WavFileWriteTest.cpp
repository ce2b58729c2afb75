// The bytes WriteWavFile puts on disk, what other programs make of them, and
// what happens to the target when writing fails.
#include "files/WavFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

uint32_t Le32(const QByteArray& b, int at) {
  const auto* p = reinterpret_cast<const uint8_t*>(b.constData() + at);
  return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
}

std::vector<uint8_t> Ramp(std::size_t n, uint8_t seed) {
  std::vector<uint8_t> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(seed + i * 7);
  return v;
}

QString Write(const QTemporaryDir& dir, const WaveFormat& format, std::span<const uint8_t> data) {
  const QString path = dir.filePath(QStringLiteral("out.wav"));
  QString error;
  EXPECT_TRUE(WriteWavFile(path, format, data, &error)) << error.toStdString();
  return path;
}

}  // namespace

TEST(WavWriter, FormatRecordOf16BitStereo44100) {
  QTemporaryDir dir;
  const auto data = Ramp(8, 1);
  const QByteArray file = ReadAll(Write(dir, MakePcmFormat(2, 44100, 16), data));
  const uint8_t expected[18] = {0x01, 0x00, 0x02, 0x00, 0x44, 0xAC, 0x00, 0x00, 0x10,
                                0xB1, 0x02, 0x00, 0x04, 0x00, 0x10, 0x00, 0x00, 0x00};
  ASSERT_EQ(file.size(), 46 + 8);
  EXPECT_EQ(file.mid(20, 18), QByteArray(reinterpret_cast<const char*>(expected), 18));
}

TEST(WavWriter, HeaderFieldsAndPadByteForEvenAndOddLengths) {
  for (const std::size_t n : {std::size_t(0), std::size_t(4), std::size_t(5), std::size_t(1001)}) {
    SCOPED_TRACE(n);
    QTemporaryDir dir;
    const auto data = Ramp(n, 3);
    const QByteArray file = ReadAll(Write(dir, MakePcmFormat(1, 8000, 8), data));
    const std::size_t pad = n % 2;
    ASSERT_EQ(std::size_t(file.size()), 46 + n + pad);
    EXPECT_EQ(file.left(4), "RIFF");
    EXPECT_EQ(Le32(file, 4), 38 + n + pad);  // 39 + n when n is odd
    EXPECT_EQ(file.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le32(file, 16), 18u);
    EXPECT_EQ(file.mid(38, 4), "data");
    EXPECT_EQ(Le32(file, 42), n);
    EXPECT_EQ(file.mid(46, int(n)), QByteArray(reinterpret_cast<const char*>(data.data()), int(n)));
    if (pad) {
      EXPECT_EQ(file.back(), '\0');
    }
  }
}

TEST(WavWriter, PiecesAreWrittenInOrder) {
  QTemporaryDir dir;
  const auto a = Ramp(3, 10), b = Ramp(0, 0), c = Ramp(6, 90);
  const std::span<const uint8_t> pieces[] = {a, b, c};
  const QString path = dir.filePath(QStringLiteral("p.wav"));
  QString error;
  ASSERT_TRUE(WriteWavFile(path, MakePcmFormat(1, 8000, 8), pieces, &error));
  const QByteArray file = ReadAll(path);
  QByteArray joined;
  for (const auto& v : {a, b, c}) joined.append(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
  EXPECT_EQ(Le32(file, 42), 9u);
  EXPECT_EQ(file.mid(46, 9), joined);
}

TEST(WavWriter, RoundTripThroughTheReaderIsByteExact) {
  struct Case { WaveFormat format; std::size_t n; };
  for (const Case c : {Case{MakePcmFormat(1, 22050, 8), 2205}, Case{MakePcmFormat(2, 44100, 16), 17640}}) {
    SCOPED_TRACE(c.n);
    QTemporaryDir dir;
    const auto data = Ramp(c.n, 5);
    const QString path = Write(dir, c.format, data);
    const WavProbe probe = ProbeWavFile(path);
    ASSERT_TRUE(probe.ok) << probe.reason.toStdString();
    EXPECT_EQ(probe.layout.format, c.format);
    EXPECT_EQ(probe.layout.dataOffset, 46);
    EXPECT_EQ(probe.layout.dataBytes, c.n);
    std::vector<uint8_t> back;
    QString reason;
    ASSERT_TRUE(ReadWavData(path, probe.layout,
                            [&](const uint8_t* p, std::size_t k) {
                              EXPECT_LE(k, 1000u);
                              back.insert(back.end(), p, p + k);
                              return true;
                            },
                            &reason, 1000));
    EXPECT_EQ(back, data);
  }
}

TEST(WavWriter, SoxReadsTheWrittenFiles) {
  const QString soxi = QStandardPaths::findExecutable(QStringLiteral("soxi"));
  if (soxi.isEmpty()) GTEST_SKIP() << "soxi (package sox) is not installed";
  struct Case { uint16_t channels; uint32_t rate; uint16_t bits; std::size_t frames; };
  for (const Case c : {Case{2, 44100, 16, 1000}, Case{1, 22050, 8, 777}}) {
    SCOPED_TRACE(c.rate);
    QTemporaryDir dir;
    const auto data = Ramp(c.frames * c.channels * c.bits / 8, 0);
    const QString path = Write(dir, MakePcmFormat(c.channels, c.rate, c.bits), data);
    auto ask = [&](const char* option) {
      QProcess p;
      p.start(soxi, {QString::fromLatin1(option), path});
      EXPECT_TRUE(p.waitForFinished(30000));
      EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
      return p.readAllStandardOutput().trimmed().toLongLong();
    };
    EXPECT_EQ(ask("-c"), c.channels);
    EXPECT_EQ(ask("-r"), c.rate);
    EXPECT_EQ(ask("-b"), c.bits);
    EXPECT_EQ(ask("-s"), qint64(c.frames));
  }
}

TEST(WavWriter, FailuresLeaveNothingBehindAndGoodFilesAreReplacedWhole) {
  QTemporaryDir dir;
  const auto data = Ramp(10, 0);
  QString error;

  // The folder does not exist: refused, and nothing is created.
  EXPECT_FALSE(WriteWavFile(dir.filePath(QStringLiteral("missing/x.wav")), MakePcmFormat(1, 8000, 8), data, &error));
  EXPECT_EQ(error, QStringLiteral("Error creating file %1: %2")
                       .arg(dir.filePath(QStringLiteral("missing/x.wav")), QString::fromLocal8Bit(std::strerror(ENOENT))));
  EXPECT_TRUE(QDir(dir.path()).isEmpty());

  // A second write replaces the first completely, leaving no temporary file.
  const QString path = Write(dir, MakePcmFormat(1, 8000, 8), data);
  const auto shorter = Ramp(3, 50);
  Write(dir, MakePcmFormat(2, 8000, 16), shorter);
  const QByteArray file = ReadAll(path);
  EXPECT_EQ(file.size(), 46 + 3 + 1);
  EXPECT_EQ(Le32(file, 42), 3u);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1);
}

TEST(WavWriter, RefusesDataTooLargeForTheRiffSizeAndKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = Write(dir, MakePcmFormat(1, 8000, 8), Ramp(4, 0));
  const QByteArray before = ReadAll(path);

  // 0xFFFFFFFF - 38 bytes is odd: with its pad byte the RIFF size would need
  // 2^32. The pieces all point at one buffer; nothing is read before the refusal.
  const std::size_t n = 0xFFFFFFFFull - 38;
  const std::vector<uint8_t> block(1 << 20);
  std::vector<std::span<const uint8_t>> pieces(n / block.size(), std::span<const uint8_t>(block));
  pieces.emplace_back(block.data(), n % block.size());
  QString error;
  EXPECT_FALSE(WriteWavFile(path, MakePcmFormat(1, 8000, 8), pieces, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("Error creating file %1: ").arg(path))) << error.toStdString();
  EXPECT_EQ(ReadAll(path), before);
}
