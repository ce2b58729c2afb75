#pragma once

#include <cstdint>

// How a vertical mixer slider shows a control. A vertical slider has its
// minimum at the top, so the slider runs over the negated control values:
// the top is the loudest setting.

struct MixerSliderRange {
  int32_t minimum = 0;
  int32_t maximum = 0;
};

// The slider's range for a control of `controlMinimum` .. `controlMaximum`:
// -controlMaximum .. -controlMinimum.
MixerSliderRange MixerSliderRangeFor(int32_t controlMinimum, int32_t controlMaximum);
// The slider position that shows the control value `level`.
int32_t MixerSliderPosition(int32_t level);
// The control value (for both channels) that slider position `position` sets.
int32_t MixerLevelFromSlider(int32_t position);
