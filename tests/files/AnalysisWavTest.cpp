// The analysis reader: every sample format it takes gives back the stored
// values of the channels asked for; what it cannot take is refused.
#include "files/AnalysisWav.h"
#include "files/WavTestBytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

QString SaveWav(const QTemporaryDir& dir, const QByteArray& bytes) {
  const QString path = dir.filePath(QStringLiteral("a.wav"));
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
  return path;
}

// Sample n of channel c: distinct per channel and frame, both signs, and the
// width's extremes in frames 0 and 1.
double Value(int n, int c, int bits, bool isFloat) {
  if (isFloat) return (n % 2 ? -1 : 1) * (c + 1) * (n + 1) / 64.0;
  const double top = std::ldexp(1, bits - 1);
  if (n < 2) return n == 0 ? top - 1 : -top;
  return std::fmod(n * 7919.0 + c * 104729.0, top) * (n % 2 ? -1 : 1);
}

}  // namespace

TEST(AnalysisWav, ReadsTheChannelsAskedForInEveryFormat) {
  struct Format { int bits; bool isFloat; };
  const Format formats[] = {{8, false}, {16, false}, {24, false}, {32, false}, {32, true}, {64, true}};
  QTemporaryDir dir;
  for (const Format f : formats) {
    for (const bool extensible : {false, true}) {
      for (const uint16_t channels : {1, 2, 6}) {
        SCOPED_TRACE(testing::Message() << f.bits << (f.isFloat ? " float " : " int ") << channels << " ch"
                                        << (extensible ? " extensible" : ""));
        constexpr int kFrames = 40;
        std::vector<double> stored;
        for (int n = 0; n < kFrames; ++n)
          for (int c = 0; c < channels; ++c) stored.push_back(Value(n, c, f.bits, f.isFloat));
        const QString path = SaveWav(dir, SampleWav(stored, channels, 96000, f.bits, f.isFloat, extensible));

        const WavProbe probe = ProbeAnalysisWav(path);
        ASSERT_TRUE(probe.ok) << probe.reason.toStdString();
        EXPECT_EQ(probe.layout.dataBytes, kFrames * channels * f.bits / 8u);
        EXPECT_EQ(HoldsFloatSamples(probe.layout.format), f.isFloat);
        // The last channel and the first, from frame 0 to the end.
        const std::vector<int> picked = {channels - 1, 0};
        std::vector<std::vector<double>> read;
        QString reason;
        ASSERT_TRUE(ReadAnalysisChannels(path, probe.layout, 0, kFrames, picked, &read, &reason))
            << reason.toStdString();
        ASSERT_EQ(read.size(), 2u);
        for (int n = 0; n < kFrames; ++n)
          for (int i = 0; i < 2; ++i) ASSERT_EQ(read[i][n], Value(n, picked[i], f.bits, f.isFloat)) << n;
        // Past the data: refused.
        EXPECT_FALSE(ReadAnalysisChannels(path, probe.layout, 1, kFrames, picked, &read, &reason));
      }
    }
  }
}

TEST(AnalysisWav, RefusesWhatItCannotMeasureWithAReason) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const QByteArray fourFrames = QByteArray(64, '\0');
  const struct {
    const char* name;
    QByteArray bytes;
    const char* reasonHas;
  } cases[] = {
      {"12-bit integers", Riff(Chunk("fmt ", Fmt(1, 1, 48000, 12)) + Chunk("data", fourFrames)), "12-bit integer"},
      {"64-bit integers", Riff(Chunk("fmt ", Fmt(1, 1, 48000, 64)) + Chunk("data", fourFrames)), "64-bit integer"},
      {"16-bit float", Riff(Chunk("fmt ", Fmt(3, 1, 48000, 16)) + Chunk("data", fourFrames)), "16-bit float"},
      {"24-bit extensible float", Riff(Chunk("fmt ", Extensible(1, 48000, 24, 3)) + Chunk("data", fourFrames)),
       "24-bit float"},
      {"A-law", Riff(Chunk("fmt ", Fmt(6, 1, 48000, 8)) + Chunk("data", fourFrames)), "0x0006"},
      {"extensible, unknown GUID",
       Riff(Chunk("fmt ", Extensible(1, 48000, 16, 1, "\x00\x00\x21\x07\xD3\x11\x86\x44\xC8\xC1\xCA\x00\x00\x00")) +
            Chunk("data", fourFrames)),
       "0x0000"},
      {"no channels", Riff(Chunk("fmt ", Fmt(1, 0, 48000, 16)) + Chunk("data", fourFrames)), "channels: 0"},
      {"65 channels", Riff(Chunk("fmt ", Fmt(1, 65, 48000, 8)) + Chunk("data", fourFrames)), "channels: 65"},
      {"NaN", SampleWav({0, 0.5, nan, 0}, 2, 48000, 32, true, false), "frame 1 of channel 1"},
      {"infinity", SampleWav({0, 0.5, 0, -inf}, 2, 48000, 64, true, true), "frame 1 of channel 2"},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = SaveWav(dir, c.bytes);
    const WavProbe probe = ProbeAnalysisWav(path);
    QString reason = probe.reason;
    if (probe.ok) {
      std::vector<std::vector<double>> read;
      const std::vector<int> every = {0, 1};
      EXPECT_FALSE(ReadAnalysisChannels(path, probe.layout, 0, 2, every, &read, &reason));
    }
    EXPECT_TRUE(reason.contains(QLatin1String(c.reasonHas))) << reason.toStdString();
  }
}
