/* A test library that is no plug-in: it exports neither sampling function. */
#include "OndrixPlugin.h"

DllExport int WriteDataBuf(short* buf, int length) {
  for (int i = 0; i < length; ++i) buf[i] = 1;
  return length;
}
