// A 16-bit stereo plug-in in C++: the left channel a sine of 100 samples a
// period (441 Hz at 44100 samples per second) and peak 12000, the right one a
// sine of 40 samples a period (1102.5 Hz) and peak 6000. Each call goes on
// where the last one stopped.
#include "OndrixPlugin.h"

#include <cmath>
#include <numbers>

namespace {

long long g_frame = 0;  // frames delivered so far

short Tone(long long frame, int period, double peak) {
  const double turns = static_cast<double>(frame % period) / period;
  return static_cast<short>(std::lround(peak * std::sin(2 * std::numbers::pi * turns)));
}

}  // namespace

DllExport int ONDRIX_CDECL Write16BitDataBuf(short* buf, int length) {
  for (int i = 0; i + 1 < length; i += 2, ++g_frame) {
    buf[i] = Tone(g_frame, 100, 12000);
    buf[i + 1] = Tone(g_frame, 40, 6000);
  }
  return length;
}
