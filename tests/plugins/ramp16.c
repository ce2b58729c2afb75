/* A test plug-in: 16-bit only, value i at index i, and counters the tests
   read to see whether and how the program called it. */
#include "OndrixPlugin.h"

static int calls;
static int lastLength;

DllExport int ONDRIX_CDECL Write16BitDataBuf(short* buf, int length) {
  ++calls;
  lastLength = length;
  for (int i = 0; i < length; ++i) buf[i] = (short)i;
  return length;
}

DllExport int TestCallCount(void) { return calls; }
DllExport int TestLastLength(void) { return lastLength; }
