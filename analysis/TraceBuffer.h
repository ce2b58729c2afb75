#pragma once

#include <array>
#include <cstdint>

// One display frame of one channel: 1024 sample values (8-bit data as
// value - 128, 16-bit data as is) or a magnitude spectrum.
constexpr int kTraceLength = 1024;
using TraceBuffer = std::array<int32_t, kTraceLength>;
