// ondrix-cli response on WAV files written here: a device of known gain and
// delay, measured from a stereo file and from two mono files.
#include "cli/CliTestSupport.h"
#include "files/WavTestBytes.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr int kRate = 48000;

std::vector<double> Noise(int frames, unsigned seed = 3) {
  std::mt19937 random(seed);
  std::normal_distribution<double> normal(0, 0.1);
  std::vector<double> v(frames);
  for (double& s : v) s = normal(random);
  return v;
}

// y = gain * x, `delay` whole samples late.
std::vector<double> Device(const std::vector<double>& x, double gain, int delay) {
  std::vector<double> y(x.size() + delay);
  for (std::size_t t = 0; t < x.size(); ++t) y[t + delay] = gain * x[t];
  return y;
}

class ResponseCli : public ::testing::Test {
 protected:
  // `channels` of equal length as a float WAV.
  QString Save(const QString& name, const std::vector<std::vector<double>>& channels, int rate = kRate) {
    std::vector<double> values;
    for (std::size_t t = 0; t < channels[0].size(); ++t)
      for (const auto& c : channels) values.push_back(c[t]);
    const QByteArray bytes = SampleWav(values, uint16_t(channels.size()), rate, 32, true, false);
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    return f.fileName();
  }
  QString Stereo() {
    const std::vector<double> x = Noise(3 * kRate);
    std::vector<double> y = Device(x, 0.5, 48);
    y.resize(x.size());
    return Save("stereo.wav", {x, y});
  }
  QTemporaryDir dir;
};

TEST_F(ResponseCli, MeasuresGainAndDelay) {
  const QString stereo = Stereo();
  const std::vector<double> x = Noise(3 * kRate);
  const QString ref = Save("ref.wav", {x});
  const QString rec = Save("rec.wav", {Device(x, 0.5, 240)});
  const struct {
    QStringList args;
    double delayMs;
    int fft;
    int smoothing;  // 0: a point per bin
    bool aligned;   // the phase is that of the gain alone
    double magnitudeDb;  // a delay within the segments scatters single bins
  } cases[] = {
      {{stereo}, 1, 16384, 0, false, 0.2},
      {{stereo, "--fft", "4096", "--smoothing", "1/12"}, 1, 4096, 12, false, 0.1},
      {{ref, rec}, 5, 16384, 0, true, 0.05},
      {{ref, rec, "--fft", "65536", "--smoothing", "1/3"}, 5, 65536, 3, true, 0.05},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const ProgramRun r = RunCli(QStringList{"response", "--json"} + c.args);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_NEAR(o["delay_ms"].toDouble(), c.delayMs, 0.02);
    EXPECT_EQ(o["fft"].toInt(), c.fft);
    EXPECT_EQ(o["sample_rate"].toInt(), kRate);
    EXPECT_GT(o["averages"].toInt(), 0);
    const QJsonArray points = o["points"].toArray();
    ASSERT_GT(points.size(), 10);
    const QJsonObject first = points[0].toObject(), second = points[1].toObject();
    EXPECT_EQ(first.keys(), (QStringList{"coherence", "frequency_hz", "magnitude_db", "phase_deg"}));
    EXPECT_NEAR(first["frequency_hz"].toDouble(), double(kRate) / c.fft, 1e-9);
    if (c.smoothing == 0) {
      EXPECT_EQ(points.size(), c.fft / 2);
      EXPECT_NEAR(second["frequency_hz"].toDouble(), 2.0 * kRate / c.fft, 1e-9);
    } else {
      EXPECT_NEAR(second["frequency_hz"].toDouble() / first["frequency_hz"].toDouble(),
                  std::exp2(1.0 / std::max(24, 2 * c.smoothing)), 1e-9);
    }
    for (const QJsonValue& v : points) {
      const QJsonObject p = v.toObject();
      const double hz = p["frequency_hz"].toDouble();
      if (hz < 20 || hz > 15000) continue;
      ASSERT_NEAR(p["magnitude_db"].toDouble(), -6.02, c.magnitudeDb) << hz;
      ASSERT_GT(p["coherence"].toDouble(), 0.95) << hz;
      const double phase = c.aligned ? 0 : -360 * hz * c.delayMs / 1000;
      ASSERT_NEAR(std::remainder(p["phase_deg"].toDouble() - phase, 360.0), 0, 2) << hz;
    }
  }
}

TEST_F(ResponseCli, WritesCsvAndPng) {
  const QString stereo = Stereo();
  const struct {
    QStringList size;
    QSize expected;
  } cases[] = {{{}, {1000, 600}}, {{"--size", "640x480"}, {640, 480}}};
  for (const auto& c : cases) {
    const QString csv = dir.filePath("r.csv"), png = dir.filePath("r.png");
    const ProgramRun r =
        RunCli(QStringList{"response", stereo, "--fft", "4096", "--csv", csv, "--png", png} + c.size);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QImage(png).size(), c.expected);
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 4096 / 2);
    EXPECT_EQ(lines[0], "frequency_hz,magnitude_db,phase_deg,coherence");
    // The plain output's points are the CSV's, columns and all.
    const QStringList plain = r.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(plain.mid(plain.size() - lines.size()).join('\n').replace(' ', ','), lines.join('\n'));
    for (const QString& line : lines.mid(1)) ASSERT_EQ(line.split(',').size(), 4) << line.toStdString();
  }
}

TEST_F(ResponseCli, RefusesWithOneLine) {
  const QString stereo = Stereo();
  const std::vector<double> x = Noise(kRate);
  const QString mono = Save("mono.wav", {x});
  const QString other = Save("other.wav", {x}, 44100);
  const QString shortFile = Save("short.wav", {Noise(8000), Noise(8000)});
  // The arguments, and what the message names.
  const std::pair<QStringList, QString> cases[] = {
      {{mono}, "a mono file"},
      {{mono, other}, "44100 Hz"},
      {{stereo, "--fft", "5000"}, "--fft"},
      {{stereo, "--fft", "131072"}, "--fft"},
      {{stereo, "--smoothing", "1/5"}, "--smoothing"},
      {{shortFile}, "fewer than one FFT segment"},
      {{stereo, "--csv", stereo}, "stereo.wav"},
      {{stereo, "--png", stereo}, "stereo.wav"},
  };
  QFile original(stereo);
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  const QByteArray before = original.readAll();
  for (const auto& [args, named] : cases) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const ProgramRun r = RunCli(QStringList{"response"} + args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(named)) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  }
  QFile after(stereo);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), before);
}

}  // namespace
