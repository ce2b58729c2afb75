// The signal generator: synthesis of the largest signals (16 MiB), the looping
// device's reads, and the processor time of playing a signal through the
// sound card (needs a sound server: scripts/loopback-audio.sh gives one).

#include "generator/LoopingBuffer.h"
#include "generator/QtAudioOutput.h"
#include "generator/SignalGenerator.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>

namespace {

// The worst pair at 200 kHz stereo: periods of 800000 and 266666 bytes have
// no common multiple within 16 MiB, so the buffer holds 20 left periods.
void BM_FunctionSignalWorstPair(benchmark::State& state) {
  const auto wave = static_cast<int32_t>(state.range(0));
  std::size_t bytes = 0;
  for (auto _ : state) {
    QString refusal;
    const auto signal = MakeFunctionSignal(wave, wave, 1, 3, 30000, 30000, 200000, 2, &refusal);
    bytes = signal->bytes.size();
    benchmark::DoNotOptimize(signal->bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["MiB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_FunctionSignalWorstPair)->Arg(Sine)->Arg(Triangle)->Unit(benchmark::kMillisecond);

// The longest sweep at 200 kHz stereo: 41943 ms of rise, 16 MiB.
void BM_SweepSignal16MiB(benchmark::State& state) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    QString refusal;
    const auto signal = MakeSweepSignal(Sine, 20, 20000, 30000, 41943, 200000, 2, &refusal);
    bytes = signal->bytes.size();
    benchmark::DoNotOptimize(signal->bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["MiB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_SweepSignal16MiB)->Unit(benchmark::kMillisecond);

// What the sound card's pull costs the GUI thread: reads of 10 ms of 44.1 kHz
// stereo (1764 bytes) from a 4224-byte loop, wrapping every few reads.
void BM_LoopingBufferRead(benchmark::State& state) {
  LoopingBuffer loop(QByteArray(4224, 7), 4224);
  char out[1764];
  for (auto _ : state) {
    benchmark::DoNotOptimize(loop.read(out, sizeof out));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * sizeof out));
}
BENCHMARK(BM_LoopingBufferRead);

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// The whole process (GUI thread and Qt's audio thread) while the generator
// plays 3 s of a 16 MiB 200 kHz signal: processor time per second of sound.
void BM_PlayLoopCpu(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "bench_generator";
  static char* argv[] = {name, nullptr};
  static auto* app = new QCoreApplication(argc, argv);
  (void)app;
  if (QMediaDevices::defaultAudioOutput().isNull()) {
    state.SkipWithError("no sound output (start scripts/loopback-audio.sh and eval its env)");
    return;
  }
  const auto rate = static_cast<int32_t>(state.range(0));
  QString refusal;
  const auto signal = MakeFunctionSignal(Sine, Sine, 1, 3, 30000, 30000, rate, 2, &refusal);
  const QByteArray bytes(reinterpret_cast<const char*>(signal->bytes.data()),
                         static_cast<qsizetype>(signal->bytes.size()));
  double share = 0;
  for (auto _ : state) {
    QtAudioOutput output;
    QString reason;
    if (!output.Start(signal->format, bytes, &reason)) {
      state.SkipWithError(reason.toStdString().c_str());
      return;
    }
    const double before = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(3000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    share = (CpuSeconds() - before) / (static_cast<double>(wall.nsecsElapsed()) * 1e-9);
    output.Stop();
  }
  state.counters["cpu_%"] = 100 * share;
}
BENCHMARK(BM_PlayLoopCpu)->Arg(44100)->Arg(200000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
