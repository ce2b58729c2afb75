#include "generator/SignalGenerator.h"
#include "generator/SignalSynthesis.h"

#include <gtest/gtest.h>


namespace {

GeneratorParams Function(int leftWave, int rightWave, int leftFreq, int rightFreq, int leftPeak, int rightPeak) {
  GeneratorParams p{};
  p.functionMode = 1;
  p.leftWave = leftWave;
  p.rightWave = rightWave;
  p.leftFreq = leftFreq;
  p.rightFreq = rightFreq;
  p.leftPeak = leftPeak;
  p.rightPeak = rightPeak;
  return p;
}

GeneratorParams Sweep(int start, int end, int peak, int riseMs) {
  GeneratorParams p{};
  p.functionMode = 0;
  p.leftWave = Square;  // accepted, not used
  p.leftFreq = start;
  p.rightFreq = end;
  p.leftPeak = peak;
  p.rightPeak = 0;  // not used
  p.sweepRiseMs = riseMs;
  return p;
}

}  // namespace

TEST(SignalGenerator, RateBelow44100OrAbove200000BecomesIt) {
  const int32_t cases[][2] = {{22050, 44100}, {44099, 44100}, {44100, 44100}, {48000, 48000},
                              {200000, 200000}, {200001, 44100}, {0, 44100}, {-8000, 44100}};
  for (const auto& c : cases) EXPECT_EQ(GeneratorSampleRate(c[0]), c[1]) << c[0];

  QString refusal;
  const auto signal = MakeGeneratorSignal(Function(Sine, Sine, 1000, 1000, 100, 100), 22050, 2, &refusal);
  ASSERT_TRUE(signal);
  EXPECT_EQ(signal->format, MakePcmFormat(2, 44100, 16));
  EXPECT_EQ(signal->bytes.size(), 4224u);
}

TEST(SignalGenerator, RefusesWhatCannotBeSynthesised) {
  struct Case {
    const char* what;
    GeneratorParams params;
    int rate, channels;
    bool refused;
    const char* mentions;  // part of the message
  };
  const Case cases[] = {
      {"left frequency 0", Function(Sine, Sine, 0, 1000, 100, 100), 44100, 2, true, "左声道"},
      {"right frequency negative", Function(Sine, Sine, 1000, -5, 100, 100), 44100, 2, true, "右声道"},
      {"mono right frequency 0 still sets the length", Function(Sine, Sine, 1000, 0, 100, 100), 44100, 1, true,
       "右声道"},
      {"triangle above R/2", Function(Triangle, Sine, 22051, 1000, 100, 100), 44100, 2, true, "22050 Hz"},
      {"triangle at R/2", Function(Triangle, Sine, 22050, 1000, 100, 100), 44100, 2, false, ""},
      {"sine above R", Function(Sine, Square, 1000, 48001, 100, 100), 48000, 2, true, "48000 Hz"},
      {"sine at R", Function(Sine, Square, 1000, 48000, 100, 100), 48000, 2, false, ""},
      {"mono triangle above R/2", Function(Triangle, Sine, 22051, 1000, 100, 100), 44100, 1, true, "22050 Hz"},
      {"peak below 10", Function(Sine, Sine, 1000, 1000, 9, 100), 44100, 2, true, "10 到 32767"},
      {"peak above 32767", Function(Sine, Sine, 1000, 1000, 100, 32768), 44100, 2, true, "32768"},
      {"peaks at the limits", Function(Sine, Sine, 1000, 1000, 10, 32767), 44100, 2, false, ""},
      {"mono right peak is not heard", Function(Sine, Sine, 1000, 1000, 100, 0), 44100, 1, false, ""},
      {"silent channel above R/2 is no triangle", Function(Sine, 9, 1000, 30000, 100, 100), 44100, 2, false, ""},
      {"sweep end 0", Sweep(100, 0, 100, 100), 44100, 2, true, "结束频率"},
      {"sweep start above R", Sweep(44101, 1000, 100, 100), 44100, 2, true, "起始频率"},
      {"sweep start at R", Sweep(44100, 1000, 100, 100), 44100, 2, false, ""},
      {"sweep start 0 becomes 1", Sweep(0, 1000, 100, 100), 44100, 2, false, ""},
      {"sweep rise 0", Sweep(100, 1000, 100, 0), 44100, 2, true, "扫频时间"},
      {"sweep rise negative", Sweep(100, 1000, 100, -3), 44100, 2, true, "扫频时间"},
      {"sweep beyond 16 MiB", Sweep(100, 1000, 100, 190651), 44100, 2, true, "190650 ms"},
      {"sweep at 16 MiB", Sweep(100, 1000, 100, 190650), 44100, 2, false, ""},
      {"sweep rise of 2^31 - 1", Sweep(100, 1000, 100, 0x7FFFFFFF), 200000, 1, true, "扫频时间"},
      {"sweep peak", Sweep(100, 1000, 32768, 100), 44100, 2, true, "峰值"},
  };
  for (const Case& c : cases) {
    QString refusal;
    const auto signal = MakeGeneratorSignal(c.params, c.rate, c.channels, &refusal);
    EXPECT_EQ(!signal, c.refused) << c.what << ": " << refusal.toStdString();
    EXPECT_EQ(refusal.isEmpty(), !c.refused) << c.what;
    EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.mentions))) << c.what << ": " << refusal.toStdString();
    if (signal) {
      EXPECT_LE(signal->bytes.size(), kSignalMaxBytes) << c.what;
    }
  }
}

TEST(SignalGenerator, ModeChoosesTheSignalAndMonoUsesOnlyTheLeftParameters) {
  QString refusal;
  // Sweep: start and end from the left and right frequencies, the left peak.
  const auto sweep = MakeGeneratorSignal(Sweep(300, 3000, 5000, 1000), 44100, 1, &refusal);
  ASSERT_TRUE(sweep);
  EXPECT_EQ(sweep->bytes, SynthesizeSweepSignal(300, 3000, 5000, 1000, 44100, 1));

  // Mono: whatever the right waveform and peak, the same samples.
  const auto a = MakeGeneratorSignal(Function(Triangle, Sine, 1000, 500, 8000, 100), 44100, 1, &refusal);
  const auto b = MakeGeneratorSignal(Function(Triangle, Square, 1000, 500, 8000, 30000), 44100, 1, &refusal);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->bytes, b->bytes);
  EXPECT_EQ(a->format, MakePcmFormat(1, 44100, 16));
  EXPECT_EQ(a->bytes.size(), 4224u);  // 24 periods of the right's 176 bytes
}

TEST(SignalGenerator, PeriodsWithoutACommonMultipleKeepWholeLeftPeriods) {
  // The worst pair at 200 kHz: periods of 800000 and 266666 bytes.
  QString refusal;
  const auto stereo = MakeGeneratorSignal(Function(Sine, Sine, 1, 3, 30000, 30000), 200000, 2, &refusal);
  ASSERT_TRUE(stereo);
  EXPECT_EQ(stereo->bytes.size(), 16000000u);  // 20 left periods
  EXPECT_FALSE(stereo->note.isEmpty());

  // In mono the right channel is not heard: nothing to tell.
  const auto mono = MakeGeneratorSignal(Function(Sine, Sine, 1, 3, 30000, 30000), 200000, 1, &refusal);
  ASSERT_TRUE(mono);
  EXPECT_TRUE(mono->note.isEmpty());
  EXPECT_EQ(mono->bytes.size() % 400000, 0u);

  const auto plain = MakeGeneratorSignal(Function(Sine, Sine, 1000, 500, 30000, 30000), 200000, 2, &refusal);
  ASSERT_TRUE(plain);
  EXPECT_TRUE(plain->note.isEmpty());
}
