// A plug-in with both exports: the program drives it through the 8-bit one
// (a square wave of 50 samples a period between 28 and 228); the 16-bit one
// (a triangle of 200 samples a period, peak 20000) is used only when the
// sample width is set to 16 bits on the settings page.
#include "OndrixPlugin.h"

DllExport int ONDRIX_CDECL Write8BitDataBuf(BYTE* buf, int length) {
  for (int i = 0; i < length; ++i) buf[i] = (i % 50) < 25 ? 228 : 28;
  return length;
}

DllExport int ONDRIX_CDECL Write16BitDataBuf(short* buf, int length) {
  for (int i = 0; i < length; ++i) {
    const int t = i % 200;  // up for 100 samples, down for 100
    buf[i] = static_cast<short>(t < 100 ? -20000 + 400 * t : 20000 - 400 * (t - 100));
  }
  return length;
}
