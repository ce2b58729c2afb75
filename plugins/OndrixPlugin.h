/*
 * Sampling plug-ins for Orvanta (Ondrix).
 *
 * A sampling plug-in is a shared library (.so on Linux, .dll on Windows) that
 * exports at least one of the two functions below by its plain C name. While
 * it is the instrument's input the program calls the function on every
 * display tick (every 20 ms) with a buffer of `length` values (always 2048)
 * and shows what the plug-in wrote there instead of the sound card's input.
 * The result is ignored.
 *
 *   Write8BitDataBuf:  unsigned 8-bit values 0..255, zero level 128.
 *   Write16BitDataBuf: signed 16-bit values -32768..32767, zero level 0.
 *
 * A library that exports both is driven through Write8BitDataBuf, and the
 * sample width follows the export the program drives.
 *
 * With one channel, values 0..1023 are the frame and 1024..2047 are ignored;
 * with two channels the buffer holds 1024 interleaved pairs: even indices
 * channel 1 (left), odd indices channel 2 (right). The channel count is the
 * one on the settings sheet (Settings, first page): a stereo plug-in needs
 * 2 channels there. Applying a plug-in in the plug-in manager sets only its
 * sample rate, the one typed into its row; the values count as sampled at
 * that rate.
 *
 * When the library is loaded and called (all calls come from the program's
 * one user-interface thread):
 *   - "Open" in the plug-in manager loads it and calls the function once;
 *   - "Apply" loads it again (the same load when it is still loaded) and
 *     calls the function once;
 *   - every start of the program while plus.ini names it loads it and calls
 *     the function once;
 *   - every display tick while it is the input calls the function.
 * It is unloaded as soon as another plug-in is opened or applied, and when
 * the program ends; keep nothing in it that must outlive that.
 *
 * A plug-in that crashes takes the program with it. The program leaves the
 * marker pluginguard.txt in its runtime folder before it calls a plug-in
 * that has not yet served a second of ticks; the next start finds it, does
 * without plug-ins, samples the sound card and says which plug-in ended the
 * last run. Mend the plug-in, then apply it again in the plug-in manager (or
 * untick its box and apply to stay on the sound card). `ondrix --no-plugin`
 * starts on the sound card whatever plus.ini says.
 *
 * Build on Linux with, for example:
 *   cc -shared -fPIC -fvisibility=hidden -I<this folder> -o myplugin.so myplugin.c
 */
#ifndef ONDRIX_PLUGIN_H
#define ONDRIX_PLUGIN_H

/* Values per call, whatever the sample width. */
#define ONDRIX_PLUGIN_BUFFER_LENGTH 2048

/* Makes a function an export of the library, also when it is built with
   hidden symbols by default. */
#if defined(_WIN32)
#define DllExport __declspec(dllexport)
#define ONDRIX_CDECL __cdecl
#else
#define DllExport __attribute__((visibility("default")))
#define ONDRIX_CDECL
#endif

/* BYTE, the 8-bit sample type: the system's own on Windows. */
#if defined(_WIN32)
#include <windows.h>
#else
typedef unsigned char BYTE;
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Fill buf[0] .. buf[length - 1] with 16-bit samples. */
DllExport int ONDRIX_CDECL Write16BitDataBuf(short* buf, int length);

/* Fill buf[0] .. buf[length - 1] with 8-bit samples (128 is zero). */
DllExport int ONDRIX_CDECL Write8BitDataBuf(unsigned char* buf, int length);

#ifdef __cplusplus
}
#endif

#endif /* ONDRIX_PLUGIN_H */
