/* A test plug-in that crashes the program it runs in: on the call whose
   number ONDRIX_TEST_CRASH_AT gives (1 = the call made when it is loaded) it
   writes through a null pointer; without the variable it never does. */
#include "OndrixPlugin.h"

#include <stdlib.h>

static int calls;
static int* volatile nowhere; /* volatile: the write is made, not optimised away */

DllExport int ONDRIX_CDECL Write16BitDataBuf(short* buf, int length) {
  const char* at = getenv("ONDRIX_TEST_CRASH_AT");
  if (at && ++calls == atoi(at)) *nowhere = 1;
  for (int i = 0; i < length; ++i) buf[i] = (short)(i % 100 * 100);
  return length;
}
