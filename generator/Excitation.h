#pragma once

// The excitation a transfer-function measurement plays on both channels:
// broadband signals whose every frequency carries energy, looped seamlessly.

#include "generator/SignalGenerator.h"

#include <cstdint>

enum class Excitation { PinkNoise, WhiteNoise, LogSweep };

// The level range offered, in dBFS. For the noises the level is the RMS
// relative to a full-scale sine (0 dBFS: RMS of 32767 / √2), which leaves
// room for their peaks below full scale; for the sweep it is the peak.
constexpr int kExcitationMinDb = -60;
constexpr int kExcitationMaxDb = -10;
constexpr int kExcitationDefaultDb = -20;

// The loop lasts this long (rounded to whole frames).
constexpr double kExcitationLoopSeconds = 4.0;
// The sweep runs from here up to 0.9 × rate / 2.
constexpr double kSweepLowHz = 20.0;

// `kind` at `levelDb` (clamped to the range above) as 16-bit stereo at
// `sampleRate`, both channels the same sample for sample. The noises come
// from a fixed seed, so every loop and every run are alike. The sweep rises
// logarithmically and ends where its phase has come full circle, so the loop
// repeats without a jump.
GeneratedSignal MakeExcitation(Excitation kind, double levelDb, int32_t sampleRate);

// The sweep's instantaneous frequency at frame `n` of a loop of `frames`
// frames: kSweepLowHz × k^(n / frames) scaled by `tune`, k = high / low.
// The sweep's `tune` makes the loop hold whole cycles and stays within 1e-3 of 1.
double SweepFrequency(int64_t n, int64_t frames, double highHz, double tune);
