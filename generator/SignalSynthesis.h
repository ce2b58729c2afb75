#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The arithmetic of the function and sweep generators: 16-bit samples,
// little-endian, interleaved left, right in stereo. Pure functions; the
// callers check the parameters first (SignalGenerator).

// The full circle as the generator has always taken it (not the exact 2π).
constexpr double kFullCircle = 6.283185307;
// A function signal holds at least this many bytes.
constexpr std::size_t kSignalMinBytes = 4096;
// And never more than this: a pair of periods with a larger common multiple
// keeps whole periods of the left channel only.
constexpr std::size_t kSignalMaxBytes = std::size_t{16} << 20;
// The sweep's frequency bounds.
constexpr int32_t kSweepMinStartHz = 1;
constexpr int32_t kSweepMaxEndHz = 20000;

// The smallest length both period lengths divide (their least common
// multiple). Both must be at least 1.
uint64_t CommonPeriodBytes(uint64_t a, uint64_t b);

// Period length in bytes of `freqHz` at `rate` with `channels` 16-bit
// channels: 2 × rate × channels / freq, truncated toward zero.
int64_t PeriodBytes(int32_t rate, int channels, int32_t freqHz);

struct WaveChannel {
  int32_t wave;  // Waveform; any other value leaves the channel silent
  int32_t freq;
  int32_t peak;
};

// The frames one period of `wave` at `freqHz` takes as synthesised, from P =
// PeriodBytes: N = P / (2 × channels) for a sine, square and sawtooth (and a
// silent channel), 2 × H with H = P / (4 × channels) for a triangle, which
// reverses every H frames. `heard` false is the right channel of a mono
// signal: not synthesised, it counts N frames whatever its waveform.
int64_t PeriodFrames(int32_t rate, int channels, int32_t wave, int32_t freqHz, bool heard = true);

// The fewest frames a heard period may take: at two a sine is sampled only
// where it crosses zero (silence) and a square holds one level.
constexpr int64_t kMinHeardPeriodFrames = 3;

// The highest frequency whose PeriodFrames is at least `minFrames`, exactly
// as synthesised (with its truncations); 0 when not even 1 Hz is.
int32_t HighestFrequency(int32_t rate, int channels, int32_t wave, bool heard, int64_t minFrames);

// How long a function signal's buffer is.
struct FunctionSignalLayout {
  int64_t leftPeriodBytes = 0;   // P, which the samples are computed from
  int64_t rightPeriodBytes = 0;
  int64_t leftPeriodFrames = 0;  // PeriodFrames of each channel
  int64_t rightPeriodFrames = 0;
  uint64_t loopFrames = 0;       // the common multiple of the two
  uint64_t bufferBytes = 0;      // B
  bool leftPeriodsOnly = false;  // the common multiple was above kSignalMaxBytes
};

// The loop holds a whole number of each channel's periods in frames, so it
// repeats without a jump in phase: B is the smallest whole number of loops
// of loopFrames × 2 × channels bytes that reaches kSignalMinBytes. When one
// loop is above kSignalMaxBytes, B is the largest whole number of left
// periods within kSignalMaxBytes instead. Both periods must be at least one
// frame.
FunctionSignalLayout PlanFunctionSignal(int32_t rate, int channels, const WaveChannel& left,
                                        const WaveChannel& right);

// The function signal: layout.bufferBytes bytes, B / (2 × channels) frames.
// In mono only `left` is synthesised. Every synthesised channel's frequency
// must give at least one sample per period (two for a triangle).
std::vector<uint8_t> SynthesizeFunctionSignal(const FunctionSignalLayout& layout, const WaveChannel& left,
                                              const WaveChannel& right, int32_t rate, int channels);

// The sweep's byte count in one channel: (rate / 1000) × riseMs.
int64_t SweepMonoBytes(int32_t rate, int32_t riseMs);

// A sine sweeping linearly from startFreq to endFreq (after the 1 Hz and
// 20000 Hz clamps) over SweepMonoBytes / 2 samples. In stereo every sample is
// on both channels. startFreq must not be above the rate, endFreq must be
// positive, riseMs at least 1.
std::vector<uint8_t> SynthesizeSweepSignal(int32_t startFreq, int32_t endFreq, int32_t peak, int32_t riseMs,
                                           int32_t rate, int channels);
