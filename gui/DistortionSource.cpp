#include "gui/DistortionSource.h"

#include "acquisition/SamplingEngine.h"
#include "analysis/Distortion.h"
#include "app/Globals.h"

#include <algorithm>
#include <bit>

namespace {

double FullScaleOfBits(int bits) { return bits == 8 ? 128.0 : 32768.0; }

DistortionBlock Empty(int channels, double rate, int bits) {
  DistortionBlock b;
  b.channels = channels;
  b.sampleRate = rate;
  b.fullScale = FullScaleOfBits(bits);
  return b;
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

DistortionBlock TakeDistortionBlock(const SamplingEngine& engine, std::size_t frames) {
  const int channels = g_settings.channels == 2 ? 2 : 1;
  const int bits = g_settings.bitsPerSample;
  DistortionBlock b = Empty(channels, g_settings.sampleRate, bits);
  const std::size_t elements = engine.RecElements();

  if (g_displayMode == FunctionSignal) {
    // The output plays the signal in an endless loop: a short one is repeated.
    const std::size_t whole = elements / channels * channels;
    if (whole == 0) return b;
    const std::vector<double> signal = RecordingElements(engine, 0, whole);
    std::vector<double> looped(frames * channels);
    for (std::size_t i = 0; i < looped.size(); ++i) looped[i] = signal[i % whole];
    Deinterleave(looped, b);
  } else if (g_recordState == Playing || g_recordState == Paused) {
    if (g_playbackPos < 0 || static_cast<std::size_t>(g_playbackPos) >= elements) return b;
    std::size_t first = static_cast<std::size_t>(g_playbackPos);
    std::size_t taken = std::min(frames, (elements - first) / channels);
    // Near the end: whole frames from before the position, which keeps CH1
    // on the same elements.
    const std::size_t back = std::min(frames - taken, first / channels);
    first -= back * channels;
    taken += back;
    Deinterleave(RecordingElements(engine, first, taken * channels), b);
  } else if (g_showRealTime) {
    const RecentInput& recent = engine.Recent();
    if (recent.Channels() == 0) return b;
    b.channels = recent.Channels();
    b.sampleRate = recent.SampleRate();
    b.fullScale = recent.FullScale();
    for (int c = 0; c < b.channels; ++c) b.samples[c] = recent.Latest(c, frames);
  } else {
    std::vector<double> sample;
    if (bits == 8)
      sample.assign(engine.sampleBuf8.begin(), engine.sampleBuf8.end());
    else
      sample.assign(engine.sampleBuf16.begin(), engine.sampleBuf16.end());
    if (bits == 8)
      for (double& v : sample) v -= 128;
    Deinterleave(sample, b);
    for (auto& s : b.samples) s.resize(std::min(s.size(), frames));
  }
  return b;
}

std::size_t DistortionLength(std::size_t held, std::size_t wanted) {
  const std::size_t n = std::bit_floor(std::min(held, wanted));
  return n >= static_cast<std::size_t>(kDistortionMinLength) ? n : 0;
}
