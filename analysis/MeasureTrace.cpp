#include "analysis/SignalAnalysis.h"
#include "settings/SettingsRecord.h"

#include <cmath>

namespace {

// The last index where the first crossing may be found; the second one may lie
// anywhere up to the last index that has a successor.
constexpr int kFirstCrossingEnd = 423;
constexpr int kLastCrossing = kTraceLength - 2;

bool IsCrossing(const int32_t* v, int i, int32_t edge, int32_t level) {
  if (edge == 0) return v[i] >= level && v[i - 1] < level && v[i + 1] > v[i];
  if (edge == 1) return v[i] <= level && v[i - 1] > level && v[i + 1] < v[i];
  return false;
}

int FirstCrossing(const int32_t* v, int from, int to, int32_t edge, int32_t level) {
  for (int i = from; i <= to; ++i)
    if (IsCrossing(v, i, edge, level)) return i;
  return 0;
}

// Sum of squares of v[from .. to-1]. Each square is formed in 64 bits, which
// for sample values (|v| <= 32768, square <= 2^30) is the same number a 32-bit
// square gives, and stays defined for any value.
double SumOfSquares(const int32_t* v, int from, int to) {
  double sum = 0;
  for (int j = from; j < to; ++j) sum += static_cast<double>(static_cast<int64_t>(v[j]) * v[j]);
  return sum;
}

}  // namespace

TraceMeasurement MeasureTrace(const int32_t* values, int32_t edge, int32_t level,
                              int32_t sampleRate) {
  TraceMeasurement result;
  const int first = FirstCrossing(values, 1, kFirstCrossingEnd, edge, level);
  const int second = FirstCrossing(values, first + 2, kLastCrossing, edge, level);
  result.triggerIndex = first;
  const int distance = second - first;
  if (distance <= 0) {
    // No period: no frequency, and the RMS of the whole trace.
    result.frequency = 0;
    result.rms = static_cast<float>(
        RoundByTenth(std::sqrt(SumOfSquares(values, 0, kTraceLength) / kTraceLength)));
    return result;
  }
  result.frequency = RoundByTenth(static_cast<double>(sampleRate) / distance);
  result.rms = static_cast<float>(
      RoundByTenth(std::sqrt(SumOfSquares(values, first, second) / distance)));
  return result;
}

void MeasureBothTraces(const TraceBuffer& ch1, const TraceBuffer& ch2, SettingsRecord& settings) {
  // CH2 first, then CH1: the trigger index left behind is CH1's, so both traces
  // are drawn from CH1's trigger point.
  const TraceMeasurement m2 =
      MeasureTrace(ch2.data(), settings.triggerEdge, settings.triggerLevel, settings.sampleRate);
  settings.triggerIndex = m2.triggerIndex;
  settings.ch2Frequency = m2.frequency;
  settings.ch2Rms = m2.rms;
  const TraceMeasurement m1 =
      MeasureTrace(ch1.data(), settings.triggerEdge, settings.triggerLevel, settings.sampleRate);
  settings.triggerIndex = m1.triggerIndex;
  settings.ch1Frequency = m1.frequency;
  settings.ch1Rms = m1.rms;
}
