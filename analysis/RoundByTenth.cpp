#include "analysis/SignalAnalysis.h"

#include <cmath>
#include <cstdint>

int32_t RoundByTenth(double x) {
  // A readout is a 32-bit integer: values beyond that range saturate and a NaN
  // (which no measurement produces) reads as 0, so the conversions below stay
  // defined for every input.
  if (std::isnan(x)) return 0;
  if (x >= 2147483647.0) return INT32_MAX;
  if (x <= -2147483648.0) return INT32_MIN;
  const int64_t tenths = static_cast<int64_t>(x * 10.0);  // truncates toward zero
  const int64_t whole = static_cast<int64_t>(x);
  return static_cast<int32_t>(tenths % 10 > 4 ? whole + 1 : whole);
}
