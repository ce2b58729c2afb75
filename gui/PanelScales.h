#pragma once

#include <cstdint>

// The control panel's value mappings.

struct SliderRange {
  int minimum = 0;
  int maximum = 0;
};

// The display's gain divisor for gain step `step` (0 .. 10): 2 to the power
// of the step, 1 .. 1024.
int32_t GainDivisorForStep(int step);
// The gain the divisor stands for, 20 log10(1 / divisor) dB truncated toward
// zero: 0, -6, -12 ... -60 for steps 0 .. 10.
int32_t GainDecibels(int32_t divisor);
// The trigger level slider's range: -128 .. 128 for 8-bit samples, else
// -32767 .. 32767.
SliderRange TriggerLevelRange(int bitsPerSample);
