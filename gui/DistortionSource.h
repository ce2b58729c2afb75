#pragma once

// What the distortion window analyses: the samples of the source the
// measurement view shows, many more than its frame.

#include <cstddef>
#include <cstdint>
#include <vector>

class SamplingEngine;

struct DistortionBlock {
  int channels = 0;                // 1 or 2; 0: no source
  std::vector<double> samples[2];  // per channel, sample units centred on 0
  double sampleRate = 0;
  double fullScale = 0;            // the peak of a full-scale sine
  // What the samples came from: the source and the recent input's stamp
  // (live input) or a hash of the samples (the others).
  int source = -1;
  uint64_t stamp = 0;

  std::size_t Frames() const { return samples[0].size(); }
};

// Up to `frames` frames of what the view shows now, read from the shared
// state (g_displayMode, g_recordState, g_playbackPos, g_showRealTime):
// - the function-signal view: the generated signal from its start, looped as
//   it is played when it is shorter;
// - replay (playing or paused): the recording from the replay position on,
//   reaching back before it when the recording ends first; CH1 takes the
//   element at the position, as in the picture;
// - live input: the latest frames of the engine's recent input;
// - the frozen sample: the sample buffer (a short block).
// `block` holds the last block taken (its memory is reused); false when the
// source holds the same samples as then (live input is not even copied).
bool TakeDistortionBlock(const SamplingEngine& engine, std::size_t frames, DistortionBlock& block);

// The length of an analysis of `held` samples when at most `wanted` are
// wanted: the largest power of two not above either, or 0 when that is below
// kDistortionMinLength.
std::size_t DistortionLength(std::size_t held, std::size_t wanted);
