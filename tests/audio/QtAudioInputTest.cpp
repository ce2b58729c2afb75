// The Qt audio input against a real sound server: a private PulseAudio server
// whose default input hears its default output. The test plays a tone through
// Qt's audio output and checks what QtAudioInput delivers: block sizes, byte
// rate, level and frequency, pausing, resuming and reopening.

#include "EventLoop.h"
#include "LoopbackMain.h"
#include "acquisition/QtAudioInput.h"
#include "files/WaveFormat.h"

#include <gtest/gtest.h>

#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int kPlayRate = 44100;
constexpr double kPlayAmplitude = 0.5;  // of full scale

// An endless 16-bit stereo sine, its own frequency on each channel.
class ToneDevice : public QIODevice {
 public:
  ToneDevice(double leftHz, double rightHz) : leftHz_(leftHz), rightHz_(rightHz) { open(QIODevice::ReadOnly); }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return (1 << 20) + QIODevice::bytesAvailable(); }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const qint64 frames = maxSize / 4;
    for (qint64 i = 0; i < frames; ++i, ++frame_) {
      const double t = static_cast<double>(frame_) / kPlayRate;
      const int16_t pair[2] = {Sample(leftHz_, t), Sample(rightHz_, t)};
      std::memcpy(data + 4 * i, pair, 4);
    }
    return frames * 4;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  static int16_t Sample(double hz, double t) {
    return static_cast<int16_t>(std::lround(kPlayAmplitude * 32767.0 * std::sin(2 * std::numbers::pi * hz * t)));
  }
  double leftHz_, rightHz_;
  qint64 frame_ = 0;
};

// Everything the input delivered, with the arrival time of each block.
struct Capture {
  std::vector<uint8_t> bytes;
  std::vector<double> arrivalSec;
  int wrongSizedBlocks = 0;
  QElapsedTimer clock;

  void Attach(AudioInput& input) {
    clock.start();
    input.SetBlockHandler([this](const uint8_t* data, std::size_t count) {
      if (count != AudioInput::kBlockBytes) ++wrongSizedBlocks;
      bytes.insert(bytes.end(), data, data + count);
      arrivalSec.push_back(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    });
  }
  std::size_t Blocks() const { return arrivalSec.size(); }
};

// Bytes per second from the arrival times of blocks `first` .. end: the
// least-squares slope of arrival time over block number, so the scheduling
// jitter of single blocks averages out.
double MeasuredByteRate(const std::vector<double>& arrival, std::size_t first) {
  const std::size_t n = arrival.size() - first;
  double meanI = 0, meanT = 0;
  for (std::size_t i = 0; i < n; ++i) {
    meanI += static_cast<double>(i);
    meanT += arrival[first + i];
  }
  meanI /= static_cast<double>(n);
  meanT /= static_cast<double>(n);
  double sIT = 0, sII = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double di = static_cast<double>(i) - meanI;
    sIT += di * (arrival[first + i] - meanT);
    sII += di * di;
  }
  return static_cast<double>(AudioInput::kBlockBytes) / (sIT / sII);
}

// One channel of the captured bytes as signed values in units of full scale,
// starting at byte `from` (a block boundary).
std::vector<double> Channel(const std::vector<uint8_t>& bytes, std::size_t from, const WaveFormat& f, int channel) {
  std::vector<double> out;
  const std::size_t bytesPerSample = f.bitsPerSample / 8;
  for (std::size_t at = from + channel * bytesPerSample; at + bytesPerSample <= bytes.size(); at += f.blockAlign) {
    if (f.bitsPerSample == 8) {
      out.push_back((bytes[at] - 128) / 128.0);
    } else {
      int16_t v;
      std::memcpy(&v, &bytes[at], 2);
      out.push_back(v / 32768.0);
    }
  }
  return out;
}

// Frequency from the rising zero crossings (with hysteresis, interpolated
// between samples): full periods between the first and the last crossing.
double ZeroCrossingFrequency(const std::vector<double>& x, double sampleRate) {
  double peak = 0;
  for (double v : x) peak = std::max(peak, std::abs(v));
  const double hysteresis = 0.25 * peak;
  bool armed = false;
  double first = -1, last = -1;
  int crossings = 0;
  for (std::size_t k = 1; k < x.size(); ++k) {
    if (x[k] < -hysteresis) armed = true;
    if (armed && x[k - 1] < 0 && x[k] >= 0) {
      const double at = static_cast<double>(k - 1) + (-x[k - 1]) / (x[k] - x[k - 1]);
      if (crossings == 0) first = at;
      last = at;
      ++crossings;
      armed = false;
    }
  }
  if (crossings < 2) return 0;
  return (crossings - 1) * sampleRate / (last - first);
}

// The largest deviation, in samples, of one period of the tone from the
// nominal one: a splice of two stretches of sound shows as a phase jump.
double LargestPeriodError(const std::vector<double>& x, double samplesPerPeriod) {
  std::vector<double> crossings;
  for (std::size_t k = 1; k < x.size(); ++k)
    if (x[k - 1] < 0 && x[k] >= 0) crossings.push_back(static_cast<double>(k - 1) + (-x[k - 1]) / (x[k] - x[k - 1]));
  double worst = 0;
  for (std::size_t i = 1; i < crossings.size(); ++i)
    worst = std::max(worst, std::abs(crossings[i] - crossings[i - 1] - samplesPerPeriod));
  return worst;
}

double Rms(const std::vector<double>& x) {
  double sum = 0;
  for (double v : x) sum += v * v;
  return x.empty() ? 0 : std::sqrt(sum / static_cast<double>(x.size()));
}

// Needs the server; can play a tone on the default output for the whole test.
class QtAudioInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!g_server) FAIL() << g_serverError;
  }
  void PlayTone(double leftHz, double rightHz) {
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Int16);
    format.setChannelCount(2);
    format.setSampleRate(kPlayRate);
    tone_ = std::make_unique<ToneDevice>(leftHz, rightHz);
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    sink_->start(tone_.get());
    ASSERT_EQ(sink_->error(), QAudio::NoError);
    // Let the tone reach the loopback before anything listens.
    RunEventLoop(300);
  }
  void TearDown() override {
    if (sink_) sink_->stop();
  }

  std::unique_ptr<ToneDevice> tone_;
  std::unique_ptr<QAudioSink> sink_;
};

struct FormatCase {
  uint16_t channels;
  uint32_t rate;
  uint16_t bits;
  double leftHz, rightHz;  // the same in mono: the server mixes both channels
  int runMs;  // long enough for at least four blocks
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.channels << " ch, " << c.rate << " Hz, " << c.bits << " bit";
}

class QtAudioInputFormatTest : public QtAudioInputTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(QtAudioInputFormatTest, DeliversWholeBlocksAtTheNominalRateWithTheToneIntact) {
  const FormatCase c = GetParam();
  ASSERT_NO_FATAL_FAILURE(PlayTone(c.leftHz, c.rightHz));
  const WaveFormat format = MakePcmFormat(c.channels, c.rate, c.bits);

  Capture capture;
  QtAudioInput input;
  capture.Attach(input);
  ASSERT_TRUE(input.Open(format));
  EXPECT_TRUE(input.IsOpen());
  RunEventLoop(c.runMs);
  input.Close();

  EXPECT_EQ(capture.wrongSizedBlocks, 0);
  ASSERT_EQ(capture.bytes.size(), capture.Blocks() * AudioInput::kBlockBytes);
  // The first block may carry the stream's start-up delay: the rate is taken
  // from the second block on.
  ASSERT_GE(capture.Blocks(), 4u) << "too few blocks to measure";
  const double nominal = format.avgBytesPerSec;
  const double rate = MeasuredByteRate(capture.arrivalSec, 1);
  std::printf("  %u ch, %u Hz, %u bit: %zu blocks, %.0f bytes/s (nominal %.0f, %+.2f %%)\n", c.channels, c.rate,
              c.bits, capture.Blocks(), rate, nominal, 100 * (rate / nominal - 1));
  EXPECT_NEAR(rate, nominal, 0.02 * nominal);

  // The tone, from the second block on (the first may hold the start of the
  // stream: resampler settling, silence).
  for (int ch = 0; ch < c.channels; ++ch) {
    const std::vector<double> x = Channel(capture.bytes, AudioInput::kBlockBytes, format, ch);
    const double played = ch == 0 ? c.leftHz : c.rightHz;
    const double f = ZeroCrossingFrequency(x, c.rate);
    const double rms = Rms(x);
    std::printf("  channel %d: %.2f Hz (played %.0f), rms %.4f of full scale (played %.4f)\n", ch + 1, f, played,
                rms, kPlayAmplitude / std::sqrt(2.0));
    EXPECT_NEAR(f, played, 0.005 * played) << "channel " << ch + 1;
    // Nothing lost, repeated or reordered: the tone runs on without a splice.
    const double periodError = LargestPeriodError(x, c.rate / played);
    std::printf("  channel %d: largest period error %.3f samples\n", ch + 1, periodError);
    EXPECT_LT(periodError, 0.5) << "channel " << ch + 1;
    EXPECT_NEAR(rms, kPlayAmplitude / std::sqrt(2.0), 0.1 * kPlayAmplitude / std::sqrt(2.0)) << "channel " << ch + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, QtAudioInputFormatTest,
                         ::testing::Values(FormatCase{2, 44100, 16, 1000, 1500, 2000},
                                           FormatCase{2, 48000, 8, 1000, 1500, 1200},
                                           FormatCase{1, 8000, 8, 1000, 1000, 3000},
                                           FormatCase{1, 2000, 16, 250, 250, 4600},
                                           FormatCase{2, 200000, 16, 1000, 1500, 2000}),
                         [](const ::testing::TestParamInfo<FormatCase>& info) {
                           const FormatCase& c = info.param;
                           return (c.channels == 2 ? std::string("Stereo") : std::string("Mono")) +
                                  std::to_string(c.bits) + "Bit" + std::to_string(c.rate) + "Hz";
                         });

TEST_F(QtAudioInputTest, StopPausesDeliveryAndStartResumesWithoutABacklog) {
  ASSERT_NO_FATAL_FAILURE(PlayTone(1000, 1000));
  const WaveFormat format = MakePcmFormat(2, 44100, 16);  // a block every 23 ms
  Capture capture;
  QtAudioInput input;
  capture.Attach(input);
  ASSERT_TRUE(input.Open(format));
  RunEventLoop(500);
  EXPECT_GE(capture.Blocks(), 5u) << "no input before the pause";

  input.Stop();
  EXPECT_TRUE(input.IsOpen());
  const std::size_t atStop = capture.Blocks();
  RunEventLoop(700);
  EXPECT_EQ(capture.Blocks(), atStop) << "blocks arrived while paused";

  input.Start();
  const std::size_t atStart = capture.Blocks();
  const int resumedMs = 600;
  RunEventLoop(resumedMs);
  const double realTimeBlocks = resumedMs * 1e-3 * format.avgBytesPerSec / AudioInput::kBlockBytes;
  const std::size_t resumed = capture.Blocks() - atStart;
  EXPECT_GE(resumed, static_cast<std::size_t>(realTimeBlocks / 2)) << "delivery did not resume";
  // Sound held back from before or during the pause would arrive as a burst
  // on top of the real-time blocks.
  EXPECT_LE(resumed, static_cast<std::size_t>(realTimeBlocks) + 3) << "a backlog was delivered after resuming";
  EXPECT_EQ(capture.wrongSizedBlocks, 0);

  // The resumed blocks hold the tone without a splice: a block begun before
  // the pause is not completed with sound from after it.
  const std::vector<double> x = Channel(capture.bytes, atStart * AudioInput::kBlockBytes, format, 0);
  EXPECT_NEAR(ZeroCrossingFrequency(x, format.samplesPerSec), 1000, 5);
  EXPECT_LT(LargestPeriodError(x, format.samplesPerSec / 1000.0), 0.5);
}

TEST_F(QtAudioInputTest, OpenRefusesFormatsItCannotDeliver) {
  QtAudioInput input;
  EXPECT_FALSE(input.Open(MakePcmFormat(3, 44100, 16)));
  EXPECT_FALSE(input.IsOpen());
  EXPECT_FALSE(input.Open(MakePcmFormat(2, 44100, 24)));
  EXPECT_FALSE(input.IsOpen());
  EXPECT_FALSE(input.Open(MakePcmFormat(1, 0, 16)));
  EXPECT_FALSE(input.IsOpen());
  WaveFormat notPcm = MakePcmFormat(1, 44100, 16);
  notPcm.formatTag = 3;
  EXPECT_FALSE(input.Open(notPcm));
  EXPECT_FALSE(input.IsOpen());
  // Pause, resume and close of a closed input do nothing.
  input.Stop();
  input.Start();
  EXPECT_TRUE(input.Close());
  EXPECT_FALSE(input.IsOpen());
}

TEST_F(QtAudioInputTest, ReopensAfterCloseWithAnotherFormat) {
  ASSERT_NO_FATAL_FAILURE(PlayTone(1000, 1500));
  Capture first, second;
  QtAudioInput input;
  first.Attach(input);
  // A chosen device that is not there gives the default.
  input.SetDevice("no-such-input");
  ASSERT_TRUE(input.Open(MakePcmFormat(1, 8000, 8)));  // a block every 0.5 s
  RunEventLoop(1200);
  EXPECT_GE(first.Blocks(), 1u);
  EXPECT_TRUE(input.Close());
  EXPECT_FALSE(input.IsOpen());
  const std::size_t afterClose = first.Blocks();
  RunEventLoop(600);
  EXPECT_EQ(first.Blocks(), afterClose) << "blocks arrived after Close";

  const WaveFormat stereo = MakePcmFormat(2, 44100, 16);
  second.Attach(input);
  input.SetDevice("loopin");  // the loopback server's input, by its id
  ASSERT_TRUE(input.Open(stereo));
  RunEventLoop(600);
  input.Close();
  ASSERT_GE(second.Blocks(), 5u);
  EXPECT_EQ(second.wrongSizedBlocks, 0);
  const std::vector<double> left = Channel(second.bytes, AudioInput::kBlockBytes, stereo, 0);
  const std::vector<double> right = Channel(second.bytes, AudioInput::kBlockBytes, stereo, 1);
  EXPECT_NEAR(ZeroCrossingFrequency(left, 44100), 1000, 5);
  EXPECT_NEAR(ZeroCrossingFrequency(right, 44100), 1500, 7.5);
}

}  // namespace
