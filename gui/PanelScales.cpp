#include "gui/PanelScales.h"

#include <algorithm>
#include <cmath>

int32_t GainDivisorForStep(int step) { return int32_t{1} << std::clamp(step, 0, 30); }

int32_t GainDecibels(int32_t divisor) {
  if (divisor <= 0) return 0;
  return static_cast<int32_t>(std::trunc(20.0 * std::log10(1.0 / divisor)));
}

SliderRange TriggerLevelRange(int bitsPerSample) {
  return bitsPerSample == 8 ? SliderRange{-128, 128} : SliderRange{-32767, 32767};
}
