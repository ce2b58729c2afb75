#include "cli/CliTestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

QJsonObject Json(const ProgramRun& run) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(run.out.toUtf8(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
  return doc.object();
}

class Cli : public ::testing::Test {
 protected:
  // 16-bit stereo, 44100 Hz: CH1 441 Hz (100-sample period), CH2 882 Hz (50).
  QString Stereo16() {
    std::vector<int16_t> s;
    for (int n = 0; n < 8000; ++n) {
      s.push_back(static_cast<int16_t>(std::lround(SineSample(n, 100, 10000))));
      s.push_back(static_cast<int16_t>(std::lround(SineSample(n, 50, 4000))));
    }
    return Write("stereo16.wav", MakePcmFormat(2, 44100, 16), s.data(), s.size() * 2);
  }
  // 8-bit mono, 8000 Hz, 200 Hz sine (40-sample period), peak 100.
  QString Mono8() {
    std::vector<uint8_t> s;
    for (int n = 0; n < 3000; ++n) s.push_back(static_cast<uint8_t>(128 + std::lround(SineSample(n, 40, 100))));
    return Write("mono8.wav", MakePcmFormat(1, 8000, 8), s.data(), s.size());
  }
  QString Write(const QString& name, const WaveFormat& format, const void* data, std::size_t bytes) {
    return WriteTestWav(QDir(dir.path()), name, format, data, bytes);
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(Cli, InfoDescribesTheFile) {
  const ProgramRun r = RunCli({"info", Stereo16()});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.out.contains("PCM 16-bit stereo, 44100 Hz")) << r.out.toStdString();
  EXPECT_TRUE(r.out.contains("frames: 8000"));
  EXPECT_TRUE(r.out.contains("duration: 0.181 s"));
}

TEST_F(Cli, AFileCutShortIsReadToItsEndWithANote) {
  // The last 1000 bytes of the data are gone; the data size says they are there.
  const QString path = Stereo16();
  QFile f(path);
  ASSERT_TRUE(f.resize(f.size() - 1000));
  for (const QStringList& args : {QStringList{"info", path}, QStringList{"measure", path},
                                  QStringList{"csv", path, dir.filePath("out.csv")}}) {
    const ProgramRun r = RunCli(args);
    EXPECT_EQ(r.exitCode, 0) << args[0].toStdString() << ": " << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("ondrix-cli: note: " + path)) << r.err.toStdString();
  }
  EXPECT_TRUE(RunCli({"info", path}).out.contains("frames: 7750"));
}

TEST_F(Cli, MeasureReportsEachChannelsFrequencyAndRms) {
  const ProgramRun r = RunCli({"measure", Stereo16(), "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonObject o = Json(r);
  EXPECT_EQ(o["channels"].toInt(), 2);
  EXPECT_EQ(o["sample_rate"].toInt(), 44100);
  EXPECT_EQ(o["bits"].toInt(), 16);
  EXPECT_EQ(o["frame_start"].toInt(), 0);
  // The sine starts at 0 and rises: the first crossing of level 0 after
  // index 0 is one period in.
  EXPECT_EQ(o["trigger_index"].toInt(), 100);
  EXPECT_EQ(o["ch1_frequency"].toInt(), 441);
  EXPECT_EQ(o["ch2_frequency"].toInt(), 882);
  EXPECT_NEAR(o["ch1_rms"].toDouble(), 10000 / std::sqrt(2.0), 1.5);
  EXPECT_NEAR(o["ch2_rms"].toDouble(), 4000 / std::sqrt(2.0), 1.5);
}

TEST_F(Cli, MeasureFollowsEdgeLevelAndPosition) {
  const QString file = Stereo16();
  // Falling through level 0 happens half a period in.
  ProgramRun r = RunCli({"measure", file, "--json", "--edge", "falling"});
  EXPECT_EQ(Json(r)["trigger_index"].toInt(), 50);
  // From an odd element the channels swap places.
  r = RunCli({"measure", file, "--json", "--at", "1001"});
  const QJsonObject o = Json(r);
  EXPECT_EQ(o["frame_start"].toInt(), 1001);
  EXPECT_EQ(o["ch1_frequency"].toInt(), 882);
  EXPECT_EQ(o["ch2_frequency"].toInt(), 441);
  // A level above the peak never triggers: no frequency.
  r = RunCli({"measure", file, "--json", "--level", "20000"});
  EXPECT_EQ(Json(r)["ch1_frequency"].toInt(), 0);
}

TEST_F(Cli, MonoFilesHaveNoSecondChannel) {
  const ProgramRun r = RunCli({"measure", Mono8(), "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonObject o = Json(r);
  EXPECT_EQ(o["bits"].toInt(), 8);
  EXPECT_EQ(o["ch1_frequency"].toInt(), 200);
  EXPECT_NEAR(o["ch1_rms"].toDouble(), 100 / std::sqrt(2.0), 1.5);
  EXPECT_TRUE(o["ch2_frequency"].isNull());
  EXPECT_TRUE(o["ch2_rms"].isNull());

  const ProgramRun text = RunCli({"measure", Mono8()});
  EXPECT_TRUE(text.out.contains("CH1 frequency: 200 Hz")) << text.out.toStdString();
}

TEST_F(Cli, SpectrumGivesPeaksAndTheDisplayedBins) {
  // 44100 / 100 = 441 Hz lies between bins 10 and 11 (430.7 and 473.7 Hz);
  // 882 Hz between 20 and 21.
  const ProgramRun r = RunCli({"spectrum", Stereo16(), "--json", "--bins", "--gain", "0"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonObject o = Json(r);
  EXPECT_EQ(o["ch1_peak_frequency"].toInt(), 431);
  EXPECT_EQ(o["ch2_peak_frequency"].toInt(), 861);
  const QJsonArray bins1 = o["ch1_bins"].toArray();
  const QJsonArray bins2 = o["ch2_bins"].toArray();
  ASSERT_EQ(bins1.size(), 1024);
  ASSERT_EQ(bins2.size(), 1024);
  EXPECT_EQ(bins1[0].toInt(), 0);
  EXPECT_GT(bins1[10].toInt(), bins1[100].toInt());
  EXPECT_EQ(bins1[10].toInt(), bins1[1014].toInt());  // the mirrored half stays

  // The gain divides the heights, not the peak.
  const ProgramRun quiet = RunCli({"spectrum", Stereo16(), "--json", "--bins", "--gain", "10"});
  const QJsonObject q = Json(quiet);
  EXPECT_EQ(q["ch1_peak_frequency"].toInt(), 431);
  EXPECT_EQ(q["ch1_bins"].toArray()[10].toInt(), bins1[10].toInt() / 1024);

  const ProgramRun mono = RunCli({"spectrum", Mono8(), "--json", "--bins"});
  const QJsonObject m = Json(mono);
  EXPECT_EQ(m["ch1_peak_frequency"].toInt(), 203);  // bin 26 of 1024 at 8000 Hz
  EXPECT_TRUE(m["ch2_peak_frequency"].isNull());
  EXPECT_TRUE(m["ch2_bins"].isNull());
}

TEST_F(Cli, MistakesExitWithStatus2AndOneLine) {
  const QString good = Stereo16();
  const QString garbage = dir.filePath("garbage.wav");
  QFile f(garbage);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("this is not a wave file at all, just some text.");
  f.close();

  const QList<QStringList> cases = {
      {},
      {"bogus", good},
      {"measure"},
      {"measure", good, good},
      {"measure", good, "--edge", "sideways"},
      {"measure", good, "--at", "-1"},
      {"measure", good, "--at"},
      {"measure", good, "--bins"},
      {"spectrum", good, "--gain", "11"},
      {"measure", good, "--at", "15000"},  // 16000 elements: no whole frame there
      {"measure", dir.filePath("missing.wav")},
      {"info", garbage},
      {"spectrum", garbage},
      // A value or a name with a line break still gives one line.
      {"measure", good, "--edge", "up\nand down"},
      {"info", dir.filePath("two\nlines.wav")},
  };
  for (const QStringList& args : cases) {
    const ProgramRun r = RunCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    if (!args.isEmpty()) {
      EXPECT_EQ(r.err.count('\n'), 1) << args.join(' ').toStdString() << ": " << r.err.toStdString();
      EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
    }
  }
  // The last whole frame still measures.
  EXPECT_EQ(RunCli({"measure", good, "--at", "13952"}).exitCode, 0);
}

TEST_F(Cli, MessagesFollowLangElseTheUsersLanguage) {
  const QString empty = Write("empty.wav", MakePcmFormat(2, 44100, 16), nullptr, 0);
  QFile(empty).resize(0);
  const QString out = dir.filePath("out.bmp");
  const struct {
    QStringList args;
    const char* lang;  // LANG of the tool's environment; LANGUAGE is unset
    int exitCode;
    const char* errorHas;
  } cases[] = {
      {{"--lang", "en", "info", empty}, "C.UTF-8", 2, "The file is empty"},
      {{"info", empty, "--lang=zh"}, "en_US.UTF-8", 2, "文件是空的"},
      {{"info", empty}, "en_GB.UTF-8", 2, "The file is empty"},
      {{"info", empty}, "C.UTF-8", 2, "The file is empty"},
      {{"info", empty}, "zh_CN.UTF-8", 2, "文件是空的"},
      {{"--lang", "fr", "info", empty}, "C.UTF-8", 2, "--lang takes en or zh, not 'fr'"},
      {{"--lang", "fr", "info", empty}, "zh_CN.UTF-8", 2, "--lang 应为 en 或 zh，而不是“fr”"},
      // The option before the command: render still gets its drawing application.
      {{"--lang", "en", "render", Stereo16(), out}, "C.UTF-8", 0, ""},
  };
  for (const auto& c : cases) {
    const ProgramRun r = RunCli(c.args, [&](QProcess& p) {
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
      env.insert("LANG", c.lang);
      p.setProcessEnvironment(env);
    });
    const std::string what = c.args.join(' ').toStdString() + " with LANG=" + c.lang;
    EXPECT_EQ(r.exitCode, c.exitCode) << what << ": " << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.errorHas))) << what << ": " << r.err.toStdString();
  }
  EXPECT_TRUE(QFile::exists(out));
}

// Every line the tool writes is in one language: English (no Chinese
// character at all) for English, German and C users, Chinese for Chinese
// ones, the tool's own words included.
TEST_F(Cli, AMessageIsWhollyInTheUsersLanguage) {
  const QString missing = dir.filePath("missing.wav");
  const struct {
    QStringList args;
    const char* english;
    const char* chinese;
  } messages[] = {
      {{"info", missing}, "Cannot open the file", "无法打开文件"},
      {{"measure", missing, "--edge", "up"},
       "--edge takes rising or falling, not 'up' (see ondrix-cli --help)",
       "--edge 应为 rising（上升沿）或 falling（下降沿），而不是“up”（见 ondrix-cli --help）"},
      {{"frobnicate", missing}, "unknown command 'frobnicate' (see ondrix-cli --help)",
       "未知命令“frobnicate”（见 ondrix-cli --help）"},
  };
  const struct {
    const char* lang;      // LANG of the tool's environment
    const char* language;  // LANGUAGE, or none
    QStringList option;
    bool chinese;
  } users[] = {
      {"de_DE.UTF-8", nullptr, {}, false}, {"C", nullptr, {}, false},
      {"zh_CN.UTF-8", nullptr, {}, true},  {"de_DE.UTF-8", "de:zh", {}, true},
      {"zh_CN.UTF-8", nullptr, {"--lang", "en"}, false}, {"C", nullptr, {"--lang=zh"}, true},
  };
  static const QRegularExpression cjk(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
  for (const auto& user : users) {
    for (const auto& m : messages) {
      const ProgramRun r = RunCli(m.args + user.option, [&](QProcess& p) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
        env.insert("LANG", user.lang);
        if (user.language) env.insert("LANGUAGE", user.language);
        p.setProcessEnvironment(env);
      });
      const std::string what = (m.args + user.option).join(' ').toStdString() + " with LANG=" + user.lang +
                               " LANGUAGE=" + (user.language ? user.language : "") + ": " + r.err.toStdString();
      EXPECT_EQ(r.exitCode, 2) << what;
      EXPECT_EQ(r.err.count('\n'), 1) << what;
      EXPECT_TRUE(r.err.contains(QString::fromUtf8(user.chinese ? m.chinese : m.english))) << what;
      if (!user.chinese) {
        EXPECT_FALSE(r.err.contains(cjk)) << what;
      }
    }
  }
}
