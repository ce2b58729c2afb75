#pragma once

#include <QString>

#include <climits>
#include <cstdint>

class SamplingEngine;

// The exports a sampling plug-in offers (C names, C calling convention).
inline constexpr char kWrite8Export[] = "Write8BitDataBuf";
inline constexpr char kWrite16Export[] = "Write16BitDataBuf";
// Values the plug-in fills on every call, whatever the sample width.
inline constexpr int kPluginBufferLength = 2048;

// The longest path the system takes, in bytes with its terminating zero.
#ifdef PATH_MAX
inline constexpr qsizetype kPathLimit = PATH_MAX;
#else
inline constexpr qsizetype kPathLimit = 260;
#endif

// Why `path` cannot name a library: it holds a NUL character (the system
// would read only the part before it) or is kPathLimit bytes or longer.
// Empty when it can.
QString PluginPathRefusal(const QString& path);

// Loads the shared library at `path` and binds it as the sampling plug-in.
// Write8BitDataBuf is preferred, else Write16BitDataBuf; the preferred export
// is called once on the engine's live buffer of its width. Afterwards
// g_pluginWrite8 and g_pluginWrite16 hold exactly the new library's exports
// (null for one it lacks), so no pointer into an earlier library survives,
// and the library bound before is released.
//
// While a plug-in is the source (g_pluginEnabled) the sample width follows
// the new binding at once. Otherwise the sound card keeps its width until
// the plug-in is applied (PluginSampleWidth): its blocks must not be read
// at a width they were not recorded in.
//
// A path PluginPathRefusal refuses is not handed to the system. A library
// that does not load, or exports neither function, is released again:
// g_pluginEnabled becomes 0, the earlier binding stays as it was, and
// `reason` (if given) says what was wrong.
bool LoadSamplingPlugin(const QString& path, SamplingEngine& engine, QString* reason = nullptr);

// A plug-in may deliver at any rate from 1 sample a second; the sound card
// is opened at 2000..200000 only.
constexpr bool IsSoundCardRate(int32_t rate) { return rate >= 2000 && rate <= 200000; }
// The rate the sound card opens at when it takes over from a plug-in: the
// rate it last ran at (`lastCardRate`, 0 when it has not run), else 44100.
constexpr int32_t SoundCardRateAfterPlugin(int32_t lastCardRate) {
  return IsSoundCardRate(lastCardRate) ? lastCardRate : 44100;
}

// The sample width the bound plug-in delivers: 8 when it exports the 8-bit
// function, else 16; 0 when no plug-in is bound.
int PluginSampleWidth();
