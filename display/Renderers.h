#pragma once

// The six renderers of the measurement picture and the two trace drawers.
// Each renderer adds to `out`, in drawing order: the plot frame (with the
// caller's selected pen), the captions and readout rows, the grid and the
// axis labels of one coordinate system. They read g_settings, g_displayMode,
// g_recordState, g_showRealTime and the ruler globals; x, y is the plot's
// top-left corner (plotLeft, plotTop).

#include "analysis/TraceBuffer.h"
#include "display/DisplayList.h"

// Time domain (also used in function-signal mode).
void RenderTimeLogic(DisplayList& out, int x, int y, int sampleRate);
void RenderTimeDecibel(DisplayList& out, int x, int y, int sampleRate);
void RenderTimeMillivolt(DisplayList& out, int x, int y, int sampleRate);

// Frequency domain.
void RenderFreqLogic(DisplayList& out, int x, int y, int sampleRate);
void RenderFreqDecibel(DisplayList& out, int x, int y, int sampleRate);
void RenderFreqMillivolt(DisplayList& out, int x, int y, int sampleRate);

// One time-domain trace from `start` (y is plotTop plus the channel's baseline).
void DrawTimeTrace(DisplayList& out, int x, int y, const TraceBuffer& trace, int start, PenRole pen);
// One magnitude spectrum (y is plotTop plus the channel's baseline, <= 0 here);
// `plotTop` is the clamp for values above the plot.
void DrawSpectrumTrace(DisplayList& out, int x, int y, const TraceBuffer& trace, int plotTop, PenRole pen);
