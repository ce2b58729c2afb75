// The ring of recent input: sample units per channel, the newest last, the
// oldest dropped on wrap-around, started afresh on a format change; and the
// engine's feed of it.
#include "acquisition/RecentInput.h"
#include "support/EngineFixture.h"

#include <numeric>

namespace {

struct RingCase {
  const char* name;
  WaveFormat format;
  std::size_t frames;  // frames appended, frame i holding f(i, channel)
  int channel;
  std::size_t asked;
  std::vector<double> expectedTail;  // the last values of Latest(channel, asked)
  std::size_t expectedSize;
};

// Frame i, channel c: 8-bit elements i % 256 (CH2 reversed), 16-bit i % 30000 - 15000 (CH2 negated).
std::vector<uint8_t> Elements8(std::size_t frames, int channels) {
  std::vector<uint8_t> e;
  for (std::size_t i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c) e.push_back(static_cast<uint8_t>(c ? 255 - i % 256 : i % 256));
  return e;
}
std::vector<int16_t> Elements16(std::size_t frames, int channels) {
  std::vector<int16_t> e;
  for (std::size_t i = 0; i < frames; ++i) {
    const int v = static_cast<int>(i % 30000) - 15000;
    for (int c = 0; c < channels; ++c) e.push_back(static_cast<int16_t>(c ? -v : v));
  }
  return e;
}

void AppendInBlocks(RecentInput& ring, const WaveFormat& f, std::size_t frames) {
  // In device-sized blocks, so the wrap falls inside a block.
  const std::size_t block = 4096 / f.blockAlign * f.channels;
  if (f.bitsPerSample == 8) {
    const auto e = Elements8(frames, f.channels);
    for (std::size_t at = 0; at < e.size(); at += block) ring.Append(f, e.data() + at, std::min(block, e.size() - at));
  } else {
    const auto e = Elements16(frames, f.channels);
    for (std::size_t at = 0; at < e.size(); at += block) ring.Append(f, e.data() + at, std::min(block, e.size() - at));
  }
}

}  // namespace

TEST(RecentInputRing, KeepsTheNewestSamplesOfEachChannelInSampleUnits) {
  constexpr std::size_t N = RecentInput::kFrames;
  const RingCase cases[] = {
      {"8-bit mono, centred", MakePcmFormat(1, 8000, 8), 300, 0, 4, {-88, -87, -86, -85}, 4},
      {"8-bit stereo, CH2", MakePcmFormat(2, 8000, 8), 10, 1, 3, {120, 119, 118}, 3},
      {"16-bit stereo, CH2", MakePcmFormat(2, 48000, 16), 1000, 1, 2, {14002, 14001}, 2},
      {"fewer held than asked", MakePcmFormat(1, 44100, 16), 5, 0, 100, {-15000, -14999, -14998, -14997, -14996}, 5},
      {"wrapped: the oldest are gone", MakePcmFormat(2, 44100, 16), N + 1500, 0, N, {8643}, N},
      {"no such channel in mono", MakePcmFormat(1, 44100, 16), 100, 1, 10, {}, 0},
  };
  for (const RingCase& c : cases) {
    RecentInput ring;
    AppendInBlocks(ring, c.format, c.frames);
    const std::vector<double> got = ring.Latest(c.channel, c.asked);
    ASSERT_EQ(got.size(), c.expectedSize) << c.name;
    EXPECT_EQ(ring.Frames(), std::min(c.frames, N)) << c.name;
    const std::vector<double> tail(got.end() - static_cast<std::ptrdiff_t>(c.expectedTail.size()), got.end());
    EXPECT_EQ(tail, c.expectedTail) << c.name;
    // Oldest first: the first value is the frame `size` frames before the end.
    if (!got.empty() && c.format.bitsPerSample == 16 && c.channel == 0) {
      EXPECT_EQ(got.front(), double((c.frames - got.size()) % 30000) - 15000) << c.name;  // wrapped: frame 1500
    }
  }
}

TEST(RecentInputRing, AnotherFormatStartsAfreshAndTheStampFollowsEveryChange) {
  RecentInput ring;
  AppendInBlocks(ring, MakePcmFormat(2, 44100, 16), 5000);
  const uint64_t stamp = ring.Stamp();
  for (const WaveFormat f : {MakePcmFormat(2, 48000, 16), MakePcmFormat(1, 48000, 16), MakePcmFormat(1, 48000, 8)}) {
    AppendInBlocks(ring, f, 100);
    EXPECT_EQ(ring.Frames(), 100u);
    EXPECT_EQ(ring.Format(), f);
    EXPECT_EQ(ring.FullScale(), f.bitsPerSample == 8 ? 128 : 32768);
  }
  EXPECT_GT(ring.Stamp(), stamp);
  const uint64_t before = ring.Stamp();
  ring.Clear();
  EXPECT_EQ(ring.Frames(), 0u);
  EXPECT_EQ(ring.Channels(), 0);
  EXPECT_NE(ring.Stamp(), before);
}

using RecentInputFeed = EngineTest;

TEST_F(RecentInputFeed, TheEngineKeepsTheShownInputAndStartsAfreshWhenTheInputRestarts) {
  UseFormat(2, 16, 48000);
  g_settings.calibrationOffset = 10;
  engine.OpenWaveIn();
  input.Deliver(Block16([](int i) { return i; }));
  input.Deliver(Block16([](int i) { return 5000 + i; }));
  EXPECT_EQ(engine.Recent().Format(), MakePcmFormat(2, 48000, 16));
  EXPECT_EQ(engine.Recent().Frames(), 2048u);
  // The calibrated values the display shows, CH2 the odd elements.
  EXPECT_EQ(engine.Recent().Latest(1, 2), (std::vector<double>{5000 + 2045 - 10, 5000 + 2047 - 10}));

  // A recording keeps feeding it; a pause and a resume leave a gap, so it restarts.
  engine.StopWaveIn();
  engine.StartWaveIn();
  EXPECT_EQ(engine.Recent().Frames(), 0u);
  UseFormat(1, 8, 8000);
  engine.CloseWaveIn();
  engine.OpenWaveIn();
  input.Deliver(Block8([](int i) { return i % 256; }));
  EXPECT_EQ(engine.Recent().Frames(), 4096u);
  EXPECT_EQ(engine.Recent().Latest(0, 1), std::vector<double>{127});
}
