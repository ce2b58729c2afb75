#include "gui/DistortionSource.h"

#include "acquisition/SamplingEngine.h"
#include "analysis/Distortion.h"
#include "app/Globals.h"

#include <QHashFunctions>

#include <algorithm>
#include <bit>

namespace {

enum Source { kGenerator, kReplay, kLive, kSample };

double FullScaleOfBits(int bits) { return bits == 8 ? 128.0 : 32768.0; }

// A hash of the samples taken, so an unchanged source is seen as such.
uint64_t HashOf(const DistortionBlock& b) {
  std::size_t h = 0;
  for (int c = 0; c < b.channels; ++c)
    h = qHashBits(b.samples[c].data(), b.samples[c].size() * sizeof(double), h);
  return h;
}

// Elements of the recording of the current width from `first`, `count` of
// them, as sample values.
std::vector<double> RecordingElements(const SamplingEngine& engine, std::size_t first, std::size_t count) {
  std::vector<double> out(count);
  if (g_settings.bitsPerSample == 8) {
    std::vector<uint8_t> raw(count);
    engine.CurrentRecording().CopyOut(first, raw.data(), count);
    std::transform(raw.begin(), raw.end(), out.begin(), [](uint8_t v) { return v - 128.0; });
  } else {
    std::vector<int16_t> raw(count);
    engine.CurrentRecording().CopyOut(first * 2, reinterpret_cast<uint8_t*>(raw.data()), count * 2);
    std::copy(raw.begin(), raw.end(), out.begin());
  }
  return out;
}

// Interleaved elements into the block's channels, frame by frame.
void Deinterleave(const std::vector<double>& elements, DistortionBlock& b) {
  const std::size_t frames = elements.size() / b.channels;
  for (int c = 0; c < b.channels; ++c) {
    b.samples[c].resize(frames);
    for (std::size_t i = 0; i < frames; ++i) b.samples[c][i] = elements[i * b.channels + c];
  }
}

}  // namespace

bool TakeDistortionBlock(const SamplingEngine& engine, std::size_t frames, DistortionBlock& b) {
  // What the block held, to tell whether this call changed it.
  struct {
    int channels, source;
    double sampleRate;
    uint64_t stamp;
  } const before{b.channels, b.source, b.sampleRate, b.stamp};
  const std::size_t framesBefore = b.Frames();
  const int channels = g_settings.channels == 2 ? 2 : 1;
  const int bits = g_settings.bitsPerSample;
  const std::size_t elements = engine.RecElements();

  if (g_displayMode != FunctionSignal && g_recordState != Playing && g_recordState != Paused && g_showRealTime) {
    // Live input: nothing is copied when nothing arrived.
    const RecentInput& recent = engine.Recent();
    if (before.source == kLive && before.stamp == recent.Stamp() && framesBefore == std::min(frames, recent.Frames()))
      return false;
    b.source = kLive;
    b.stamp = recent.Stamp();
    b.channels = recent.Channels();
    b.sampleRate = recent.SampleRate();
    b.fullScale = recent.FullScale();
    for (int c = 0; c < 2; ++c) recent.Latest(c, frames, b.samples[c]);
    return true;
  }

  b.channels = channels;
  b.sampleRate = g_settings.sampleRate;
  b.fullScale = FullScaleOfBits(bits);
  for (auto& s : b.samples) s.clear();
  if (g_displayMode == FunctionSignal) {
    b.source = kGenerator;
    // The output plays the signal in an endless loop: a short one is repeated.
    const std::size_t whole = elements / channels * channels;
    if (whole > 0) {
      const std::vector<double> signal = RecordingElements(engine, 0, std::min(whole, frames * channels));
      std::vector<double> looped(frames * channels);
      for (std::size_t i = 0; i < looped.size(); ++i) looped[i] = signal[i % signal.size()];
      Deinterleave(looped, b);
    }
  } else if (g_recordState == Playing || g_recordState == Paused) {
    b.source = kReplay;
    if (g_playbackPos >= 0 && static_cast<std::size_t>(g_playbackPos) < elements) {
      std::size_t first = static_cast<std::size_t>(g_playbackPos);
      std::size_t taken = std::min(frames, (elements - first) / channels);
      // Near the end: whole frames from before the position, which keeps CH1
      // on the same elements.
      const std::size_t back = std::min(frames - taken, first / channels);
      first -= back * channels;
      taken += back;
      Deinterleave(RecordingElements(engine, first, taken * channels), b);
    }
  } else {
    b.source = kSample;
    std::vector<double> sample;
    if (bits == 8)
      for (const uint8_t v : engine.sampleBuf8) sample.push_back(v - 128.0);
    else
      sample.assign(engine.sampleBuf16.begin(), engine.sampleBuf16.end());
    Deinterleave(sample, b);
    for (auto& s : b.samples) s.resize(std::min(s.size(), frames));
  }
  b.stamp = HashOf(b);
  return b.source != before.source || b.stamp != before.stamp || b.channels != before.channels ||
         b.sampleRate != before.sampleRate || b.Frames() != framesBefore;
}

std::size_t DistortionLength(std::size_t held, std::size_t wanted) {
  const std::size_t n = std::bit_floor(std::min(held, wanted));
  return n >= static_cast<std::size_t>(kDistortionMinLength) ? n : 0;
}
