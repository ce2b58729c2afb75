// Opening a recording: probe a 100 MB WAV file and stream its samples into a
// preallocated buffer, as the program does when a file is loaded for replay.
#include "files/WavFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t kDataBytes = 100u << 20;

// The file is written once and shared by all runs.
struct TestFile {
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("bench.wav"));
  bool ok = false;
  TestFile() {
    std::vector<uint8_t> data(kDataBytes);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 31 + (i >> 9));
    QString error;
    ok = dir.isValid() && WriteWavFile(path, MakePcmFormat(2, 44100, 16), data, &error);
  }
};

const TestFile& File() {
  static const TestFile file;
  return file;
}

void BM_ProbeAndRead100MB(benchmark::State& state) {
  const TestFile& file = File();
  if (!file.ok) {
    state.SkipWithError("could not write the test file");
    return;
  }
  std::vector<uint8_t> buffer(kDataBytes);
  for (auto _ : state) {
    const WavProbe probe = ProbeWavFile(file.path);
    if (!probe.ok || probe.layout.dataBytes > buffer.size()) {
      state.SkipWithError("probe failed");
      return;
    }
    std::size_t at = 0;
    QString reason;
    const bool ok = ReadWavData(file.path, probe.layout, [&](const uint8_t* p, std::size_t n) {
      std::memcpy(buffer.data() + at, p, n);
      at += n;
      return true;
    }, &reason);
    if (!ok || at != kDataBytes) {
      state.SkipWithError("read failed");
      return;
    }
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * int64_t(kDataBytes));
}
BENCHMARK(BM_ProbeAndRead100MB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
