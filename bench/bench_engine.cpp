// The sampling engine's per-tick frame conversion and the cost of growing the
// recording one input block at a time up to 1 GiB.

#include "acquisition/AudioInput.h"
#include "acquisition/RecordingBuffer.h"
#include "acquisition/SamplingEngine.h"
#include "app/Globals.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

void BM_ConvertFrame16Live(benchmark::State& state) {
  ResetGlobals();
  SamplingEngine engine;
  for (int i = 0; i < 2048; ++i) engine.liveBuf16[i] = static_cast<int16_t>(10000 * std::sin(i * 0.05));
  for (auto _ : state) {
    engine.ConvertFrame16();
    benchmark::DoNotOptimize(engine.ch1Trace.data());
  }
}
BENCHMARK(BM_ConvertFrame16Live);

void BM_ConvertFrame16Replay(benchmark::State& state) {
  ResetGlobals();
  SamplingEngine engine;
  std::vector<uint8_t> bytes(8 << 20, 3);
  engine.recBuf16.Append(bytes.data(), bytes.size());
  g_recordState = Paused;
  // A frame that straddles a chunk boundary.
  g_playbackPos = static_cast<int32_t>(RecordingBuffer::kChunkBytes / 2 - 1000);
  for (auto _ : state) {
    engine.ConvertFrame16();
    benchmark::DoNotOptimize(engine.ch1Trace.data());
  }
  ResetGlobals();
}
BENCHMARK(BM_ConvertFrame16Replay);

void BM_ConvertFrame16Spectrum(benchmark::State& state) {
  ResetGlobals();
  g_displayMode = FrequencyDomain;
  SamplingEngine engine;
  for (int i = 0; i < 2048; ++i) engine.liveBuf16[i] = static_cast<int16_t>(10000 * std::sin(i * 0.05));
  for (auto _ : state) {
    engine.ConvertFrame16();
    benchmark::DoNotOptimize(engine.ch1Trace.data());
  }
  ResetGlobals();
}
BENCHMARK(BM_ConvertFrame16Spectrum);

// One 16-bit stereo input block as the sound card hands it over: the live
// buffer, the calibration offset and the ring of recent input.
void BM_OnWaveInData16Stereo(benchmark::State& state) {
  // A sound card that takes any format and delivers nothing by itself.
  struct SilentInput : AudioInput {
    bool Open(const WaveFormat&) override { return open = true; }
    bool Close() override { return !(open = false); }
    void Start() override {}
    void Stop() override {}
    bool IsOpen() const override { return open; }
    bool open = false;
  } input;
  ResetGlobals();
  g_settings.calibrationOffset = 3;
  SamplingEngine engine(&input);
  engine.OpenWaveIn();
  std::vector<uint8_t> block(SamplingEngine::kBlockBytes);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i * 7);
  for (auto _ : state) {
    engine.OnWaveInData(block.data(), block.size());
    benchmark::DoNotOptimize(engine.liveBuf16.data());
  }
  if (engine.Recent().Frames() == 0) state.SkipWithError("the block did not reach the recent input");
  ResetGlobals();
}
BENCHMARK(BM_OnWaveInData16Stereo);

// Appends 4096-byte blocks until the recording holds 1 GiB, timing each
// append; reports the worst and the median single append.
template <typename Append>
void MeasureAppends(benchmark::State& state, Append append) {
  constexpr std::size_t kBlock = 4096;
  constexpr std::size_t kBlocks = (std::size_t{1} << 30) / kBlock;
  const std::vector<uint8_t> block(kBlock, 0x5A);
  std::vector<double> micros(kBlocks);
  double worst = 0, median = 0, over1ms = 0, over100us = 0;
  for (auto _ : state) {
    auto sink = append();
    for (std::size_t i = 0; i < kBlocks; ++i) {
      const auto t0 = std::chrono::steady_clock::now();
      sink(block.data(), kBlock);
      micros[i] = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
    }
    worst = std::max(worst, *std::max_element(micros.begin(), micros.end()));
    over1ms = static_cast<double>(std::count_if(micros.begin(), micros.end(), [](double us) { return us > 1000; }));
    over100us = static_cast<double>(std::count_if(micros.begin(), micros.end(), [](double us) { return us > 100; }));
    std::nth_element(micros.begin(), micros.begin() + kBlocks / 2, micros.end());
    median = micros[kBlocks / 2];
  }
  state.counters["worst_append_us"] = worst;
  state.counters["median_append_us"] = median;
  state.counters["appends_over_100us"] = over100us;
  state.counters["appends_over_1ms"] = over1ms;
}

void BM_RecordingAppendTo1GiB(benchmark::State& state) {
  MeasureAppends(state, [] {
    auto recording = std::make_shared<RecordingBuffer>();
    return [recording](const uint8_t* data, std::size_t n) { recording->Append(data, n); };
  });
}
BENCHMARK(BM_RecordingAppendTo1GiB)->Iterations(1)->Unit(benchmark::kMillisecond);

// For comparison: a plain growing array, which copies everything on each doubling.
void BM_PlainVectorAppendTo1GiB(benchmark::State& state) {
  MeasureAppends(state, [] {
    auto v = std::make_shared<std::vector<uint8_t>>();
    return [v](const uint8_t* data, std::size_t n) { v->insert(v->end(), data, data + n); };
  });
}
BENCHMARK(BM_PlainVectorAppendTo1GiB)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
