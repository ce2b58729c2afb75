/* An 8-bit plug-in in C: one sine of 64 samples a period, peak 100 around
   the zero level 128, continuing from call to call. With two channels both
   get the same tone. */
#include "OndrixPlugin.h"

#include <math.h>

static double phase; /* in periods, 0 <= phase < 1 */

DllExport int ONDRIX_CDECL Write8BitDataBuf(unsigned char* buf, int length) {
  const double step = 1.0 / 64.0;
  for (int i = 0; i < length; ++i) {
    buf[i] = (unsigned char)lround(128.0 + 100.0 * sin(6.283185307179586 * phase));
    phase += step;
    if (phase >= 1.0) phase -= 1.0;
  }
  return length;
}
