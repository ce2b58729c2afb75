// The sample exported as CSV text: exact bytes and the file on disk.
#include "files/CsvExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using Sample = std::array<int16_t, 2048>;

const QByteArray kHeader = "CH1 Sample,CH1 FFT,CH2 Sample,CH2 FFT,\r\n";

// The data lines split into their four numbers; every line must end in
// ",\r\n" and hold exactly four fields.
std::vector<std::array<long long, 4>> DataRows(const QByteArray& csv) {
  std::vector<std::array<long long, 4>> rows;
  QList<QByteArray> lines = csv.split('\n');
  EXPECT_TRUE(lines.last().isEmpty());  // the text ends with a line end
  lines.removeLast();
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QByteArray& line = lines[i];
    EXPECT_TRUE(line.endsWith(",\r")) << "line " << i + 1 << ": " << line.toStdString();
    const QList<QByteArray> fields = line.chopped(2).split(',');
    EXPECT_EQ(fields.size(), 4) << "line " << i + 1;
    std::array<long long, 4> row{};
    for (int f = 0; f < 4 && f < fields.size(); ++f) {
      bool ok = false;
      row[f] = fields[f].toLongLong(&ok);
      EXPECT_TRUE(ok) << "line " << i + 1 << " field " << f;
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

TEST(CsvExport, ClearedSampleGivesTheHeaderAndZeroLines) {
  const QByteArray csv = CsvBytes(Sample{});
  EXPECT_TRUE(csv.startsWith(kHeader));
  EXPECT_EQ(csv.size(), kHeader.size() + 1024 * 10);
  EXPECT_EQ(csv, kHeader + QByteArray("0,0,0,0,\r\n").repeated(1024));
}

TEST(CsvExport, ConstantChannelHasOnlyADcBinAndKeepsItsSign) {
  Sample sample{};
  for (int i = 0; i < 1024; ++i) {
    sample[2 * i] = -300;
    sample[2 * i + 1] = 0;
  }
  QByteArray csv = CsvBytes(sample);
  const QList<QByteArray> lines = csv.split('\n');
  ASSERT_EQ(lines.size(), 1026);
  EXPECT_EQ(lines[1], "-300,307200,0,0,\r");  // 1024 * |v|, unscaled
  for (int i = 2; i <= 1024; ++i) ASSERT_EQ(lines[i], "-300,0,0,0,\r") << "line " << i + 1;

  // The extremes of the sample width, one per channel.
  for (int i = 0; i < 1024; ++i) {
    sample[2 * i] = -32768;
    sample[2 * i + 1] = 32767;
  }
  csv = CsvBytes(sample);
  const auto rows = DataRows(csv);
  ASSERT_EQ(rows.size(), 1024u);
  EXPECT_EQ(rows[0], (std::array<long long, 4>{-32768, 33554432, 32767, 33553408}));
  EXPECT_EQ(rows[512], (std::array<long long, 4>{-32768, 0, 32767, 0}));
  EXPECT_TRUE(csv.contains("\r\n-32768,0,32767,0,\r\n"));
}

TEST(CsvExport, ChannelsAreInterleavedAndEachHasItsOwnSpectrum) {
  // CH1 a ramp, CH2 a sine of 16 periods in the 1024 frames.
  Sample sample{};
  for (int i = 0; i < 1024; ++i) {
    sample[2 * i] = static_cast<int16_t>(i - 512);
    sample[2 * i + 1] = static_cast<int16_t>(std::lround(10000 * std::sin(2 * M_PI * 16 * i / 1024)));
  }
  const auto rows = DataRows(CsvBytes(sample));
  ASSERT_EQ(rows.size(), 1024u);
  for (int i = 0; i < 1024; ++i) {
    ASSERT_EQ(rows[i][0], i - 512) << "frame " << i;
    ASSERT_EQ(rows[i][2], sample[2 * i + 1]) << "frame " << i;
  }
  // CH2's spectrum peaks at bin 16 and its mirror 1008, about 10000 * 1024 / 2.
  int peak = 0;
  for (int i = 0; i < 1024; ++i)
    if (rows[i][3] > rows[peak][3]) peak = i;
  EXPECT_TRUE(peak == 16 || peak == 1008) << peak;
  EXPECT_NEAR(rows[16][3], 5120000, 5120);
  EXPECT_EQ(rows[16][3], rows[1008][3]);
  EXPECT_LT(rows[15][3], 5120);
  // CH1's own spectrum: the ramp's values sum to -512, so its DC bin is 512.
  EXPECT_EQ(rows[0][1], 512);
  EXPECT_GT(rows[1][1], 100000);
}

TEST(CsvExport, FileHoldsTheBytesAndAFailedWriteLeavesNothing) {
  QTemporaryDir dir;
  Sample sample{};
  for (int i = 0; i < 2048; ++i) sample[i] = static_cast<int16_t>(i * 7 - 5000);

  const QString path = dir.filePath("data.csv");
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("an older and much longer file that must be replaced completely, not overwritten in place");
  old.close();
  QString error;
  ASSERT_TRUE(ExportCsv(sample, path, &error)) << error.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), CsvBytes(sample));

  const QString missing = dir.filePath("no/such/folder/data.csv");
  error.clear();
  EXPECT_FALSE(ExportCsv(sample, missing, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("无法写入文件 ") + QDir::toNativeSeparators(missing) + "："))
      << error.toStdString();
  EXPECT_FALSE(error.contains('\n'));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"data.csv"});

  // A folder in the way of the file.
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.csv"));
  EXPECT_FALSE(ExportCsv(sample, dir.filePath("taken.csv"), &error));
  EXPECT_TRUE(QFileInfo(dir.filePath("taken.csv")).isDir());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"data.csv"});
}
