// The command's messages are English only.
#include "cli/DistortionCommand.h"
#include "cli/CliInput.h"

#include "acquisition/SamplingPlugin.h"
#include "app/Globals.h"
#include "cli/CliText.h"
#include "cli/DistortionOutput.h"
#include "cli/RecordingFrame.h"
#include "files/AnalysisWav.h"

#include <bit>
#include <cstdio>

namespace {

bool ReadFileBlock(const CliArguments& a, DistortionBlock* block, QString* error) {
  const QString& path = a.files[0];
  const WavProbe probe = ProbeCliWav(path, true);
  if (!probe.ok) {
    *error = QStringLiteral("%1: %2").arg(path, probe.reason);
    return false;
  }
  if (!probe.note.isEmpty()) block->notes << probe.note;
  const WaveFormat& f = probe.layout.format;
  block->picked = PickDistortionChannels(f.channels, a.channel, error);
  if (block->picked.empty()) {
    *error = QStringLiteral("%1: %2").arg(path, *error);
    return false;
  }
  block->sampleRate = f.samplesPerSec;
  block->bits = f.bitsPerSample;
  block->isFloat = HoldsFloatSamples(f);
  // The block starts at the frame holding element --at.
  const unsigned long long frames = probe.layout.dataBytes / f.blockAlign;
  block->frameStart = static_cast<unsigned long long>(a.at) / f.channels;
  const unsigned long long available = frames > block->frameStart ? frames - block->frameStart : 0;
  const int length = DistortionBlockLength(available, a.distortion.length);
  if (length == 0) {
    *error = CliText::tr("%1: the file holds %2 frames, %3 of them from frame %4; the analysis needs at least %5")
                 .arg(path)
                 .arg(frames)
                 .arg(available)
                 .arg(block->frameStart)
                 .arg(kDistortionMinLength);
    return false;
  }
  if (length < a.distortion.length)
    block->notes << CliText::tr("%1: %2 frames from frame %3, not %4: analysing %5")
                        .arg(path)
                        .arg(available)
                        .arg(block->frameStart)
                        .arg(a.distortion.length)
                        .arg(length);
  QString reason;
  if (!ReadAnalysisChannels(path, probe.layout, block->frameStart, length, block->picked, &block->samples,
                            &reason)) {
    *error = QStringLiteral("%1: %2").arg(path, reason);
    return false;
  }
  return true;
}

// The plug-in bound as `measure` binds it, called once per display tick
// until every channel has the block's length: a tick's 2048 values are
// interleaved frames of the channels.
bool ReadPluginBlock(const CliArguments& a, DistortionBlock* block, QString* error) {
  RecordingFrame frame;
  if (!frame.LoadPlugin(a.plugin, a.rate, a.channels, TimeDomain, error)) return false;
  const int channels = g_settings.channels;
  block->picked = PickDistortionChannels(channels, a.channel, error);
  if (block->picked.empty()) return false;
  block->sampleRate = g_settings.sampleRate;
  block->bits = PluginSampleWidth();
  block->isFloat = false;
  block->frameStart = 0;

  const std::size_t length = a.distortion.length;
  std::vector<std::vector<double>> stream(channels);
  for (SamplingEngine& engine = frame.Engine();; engine.ConvertFrame()) {
    for (int i = 0; i < kPluginBufferLength; ++i)
      stream[i % channels].push_back(block->bits == 8 ? engine.liveBuf8[i] - 128.0 : engine.liveBuf16[i]);
    if (stream[0].size() >= length) break;
  }
  for (const int c : block->picked) block->samples.emplace_back(stream[c].begin(), stream[c].begin() + length);
  return true;
}

}  // namespace

int DistortionBlockLength(unsigned long long available, int wanted) {
  if (available >= static_cast<unsigned long long>(wanted)) return wanted;
  const unsigned long long fits = std::bit_floor(available);
  return fits >= kDistortionMinLength ? static_cast<int>(fits) : 0;
}

std::vector<int> PickDistortionChannels(int channels, int channel, QString* error) {
  if (channel > channels) {
    *error = CliText::tr("--channel %1 is past the last channel, %2").arg(channel).arg(channels);
    return {};
  }
  if (channel > 0) return {channel - 1};
  if (channels > kDistortionMaxChannels) {
    *error = CliText::tr("%1 channels: pick one with --channel K (every channel is analysed only up to %2)")
                 .arg(channels)
                 .arg(kDistortionMaxChannels);
    return {};
  }
  std::vector<int> every(channels);
  for (int c = 0; c < channels; ++c) every[c] = c;
  return every;
}

bool RunDistortion(const CliArguments& a, QString* error) {
  DistortionBlock block;
  if (!(a.plugin.isEmpty() ? ReadFileBlock(a, &block, error) : ReadPluginBlock(a, &block, error))) return false;
  const double nyquist = block.sampleRate / 2.0;
  if (a.distortion.fundamentalHz >= nyquist) {
    *error = CliText::tr("--fundamental %1 Hz is not below half the sample rate (%2 Hz)")
                 .arg(a.distortion.fundamentalHz)
                 .arg(nyquist);
    return false;
  }
  DistortionOptions options = a.distortion;
  options.length = static_cast<int>(block.samples[0].size());
  const double fullScale = FullScaleOf(block.bits, block.isFloat);
  std::vector<DistortionResult> results;
  for (std::size_t i = 0; i < block.picked.size(); ++i) {
    results.push_back(AnalyseDistortion(block.samples[i], block.sampleRate, fullScale, options));
    if (!results.back().ok) {
      *error = CliText::tr("channel %1: %2")
                   .arg(block.picked[i] + 1)
                   .arg(QString::fromStdString(results.back().reason));
      return false;
    }
  }
  for (const QString& note : block.notes) PrintNote(note);
  const QString text = a.json ? DistortionJson(block, results) : DistortionText(block, results);
  std::fputs(text.toUtf8().constData(), stdout);
  return true;
}
