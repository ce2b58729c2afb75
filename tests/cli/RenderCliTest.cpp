// ondrix-cli render: the picture of one frame of a WAV file as BMP or PNG.
#include "cli/CliTestSupport.h"
#include "settings/SettingsRecord.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

ProgramRun RunRender(const QStringList& args) { return RunCli(QStringList{"render"} + args); }

int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return n;
}

constexpr QRgb kYellow = 0xFFFF00;  // CH1 of the default settings
constexpr QRgb kCyan = 0x00FFFF;    // CH2

class RenderCli : public ::testing::Test {
 protected:
  // 16-bit stereo, 44100 Hz: CH1 441 Hz, CH2 882 Hz.
  QString Stereo16() {
    std::vector<int16_t> s;
    for (int n = 0; n < 8000; ++n) {
      s.push_back(static_cast<int16_t>(std::lround(20000 * std::sin(2 * M_PI * n / 100))));
      s.push_back(static_cast<int16_t>(std::lround(8000 * std::sin(2 * M_PI * n / 50))));
    }
    return Write("stereo16.wav", MakePcmFormat(2, 44100, 16), s.data(), s.size() * 2);
  }
  // 8-bit mono, 8000 Hz, 200 Hz.
  QString Mono8() {
    std::vector<uint8_t> s;
    for (int n = 0; n < 3000; ++n) s.push_back(static_cast<uint8_t>(128 + std::lround(100 * std::sin(2 * M_PI * n / 40))));
    return Write("mono8.wav", MakePcmFormat(1, 8000, 8), s.data(), s.size());
  }
  QString Write(const QString& name, const WaveFormat& format, const void* data, std::size_t bytes) {
    return WriteTestWav(QDir(dir.path()), name, format, data, bytes);
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(RenderCli, BitmapOfAStereoFileShowsBothTraces) {
  const QString out = dir.filePath("stereo.bmp");
  const ProgramRun r = RunRender({Stereo16(), out});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(2), QByteArray("BM"));
  EXPECT_EQ(file.size(), 54 + 3000 * 600);  // default 1000 x 600
  const QImage image(out);
  ASSERT_EQ(image.size(), QSize(1000, 600));
  EXPECT_GT(CountColour(image, kYellow), 300);
  EXPECT_GT(CountColour(image, kCyan), 300);
  EXPECT_EQ(image.pixel(100, 94) & 0xFFFFFF, 0xFFFFFFu);  // the frame's corner
}

TEST_F(RenderCli, PngInTheFrequencyDomainAtAnotherSize) {
  const QString out = dir.filePath("spectrum.PNG");
  const ProgramRun r = RunRender({Stereo16(), out, "--mode", "freq", "--size", "841x500", "--at", "100"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(4), QByteArray("\x89PNG"));
  const QImage image(out);
  ASSERT_EQ(image.size(), QSize(841, 500));
  EXPECT_GT(CountColour(image, kYellow), 100);
}

TEST_F(RenderCli, MonoFileHasOnlyTheFirstTraceAndSettingsChangeItsColour) {
  const QString wav = Mono8();
  ProgramRun r = RunRender({wav, dir.filePath("mono.png")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  QImage image(dir.filePath("mono.png"));
  EXPECT_GT(CountColour(image, kYellow), 300);
  EXPECT_EQ(CountColour(image, kCyan), 0);

  SettingsRecord settings = DefaultSettings();
  settings.ch1Color = 0x000000FF;  // red, stored blue-green-red
  QString error;
  ASSERT_TRUE(SaveSettingsRecord(dir.filePath("setting.ini"), settings, &error));
  r = RunRender({wav, dir.filePath("red.png"), "--settings", dir.filePath("setting.ini")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  image = QImage(dir.filePath("red.png"));
  EXPECT_GT(CountColour(image, 0xFF0000), 300);
  EXPECT_EQ(CountColour(image, kYellow), 0);

  // A setting.ini cut off before the colours: the defaults draw, with a note.
  QFile cut(dir.filePath("setting.ini"));
  ASSERT_TRUE(cut.resize(12));
  r = RunRender({wav, dir.filePath("cut.png"), "--settings", dir.filePath("setting.ini"), "--lang", "zh"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(QStringLiteral("setting.ini 已修复：文件只有 12 字节"))) << r.err.toStdString();
  EXPECT_GT(CountColour(QImage(dir.filePath("cut.png")), kYellow), 300);
}

TEST_F(RenderCli, MistakesExitWithStatus2AndOneLineAndWriteNothing) {
  const QString wav = Stereo16();
  const QString out = dir.filePath("out.bmp");
  const QList<QStringList> cases = {
      {wav},
      {wav, out, "--size", "0x600"},
      {wav, out, "--size", "1000"},
      {wav, out, "--size", "axb"},
      {wav, out, "--size", "9000x600"},
      {wav, out, "--mode", "both"},
      {wav, out, "--mode"},
      {wav, out, "--json"},
      {wav, out, "--at", "15000"},  // 16000 elements: no whole frame there
      {wav, out, "--settings", dir.filePath("missing.ini")},
      {dir.filePath("missing.wav"), out},
      {wav, dir.filePath("no/folder/out.bmp")},
      {wav, dir.filePath("no/folder/out.png")},
      {wav, dir.filePath("out.txt")},
      {wav, dir.filePath("out")},
      {wav, out, "--size", "839x600"},
      {wav, out, "--size", "1000x435"},
  };
  for (const QStringList& args : cases) {
    const ProgramRun r = RunRender(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
  }
  EXPECT_TRUE(RunRender({wav, dir.filePath("no/folder/out.bmp")}).err.contains("error 2!"));
  EXPECT_TRUE(RunRender({wav, dir.filePath("out.gif")}).err.contains(".bmp, .png, .jpg or .jpeg"));
  EXPECT_TRUE(RunRender({wav, out, "--size", "800x600"}).err.contains("at least 840x436"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"stereo16.wav"});
}

TEST_F(RenderCli, TheExtensionChoosesTheFormat) {
  // Each picture is the one picture: the PNG's pixels, in JPEG near them.
  const QString wav = Stereo16();
  const struct {
    const char* name;
    QByteArray magic;
    double meanError;
  } cases[] = {{"a.png", "\x89PNG", 0}, {"a.bmp", "BM", 0}, {"a.jpg", "\xFF\xD8\xFF", 4}, {"a.JPEG", "\xFF\xD8\xFF", 4}};
  QImage png;
  for (const auto& c : cases) {
    const QString out = dir.filePath(c.name);
    const ProgramRun r = RunRender({wav, out, "--size", "840x436"});
    ASSERT_EQ(r.exitCode, 0) << c.name << ": " << r.err.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(c.magic.size()), c.magic) << c.name;
    const QImage image = QImage(out).convertToFormat(QImage::Format_RGB32);
    if (png.isNull()) png = image;
    ASSERT_EQ(image.size(), QSize(840, 436)) << c.name;
    double error = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y), q = png.pixel(x, y);
        error += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
      }
    EXPECT_LE(error / (3.0 * image.width() * image.height()), c.meanError) << c.name;
  }
  EXPECT_GT(CountColour(png, kYellow), 300);
}
