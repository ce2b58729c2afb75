// ondrix-cli distortion on files of every sample format it takes, written
// here, with figures checked against what the signals were made of.
#include "cli/CliTestSupport.h"
#include "files/WavTestBytes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Tone {
  double hz = 0;
  double dbfs = 0;        // the fundamental's level
  int harmonic = 0;       // an added harmonic's order, 0 for none
  double harmonicDbc = 0;
};

struct Layout {
  int bits;
  bool isFloat;
  bool extensible;
};

// The figures of the `i`th channel in the output.
QJsonObject Channel(const QJsonObject& o, int i) { return o["channels"].toArray()[i].toObject(); }

double Db(double ratio) { return 20 * std::log10(ratio); }

// `frames` frames of `tones` (one a channel) at `rate`, rounded to the width.
QByteArray ToneWav(const Layout& l, const std::vector<Tone>& tones, int frames, int rate = 48000) {
  const double fullScale = l.isFloat ? 1 : std::ldexp(1, l.bits - 1);
  std::vector<double> values;
  for (int n = 0; n < frames; ++n) {
    for (const Tone& t : tones) {
      const double phase = 2 * M_PI * t.hz * n / rate;
      double x = std::pow(10, t.dbfs / 20) * (std::sin(phase) + std::pow(10, t.harmonicDbc / 20) *
                                                                     (t.harmonic ? std::sin(t.harmonic * phase) : 0));
      x *= fullScale;
      values.push_back(l.isFloat ? x : std::clamp(std::round(x), -fullScale, fullScale - 1));
    }
  }
  return SampleWav(values, uint16_t(tones.size()), rate, l.bits, l.isFloat, l.extensible);
}

class DistortionCli : public ::testing::Test {
 protected:
  QString Save(const QByteArray& bytes, const QString& name = QStringLiteral("t.wav")) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    return path;
  }
  QJsonObject Run(const QStringList& args) {
    const ProgramRun r = RunCli(QStringList{"distortion"} + args + QStringList{"--json"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(DistortionCli, EveryFormatAndChannelIsMeasuredOnItsOwn) {
  const struct {
    Layout layout;
    int channels;
  } cases[] = {
      {{8, false, false}, 1},  {{16, false, true}, 2}, {{24, false, false}, 6}, {{24, false, true}, 2},
      {{32, false, false}, 2}, {{32, false, true}, 1}, {{32, true, false}, 6},  {{32, true, true}, 2},
      {{64, true, false}, 1},  {{64, true, true}, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.layout.bits << (c.layout.isFloat ? " float " : " int ") << c.channels
                                    << " ch" << (c.layout.extensible ? " extensible" : ""));
    // Each channel its own frequency and level.
    std::vector<Tone> tones;
    for (int ch = 0; ch < c.channels; ++ch) tones.push_back({513.0 + 701 * ch, -3.0 - 2 * ch});
    const QJsonObject o = Run({Save(ToneWav(c.layout, tones, 70000))});
    EXPECT_EQ(o["bits"].toInt(), c.layout.bits);
    EXPECT_EQ(o["length"].toInt(), 65536);
    const QJsonArray channels = o["channels"].toArray();
    ASSERT_EQ(channels.size(), c.channels);
    for (int ch = 0; ch < c.channels; ++ch) {
      const QJsonObject m = channels[ch].toObject();
      EXPECT_EQ(m["channel"].toInt(), ch + 1);
      EXPECT_NEAR(m["fundamental_hz"].toDouble(), tones[ch].hz, 0.05) << "channel " << ch + 1;
      EXPECT_NEAR(m["fundamental_dbfs"].toDouble(), tones[ch].dbfs, 0.05) << "channel " << ch + 1;
      const double peak = std::pow(10, tones[ch].dbfs / 20) * (c.layout.isFloat ? 1 : std::ldexp(1, c.layout.bits - 1));
      EXPECT_NEAR(m["fundamental_rms"].toDouble(), peak / std::sqrt(2.0), peak * 1e-3) << "channel " << ch + 1;
    }
  }
}

TEST_F(DistortionCli, TheNoiseFloorIsThatOfTheSampleWidth) {
  // Rounding to whole steps adds noise of 1/sqrt(12) step RMS, spread evenly
  // to half the rate; the default band (20 Hz .. 20 kHz) holds its share.
  for (const int bits : {16, 24}) {
    const double level = -1, rate = 48000;
    const double signal = std::pow(10, level / 20) * std::ldexp(1, bits - 1) / std::sqrt(2.0);
    const double expected = Db(signal * std::sqrt(12.0)) - 10 * std::log10((20000 - 20) / (rate / 2));
    const QJsonObject o = Run({Save(ToneWav({bits, false, false}, {{997, level}}, 65536))});
    const double sinad = Channel(o, 0)["sinad_db"].toDouble();
    EXPECT_NEAR(sinad, expected, 2) << bits << " bits";
  }
}

TEST_F(DistortionCli, AHarmonicIsFoundInTheChannelThatHasIt) {
  // CH1 clean, CH2 with a third harmonic 40 dB down; from frame 70000 on
  // both at 1500 Hz.
  const Layout l{24, false, true};
  QByteArray first = ToneWav(l, {{1000, -6}, {1000, -6, 3, -40}}, 70000);
  const QByteArray second = ToneWav(l, {{1500, -6}, {1500, -6}}, 70000);
  first.append(second.mid(second.indexOf("data") + 8));
  first.replace(first.indexOf("data") + 4, 4, Le(70000 * 2 * 3 * 2, 4));
  const QString path = Save(first);

  const QJsonObject ch2 = Run({path, "--channel", "2"});
  const QJsonArray channels = ch2["channels"].toArray();
  ASSERT_EQ(channels.size(), 1);
  const QJsonObject m = channels[0].toObject();
  EXPECT_EQ(m["channel"].toInt(), 2);
  EXPECT_NEAR(m["thd_percent"].toDouble(), 1.0, 0.01);
  const QJsonArray harmonics = m["harmonics"].toArray();
  const auto third = std::find_if(harmonics.begin(), harmonics.end(),
                                  [](const QJsonValue& h) { return h.toObject()["order"] == 3; });
  ASSERT_NE(third, harmonics.end());
  EXPECT_NEAR((*third).toObject()["frequency_hz"].toDouble(), 3000, 0.1);
  EXPECT_NEAR((*third).toObject()["level_dbc"].toDouble(), -40, 0.05);
  EXPECT_LT(Channel(Run({path, "--channel", "1"}), 0)["thd_percent"].toDouble(), 0.001);
  // Up to the second harmonic only: the third is not counted.
  EXPECT_LT(Channel(Run({path, "--channel", "2", "--harmonics", "2"}), 0)["thd_percent"].toDouble(), 0.001);

  // Element 140001 lies in frame 70000, in CH2's column.
  const QJsonObject later = Run({path, "--at", "140001"});
  EXPECT_EQ(later["frame_start"].toInt(), 70000);
  EXPECT_NEAR(Channel(later, 1)["fundamental_hz"].toDouble(), 1500, 0.05);
}

TEST_F(DistortionCli, APlugInsStreamIsMeasuredOverSuccessiveTicks) {
  // twotone16: CH1 441 Hz at peak 12000, CH2 1102.5 Hz at 6000, continuing
  // from call to call; only an unbroken stream keeps the rounding noise alone.
  QJsonObject o = Run({"--plugin", ONDRIX_PLUGIN_TWOTONE16, "--rate", "44100"});
  ASSERT_EQ(o["channels"].toArray().size(), 2);
  EXPECT_NEAR(Channel(o, 0)["fundamental_hz"].toDouble(), 441, 0.05);
  EXPECT_NEAR(Channel(o, 0)["fundamental_dbfs"].toDouble(), Db(12000 / 32768.0), 0.05);
  EXPECT_NEAR(Channel(o, 1)["fundamental_hz"].toDouble(), 1102.5, 0.05);
  EXPECT_GT(Channel(o, 0)["sinad_db"].toDouble(), Db(12000 / std::sqrt(2.0) * std::sqrt(12.0)) - 6);

  o = Run({"--plugin", ONDRIX_PLUGIN_SINE8, "--rate", "8000", "--channels", "1", "--length", "4096"});
  EXPECT_EQ(o["bits"].toInt(), 8);
  EXPECT_EQ(o["length"].toInt(), 4096);
  EXPECT_NEAR(Channel(o, 0)["fundamental_dbfs"].toDouble(), Db(100 / 128.0), 0.05);
}

TEST_F(DistortionCli, PlainOutputHasOneFigureALinePerChannel) {
  const ProgramRun r = RunCli({"distortion", Save(ToneWav({16, false, false}, {{1000, -6}, {2100, -6}}, 65536))});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QStringList blocks = r.out.split("\n\n");
  ASSERT_EQ(blocks.size(), 3) << r.out.toStdString();
  for (int ch = 1; ch <= 2; ++ch) {
    for (const QString& line : blocks[ch].split('\n', Qt::SkipEmptyParts))
      EXPECT_TRUE(QRegularExpression(QStringLiteral("^CH%1 [A-Za-z0-9+ ]+: -?[0-9.e+-]+( \\S+)?$").arg(ch))
                      .match(line)
                      .hasMatch())
          << line.toStdString();
  }
  const QRegularExpressionMatch hz = QRegularExpression(QStringLiteral("CH2 fundamental: (\\S+) Hz")).match(blocks[2]);
  ASSERT_TRUE(hz.hasMatch()) << blocks[2].toStdString();
  EXPECT_NEAR(hz.captured(1).toDouble(), 2100, 0.05);
}

TEST_F(DistortionCli, WhatCannotBeMeasuredExitsWithStatus2AndOneLine) {
  const QString stereo = Save(ToneWav({16, false, false}, {{1000, -6}, {2000, -6}}, 10000), "stereo.wav");
  const QString shortFile = Save(ToneWav({24, false, false}, {{1000, -6}}, 3000), "short.wav");
  const QString ten = Save(ToneWav({16, false, false}, std::vector<Tone>(10, {1000, -6}), 4096), "ten.wav");
  const QString silent = Save(ToneWav({16, false, false}, {{1000, -200}}, 4096), "silent.wav");
  const QString nan = Save(SampleWav(std::vector<double>(4096, std::nan("")), 1, 48000, 32, true, false), "nan.wav");
  const struct {
    QStringList args;
    const char* errorHas;
  } cases[] = {
      {{"distortion", shortFile}, "3000 frames"},
      {{"distortion", stereo, "--at", "20000"}, "at least 4096"},
      {{"distortion", stereo, "--length", "5000"}, "power of two"},
      {{"distortion", stereo, "--length", "524288"}, "power of two"},
      {{"distortion", stereo, "--harmonics", "11"}, "--harmonics"},
      {{"distortion", stereo, "--fundamental", "10"}, "above 10 Hz"},
      {{"distortion", stereo, "--fundamental", "24000"}, "half the sample rate"},
      {{"distortion", stereo, "--band", "100:50"}, "--band"},
      {{"distortion", stereo, "--band", "24000:30000"}, "band"},
      {{"distortion", stereo, "--channel", "3"}, "last channel, 2"},
      {{"distortion", ten}, "--channel"},
      {{"distortion", silent}, "channel 1"},
      {{"distortion", nan}, "not a finite number"},
      {{"distortion", "--plugin", ONDRIX_PLUGIN_SINE8, "--rate", "8000", "--channels", "1", "--channel", "2"},
       "last channel, 1"},
      // The other commands keep refusing what only the analysis reads.
      {{"--lang", "zh", "measure", shortFile}, "不支持 24 位采样：只能打开 8 位或 16 位数据"},
  };
  for (const auto& c : cases) {
    const ProgramRun r = RunCli(c.args);
    const std::string what = c.args.join(' ').toStdString();
    EXPECT_EQ(r.exitCode, 2) << what;
    EXPECT_EQ(r.err.count('\n'), 1) << what << ": " << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.errorHas))) << what << ": " << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << what;
  }
  // 10000 frames: the largest power of two that fits, with a note.
  const ProgramRun shortened = RunCli({"distortion", stereo, "--json"});
  EXPECT_EQ(shortened.exitCode, 0);
  EXPECT_EQ(QJsonDocument::fromJson(shortened.out.toUtf8())["length"].toInt(), 8192);
  EXPECT_TRUE(shortened.err.contains("note")) << shortened.err.toStdString();
}
