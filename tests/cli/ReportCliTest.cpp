// ondrix-cli csv and report: the sample exported as CSV text and the printed
// test report as a PDF page.
#include "files/CsvExport.h"
#include "cli/CliTestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The PDF's text, or a null string when pdftotext is not installed.
QString PdfText(const QString& pdf) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (tool.isEmpty()) return {};
  const ProgramRun r = RunProgram(tool, {"-enc", "UTF-8", pdf, "-"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  return r.out;
}

class ExportCli : public ::testing::Test {
 protected:
  // 16-bit stereo, 44100 Hz, 3000 frames (6000 elements): CH1 a 441 Hz sine,
  // CH2 a sawtooth with negative values.
  QString Stereo16() {
    stereo.clear();
    for (int n = 0; n < 3000; ++n) {
      stereo.push_back(static_cast<int16_t>(std::lround(20000 * std::sin(2 * M_PI * n / 100))));
      stereo.push_back(static_cast<int16_t>((n % 50) * 600 - 15000));
    }
    return Write("stereo16.wav", MakePcmFormat(2, 44100, 16), stereo.data(), stereo.size() * 2);
  }
  // 8-bit mono, 8000 Hz, 2500 samples.
  QString Mono8() {
    mono.clear();
    for (int n = 0; n < 2500; ++n) mono.push_back(static_cast<uint8_t>(128 + std::lround(100 * std::sin(2 * M_PI * n / 40))));
    return Write("mono8.wav", MakePcmFormat(1, 8000, 8), mono.data(), mono.size());
  }
  QString Write(const QString& name, const WaveFormat& format, const void* data, std::size_t bytes) {
    return WriteTestWav(QDir(dir.path()), name, format, data, bytes);
  }
  QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

  QTemporaryDir dir;
  std::vector<int16_t> stereo;
  std::vector<uint8_t> mono;
};

}  // namespace

TEST_F(ExportCli, CsvHoldsTheElementsAtThePositionAsTheSample) {
  const QString wav = Stereo16();
  for (const int at : {0, 101, 6000 - 2048}) {
    const QString out = dir.filePath(QStringLiteral("at%1.csv").arg(at));
    const ProgramRun r = RunCli({"csv", wav, out, "--at", QString::number(at)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    std::array<int16_t, 2048> sample{};
    for (int i = 0; i < 2048; ++i) sample[i] = stereo[at + i];
    EXPECT_EQ(ReadAll(out), CsvBytes(sample)) << "at " << at;
  }
  // An odd start swaps the columns: CH1 is then the sawtooth.
  EXPECT_TRUE(ReadAll(dir.filePath("at101.csv")).contains("\r\n-15000,"));
}

TEST_F(ExportCli, CsvWidensAnEightBitFile) {
  const QString wav = Mono8();
  const QString out = dir.filePath("mono.csv");
  const ProgramRun r = RunCli({"csv", wav, out, "--at", "7"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  std::array<int16_t, 2048> sample{};
  for (int i = 0; i < 2048; ++i) sample[i] = static_cast<int16_t>((mono[7 + i] - 128) * 256);
  EXPECT_EQ(ReadAll(out), CsvBytes(sample));
  // Elements 7 and 8 are 217 and 223: (217 - 128) * 256 and (223 - 128) * 256.
  const QList<QByteArray> first = ReadAll(out).split('\n')[1].split(',');
  ASSERT_EQ(first.size(), 5);
  EXPECT_EQ(first[0], "22784");
  EXPECT_EQ(first[2], "24320");
}

TEST_F(ExportCli, ReportIsAOnePagePdfWithTheParameters) {
  const QString pdf = dir.filePath("report.pdf");
  ProgramRun r = RunCli({"report", Stereo16(), pdf, "--at", "200", "--lang", "zh"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
  EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF"));

  const QString text = PdfText(pdf);
  if (text.isNull()) GTEST_SKIP() << "pdftotext is not installed";
  for (const char* expected : {"===Lumora Ondrix 测试报告===", "通道数: 2", "采样率: 44100", "数据长度: 16", "测试描述:",
                               "测试人:"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " not in:\n" << text.toStdString();
  // The document names the file measured, and when it was made.
  const QString info = RunProgram(QStringLiteral("pdfinfo"), {"-enc", "UTF-8", pdf}).out;
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("^Title: +Orvanta — stereo16\\.wav$"),
                                               QRegularExpression::MultilineOption)))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("^CreationDate: +\\S"), QRegularExpression::MultilineOption)));

  // The page as pixels: A4 landscape with both trace colours on white.
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (tool.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
  r = RunProgram(tool, {"-png", "-r", "50", "-singlefile", pdf, dir.filePath("page")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QImage page(dir.filePath("page.png"));
  ASSERT_EQ(page.size(), QSize(585, 414));
  int yellow = 0, cyan = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QRgb c = page.pixel(x, y);
      // Thin lines at this resolution come out pale: look for the hue.
      yellow += std::min(qRed(c), qGreen(c)) - qBlue(c) > 50;
      cyan += std::min(qGreen(c), qBlue(c)) - qRed(c) > 50;
    }
  EXPECT_GT(yellow, 200);
  EXPECT_GT(cyan, 200);
  EXPECT_EQ(page.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(ExportCli, ReportOfAnEightBitMonoSpectrum) {
  const QString pdf = dir.filePath("mono.pdf");
  const ProgramRun r = RunCli({"report", Mono8(), pdf, "--mode", "freq", "--lang", "zh"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QString text = PdfText(pdf);
  if (text.isNull()) GTEST_SKIP() << "pdftotext is not installed";
  for (const char* expected : {"通道数: 1", "采样率: 8000", "数据长度: 8"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " not in:\n" << text.toStdString();
}

TEST_F(ExportCli, MistakesExitWithStatus2AndOneLineAndWriteNothing) {
  const QString wav = Stereo16();
  const QString mono = Mono8();
  const QString csv = dir.filePath("out.csv");
  const QString pdf = dir.filePath("out.pdf");
  const QList<QStringList> cases = {
      {"csv", wav},
      {"csv", wav, csv, "--mode", "time"},
      {"csv", wav, csv, "--at", "3953"},  // 6000 elements: 2048 do not fit there
      {"csv", mono, csv, "--at", "453"},  // 2500 elements
      {"csv", dir.filePath("missing.wav"), csv},
      {"csv", wav, dir.filePath("no/folder/out.csv")},
      {"report", wav},
      {"report", wav, pdf, "--size", "800x600"},
      {"report", wav, pdf, "--mode", "both"},
      {"report", wav, pdf, "--at", "5000"},
      {"report", dir.filePath("missing.wav"), pdf},
      {"report", wav, dir.filePath("no/folder/out.pdf")},
  };
  for (const QStringList& args : cases) {
    const ProgramRun r = RunCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
  }
  const QString refusal = RunCli({"csv", wav, dir.filePath("no/folder/out.csv"), "--lang", "zh"}).err;
  EXPECT_TRUE(refusal.contains(QStringLiteral("无法写入文件"))) << refusal.toStdString();
  EXPECT_EQ(Files(), (QStringList{"mono8.wav", "stereo16.wav"}));
}

TEST_F(ExportCli, HelpNamesBothCommands) {
  const ProgramRun r = RunCli({"--help"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.out.contains("\n  csv FILE.wav OUT.csv [OPTION]...\n")) << r.out.toStdString();
  EXPECT_TRUE(r.out.contains("\n  report FILE.wav OUT.pdf [OPTION]...\n")) << r.out.toStdString();
  const ProgramRun report = RunCli({"report", "--help"});
  EXPECT_EQ(report.exitCode, 0);
  EXPECT_TRUE(report.out.startsWith("Usage: ondrix-cli report FILE.wav OUT.pdf")) << report.out.toStdString();
  for (const char* option : {"\n  --at ELEMENT\n", "\n  --mode time|freq\n"})
    EXPECT_TRUE(report.out.contains(QLatin1String(option))) << report.out.toStdString();
}
