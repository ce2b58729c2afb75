#include "generator/GeneratorLimits.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A function signal (a sine on the left, a triangle on the right) and a
// sweep, both playable at every rate.
constexpr GeneratorParams kFunction{1, {}, Sine, Triangle, 1000, 2000, 10, 32767, 250};
constexpr GeneratorParams kSweep{0, {}, Square, Sawtooth, 440, 880, 10, 32767, 250};

}  // namespace

TEST(GeneratorLimits, TheRepairMendsExactlyWhatTheGeneratorRefusesAndWhatThePanelCannotShow) {
  struct Case {
    const char* what;
    GeneratorParams record;
    int32_t GeneratorParams::*field;
    int32_t value;
    int rate, channels;
    bool mended;
  } const cases[] = {
      {"a waveform outside the lists", kFunction, &GeneratorParams::leftWave, 4, 44100, 2, true},
      {"a sine of three frames", kFunction, &GeneratorParams::leftFreq, 14700, 44100, 2, false},
      {"a sine of two", kFunction, &GeneratorParams::leftFreq, 14701, 44100, 2, true},
      {"the largest integer", kFunction, &GeneratorParams::leftFreq, 2147483647, 44100, 2, true},
      {"a triangle of four frames", kFunction, &GeneratorParams::rightFreq, 11025, 44100, 2, false},
      {"a triangle of two", kFunction, &GeneratorParams::rightFreq, 11026, 44100, 2, true},
      {"at the generator's rate, not the input's", kFunction, &GeneratorParams::leftFreq, 14700, 22050, 2, false},
      {"a higher rate plays higher", kFunction, &GeneratorParams::leftFreq, 32000, 96000, 2, false},
      {"a peak below the slider", kFunction, &GeneratorParams::leftPeak, 9, 44100, 2, true},
      {"a rise time the function signal does not use", kFunction, &GeneratorParams::sweepRiseMs, 0, 44100, 2, false},
      {"mono: the right only sets the length", kFunction, &GeneratorParams::rightFreq, 44100, 44100, 1, false},
      {"mono: a right period under a frame", kFunction, &GeneratorParams::rightFreq, 44101, 44100, 1, true},
      {"mono: an unheard right peak the slider cannot show", kFunction, &GeneratorParams::rightPeak, 0, 44100, 1, true},
      {"a sweep from 0 plays from 1 Hz", kSweep, &GeneratorParams::leftFreq, 0, 44100, 2, false},
      {"a sweep from the rate", kSweep, &GeneratorParams::leftFreq, 44100, 44100, 2, false},
      {"a sweep from above it", kSweep, &GeneratorParams::leftFreq, 2147483647, 44100, 2, true},
      {"a sweep to beyond 20000 plays to 20000", kSweep, &GeneratorParams::rightFreq, 2147483647, 44100, 2, false},
      {"a sweep to 0", kSweep, &GeneratorParams::rightFreq, 0, 44100, 2, true},
      {"the longest sweep", kSweep, &GeneratorParams::sweepRiseMs, 190650, 44100, 2, false},
      {"a sweep longer than 16 MiB", kSweep, &GeneratorParams::sweepRiseMs, 190651, 44100, 2, true},
      {"a waveform the sweep does not use", kSweep, &GeneratorParams::leftWave, -1, 44100, 2, true},
      {"a peak the sweep does not use", kSweep, &GeneratorParams::rightPeak, 5, 44100, 2, true},
  };
  const GeneratorParams defaults = DefaultGeneratorParams();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GeneratorParams p = c.record;
    p.*c.field = c.value;
    const bool refused = !GeneratorFaults(p, c.rate, c.channels).isEmpty();
    GeneratorParams expected = p;
    if (c.mended) expected.*c.field = defaults.*c.field;

    const QStringList mended = RepairGeneratorParams(p, c.rate, c.channels);
    EXPECT_EQ(mended.size(), c.mended ? 1 : 0) << mended.join(' ').toStdString();
    EXPECT_EQ(0, std::memcmp(&p, &expected, sizeof p));
    // What is kept plays; what the generator refuses is always mended.
    EXPECT_TRUE(GeneratorFaults(p, c.rate, c.channels).isEmpty());
    EXPECT_TRUE(!refused || c.mended);
  }
}

TEST(GeneratorLimits, AModeOtherThanFunctionOrSweepBecomesTheFunctionSignalItPlayed) {
  for (uint8_t mode : {uint8_t{0}, uint8_t{1}, uint8_t{2}, uint8_t{255}}) {
    GeneratorParams p = kFunction;
    p.functionMode = mode;
    EXPECT_EQ(RepairGeneratorParams(p, 44100, 2).contains("functionMode"), mode > 1) << int{mode};
    EXPECT_EQ(p.functionMode, mode > 1 ? 1 : mode);
  }
}

TEST(GeneratorLimits, AWaveformMendedFirstJudgesTheFrequencyItPlays) {
  // A right waveform outside the lists becomes the default triangle, which
  // cannot play the 14000 Hz a sine could.
  GeneratorParams p = kFunction;
  p.rightWave = 7;
  p.rightFreq = 14000;
  EXPECT_EQ(RepairGeneratorParams(p, 44100, 2), (QStringList{"rightWave", "rightFreq"}));
  EXPECT_TRUE(GeneratorFaults(p, 44100, 2).isEmpty());
}
