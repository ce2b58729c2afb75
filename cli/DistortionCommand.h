#pragma once

#include "cli/CliArguments.h"

#include <QString>

#include <vector>

// `distortion`: the distortion and noise figures of every channel (or of
// --channel) of a block of a WAV file, or of the stream a sampling plug-in
// delivers over successive display ticks. Prints them (plain or --json);
// on failure returns false with `error` set to one line for the user.
bool RunDistortion(const CliArguments& arguments, QString* error);

// Every channel of a source is analysed when it has at most this many.
inline constexpr int kDistortionMaxChannels = 8;

// The frames analysed when `available` frames are there and `wanted` were
// asked for: `wanted` when they fit, else the largest power of two that
// does; 0 when that is below kDistortionMinLength.
int DistortionBlockLength(unsigned long long available, int wanted);

// The channels (from 0) that `channel` (from 1; 0 for every one) picks of a
// source with `channels`; none, with `error` set, when it picks nothing or
// would take more than kDistortionMaxChannels unasked.
std::vector<int> PickDistortionChannels(int channels, int channel, QString* error);
