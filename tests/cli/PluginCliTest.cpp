// ondrix-cli with a sampling plug-in in place of a WAV file.

#include "cli/CliTestSupport.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QJsonObject Json(const ProgramRun& run) { return QJsonDocument::fromJson(run.out.toUtf8()).object(); }

}  // namespace

TEST(PluginCli, MeasuresTheFirstTickOfThePluginAtItsWidth) {
  ProgramRun r = RunCli({"measure", "--plugin", ONDRIX_PLUGIN_TWOTONE16, "--rate", "44100", "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  QJsonObject o = Json(r);
  EXPECT_EQ(o["bits"].toInt(), 16);
  EXPECT_EQ(o["channels"].toInt(), 2);
  EXPECT_EQ(o["ch1_frequency"].toInt(), 441);   // 100 samples a period
  EXPECT_EQ(o["ch2_frequency"].toInt(), 1103);  // 40
  EXPECT_NEAR(o["ch1_rms"].toDouble(), 12000 / std::sqrt(2.0), 100);

  r = RunCli({"measure", "--plugin", ONDRIX_PLUGIN_SINE8, "--rate", "8000", "--channels", "1", "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  o = Json(r);
  EXPECT_EQ(o["bits"].toInt(), 8);
  EXPECT_EQ(o["ch1_frequency"].toInt(), 125);  // 64 samples a period
  EXPECT_TRUE(o["ch2_frequency"].isNull());

  // Both exports: driven through the 8-bit one.
  r = RunCli({"spectrum", "--plugin", ONDRIX_PLUGIN_BOTHWIDTHS, "--rate", "10000", "--channels", "1", "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  o = Json(r);
  EXPECT_EQ(o["bits"].toInt(), 8);
  EXPECT_EQ(o["ch1_peak_frequency"].toInt(), 195);  // the 200 Hz square's bin (10000 * 20 / 1024)
}

TEST(PluginCli, RendersThePluginsPicture) {
  QTemporaryDir dir;
  const QString out = dir.filePath("plugin.png");
  const ProgramRun r =
      RunCli({"render", "--plugin", ONDRIX_PLUGIN_TWOTONE16, "--rate", "44100", out, "--size", "840x500"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(QImage(out).size(), QSize(840, 500));
}

TEST(PluginCli, ThePictureMayBeReplacedButNeverThePlugIn) {
  // A copy of the plug-in, named as given and as the system finds it (the
  // suffix added).
  QTemporaryDir dir;
  const QString plugin = dir.filePath("sine8.so");
  ASSERT_TRUE(QFile::copy(ONDRIX_PLUGIN_SINE8, plugin));
  const QByteArray library = [&] {
    QFile f(plugin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  const QString out = dir.filePath("p.bmp");
  for (int run = 0; run < 2; ++run) {
    const ProgramRun r = RunCli({"render", "--plugin", plugin, "--rate", "8000", out});
    EXPECT_EQ(r.exitCode, 0) << "run " << run << ": " << r.err.toStdString();
  }
  for (const QString& name : {plugin, dir.filePath("sine8")}) {
    const ProgramRun r = RunCli({"render", "--plugin", name, "--rate", "8000", plugin});
    EXPECT_EQ(r.exitCode, 2) << name.toStdString();
    EXPECT_TRUE(r.err.contains("sine8.so")) << r.err.toStdString();
  }
  QFile f(plugin);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), library);
}

TEST(PluginCli, RefusesWhatCannotBeAPluginFrameWithOneLine) {
  QTemporaryDir dir;
  const QString out = dir.filePath("never.png");
  const QStringList cases[] = {
      {"measure", "--plugin", ONDRIX_PLUGIN_NOEXPORTS, "--rate", "44100"},
      {"measure", "--plugin", ONDRIX_PLUGIN_NOTALIBRARY, "--rate", "44100"},
      {"spectrum", "--plugin", "/no/such/plugin.so", "--rate", "44100"},
      {"render", "--plugin", ONDRIX_PLUGIN_NOEXPORTS, "--rate", "44100", out},
      {"measure", "--plugin", ONDRIX_PLUGIN_SINE8, "--rate", "0"},
      {"measure", "--plugin", ONDRIX_PLUGIN_SINE8, "--rate", "-8000"},
      {"measure", "--plugin", ONDRIX_PLUGIN_SINE8, "--rate", "fast"},
      {"measure", "--plugin", ONDRIX_PLUGIN_SINE8},
      {"measure", "--rate", "8000", "x.wav"},
      {"measure", "--plugin", ONDRIX_PLUGIN_SINE8, "--rate", "8000", "--channels", "3"},
      {"measure", "--plugin", ONDRIX_PLUGIN_SINE8, "--rate", "8000", "--at", "5"},
      {"csv", "--plugin", ONDRIX_PLUGIN_SINE8, "--rate", "8000", out},
  };
  for (const QStringList& args : cases) {
    const ProgramRun r = RunCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(out));
}
