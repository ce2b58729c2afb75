#include "generator/MixerSlider.h"

#include <limits>

namespace {

// Negation without overflow: INT32_MIN has no positive counterpart.
int32_t Negate(int32_t value) {
  return value == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max() : -value;
}

}  // namespace

MixerSliderRange MixerSliderRangeFor(int32_t controlMinimum, int32_t controlMaximum) {
  return {Negate(controlMaximum), Negate(controlMinimum)};
}

int32_t MixerSliderPosition(int32_t level) { return Negate(level); }

int32_t MixerLevelFromSlider(int32_t position) { return Negate(position); }
