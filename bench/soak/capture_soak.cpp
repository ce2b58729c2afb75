// The capture soak: the program's own input path (its sound card backend on
// the default input device, whole 4096-byte blocks into
// SamplingEngine::OnWaveInData) runs for minutes beside the 20 ms display
// tick (SamplingEngine::ConvertFrame on a precise QTimer, as the view runs
// it), while a counting signal is played into the input. Every block the
// engine takes into its live buffer is checked against the count: nothing may
// be lost, repeated or reordered, and the tick may never be late by a whole
// tick. bench/capture-soak.sh sets up the sound server and the player.
//
//   capture_soak --emit                  write the counting signal (16-bit
//                                        stereo, from count 1) to stdout
//   capture_soak [--seconds S] [--rate HZ]
//                                        capture and check (default 600 s at
//                                        200000 Hz)
//
// Exit status: 0 when the checks pass, 1 when one fails, 2 when the input
// cannot be opened or no counting signal arrives.

#ifdef ONDRIX_HAVE_PULSE
#include "acquisition/PulseAudioInput.h"
using SoundCardInput = PulseAudioInput;
constexpr char kInputName[] = "PulseAudioInput";
#else
#include "acquisition/QtAudioInput.h"
using SoundCardInput = QtAudioInput;
constexpr char kInputName[] = "QtAudioInput";
#endif
#include "acquisition/SamplingEngine.h"
#include "app/Globals.h"
#include "bench/soak/CountChecker.h"
#include "bench/soak/TickLateness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kTickMs = 20;
// Sound the input may still owe at the end of a run: far more than the device
// holds back between two transfers, far less than a stalled input loses.
constexpr double kMaxShortfallSec = 0.5;

// Writes the counting signal until stdout is closed.
int EmitCountingSignal() {
  std::signal(SIGPIPE, SIG_IGN);
  std::vector<CountingFrame> chunk(4096);
  uint32_t count = 1;
  for (;;) {
    for (CountingFrame& frame : chunk) frame = MakeCountingFrame(count++);
    const char* data = reinterpret_cast<const char*>(chunk.data());
    std::size_t left = chunk.size() * sizeof(CountingFrame);
    while (left > 0) {
      const ssize_t n = ::write(STDOUT_FILENO, data, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return 0;
      data += n;
      left -= static_cast<std::size_t>(n);
    }
  }
}

// What the run saw: the count check, the block arrivals and the ticks.
struct Soak {
  CountChecker count;
  TickLateness ticks{kTickMs};
  QElapsedTimer clock;
  uint64_t blocks = 0;
  uint64_t wrongSizedBlocks = 0;
  uint64_t bytes = 0;
  qint64 firstBlockNs = -1, lastBlockNs = -1;
  qint64 longestBlockGapNs = 0;
  qint64 lastTickNs = -1;
  qint64 endNs = -1;  // when the run ended
  double startCpuSec = 0, endCpuSec = 0;

  void OnBlock(std::size_t size) {
    const qint64 now = clock.nsecsElapsed();
    if (lastBlockNs >= 0) longestBlockGapNs = std::max(longestBlockGapNs, now - lastBlockNs);
    if (firstBlockNs < 0) firstBlockNs = now;
    lastBlockNs = now;
    ++blocks;
    bytes += size;
    if (size != AudioInput::kBlockBytes) ++wrongSizedBlocks;
  }
  void OnTick() {
    const qint64 now = clock.nsecsElapsed();
    if (lastTickNs >= 0) ticks.AddInterval(static_cast<double>(now - lastTickNs) * 1e-6);
    lastTickNs = now;
  }
  // Bytes per second from the end of the first block to the end of the last.
  double ByteRate() const {
    if (blocks < 2) return 0;
    return static_cast<double>(bytes - bytes / blocks) / (static_cast<double>(lastBlockNs - firstBlockNs) * 1e-9);
  }
  // Seconds of sound missing at the end of the run: the time from the first
  // block to the end, less the sound the blocks after the first one hold. A
  // lag of a block or two is normal; more means the input fell behind or
  // stopped delivering.
  double ShortfallSec(double bytesPerSec) const {
    if (blocks == 0) return static_cast<double>(endNs) * 1e-9;
    return static_cast<double>(endNs - firstBlockNs) * 1e-9 - static_cast<double>(bytes - bytes / blocks) / bytesPerSec;
  }
  bool Passed(double bytesPerSec) const {
    return count.Started() && count.LostFrames() == 0 && count.RepeatedFrames() == 0 &&
           count.ReorderedFrames() == 0 && wrongSizedBlocks == 0 && ticks.MissedTicks() == 0 &&
           ShortfallSec(bytesPerSec) < kMaxShortfallSec;
  }
};

// A bare 20 ms timer on a thread of its own that does nothing else: its
// lateness is the machine's (scheduling, other processes), against which the
// display tick's is read.
class ReferenceTicker {
 public:
  void Start() {
    thread_ = std::thread([this] { Run(); });
  }
  const TickLateness& Stop() {
    stop_ = true;
    thread_.join();
    return ticks_;
  }

 private:
  void Run() {
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(kTickMs);
    Clock::time_point last = Clock::now();
    Clock::time_point next = last;
    while (!stop_) {
      next += period;
      std::this_thread::sleep_until(next);
      const Clock::time_point now = Clock::now();
      ticks_.AddInterval(std::chrono::duration<double, std::milli>(now - last).count());
      last = now;
      if (now > next + period) next = now;  // a missed tick is not made up for
    }
  }
  std::atomic<bool> stop_{false};
  std::thread thread_;
  TickLateness ticks_{kTickMs};
};

// The processor time this process has used so far (all its threads: the
// GUI thread and the sound server's client thread), in seconds.
double ProcessCpuSec() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto sec = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
  return sec(usage.ru_utime) + sec(usage.ru_stime);
}

// The machine's load averages, as /proc/loadavg gives them.
std::string LoadAverage() {
  QFile file(QStringLiteral("/proc/loadavg"));
  if (!file.open(QIODevice::ReadOnly)) return "unknown";
  return file.readLine().split(' ').mid(0, 3).join(' ').toStdString();
}

void PrintProgress(const Soak& s) {
  std::fprintf(stderr, "  %4.0f s: %llu blocks, lost %llu, repeated %llu, reordered %llu frames; worst tick %+.2f ms; load %s\n",
               static_cast<double>(s.clock.elapsed()) * 1e-3, static_cast<unsigned long long>(s.blocks),
               static_cast<unsigned long long>(s.count.LostFrames()),
               static_cast<unsigned long long>(s.count.RepeatedFrames()),
               static_cast<unsigned long long>(s.count.ReorderedFrames()), s.ticks.WorstMs(), LoadAverage().c_str());
}

void PrintReport(const Soak& s, const TickLateness& reference, double seconds, uint32_t rate,
                 const WaveFormat& format) {
  const auto u = [](uint64_t v) { return static_cast<unsigned long long>(v); };
  const CountChecker& c = s.count;
  std::printf("capture soak: %.1f s of %u Hz 16-bit stereo through %s and SamplingEngine\n", seconds, rate,
              kInputName);
  std::printf("blocks: %llu of %zu bytes (%llu of another size)\n", u(s.blocks), AudioInput::kBlockBytes,
              u(s.wrongSizedBlocks));
  if (c.Started()) {
    std::printf("counting signal: counts %u..%u after %llu frames of start-up\n", c.FirstCount(), c.HighestCount(),
                u(c.LeadingFrames()));
  } else {
    std::printf("counting signal: none received\n");
  }
  const double framesPerBlock = static_cast<double>(AudioInput::kBlockBytes) / format.blockAlign;
  std::printf("lost: %llu frames (%.2f blocks), repeated: %llu frames, reordered: %llu frames, breaks in the count: %llu\n",
              u(c.LostFrames()), static_cast<double>(c.LostFrames()) / framesPerBlock, u(c.RepeatedFrames()),
              u(c.ReorderedFrames()), u(c.Breaks()));
  std::printf("silence inside the played signal (the player fell behind): %llu frames\n", u(c.SilentFrames()));
  const double nominal = format.avgBytesPerSec;
  const double byteRate = s.ByteRate();
  std::printf("byte rate: %.1f B/s (nominal %.0f, %+.4f %%)\n", byteRate, nominal, 100 * (byteRate / nominal - 1));
  std::printf("longest time between two blocks: %.2f ms (a block is %.2f ms of sound)\n",
              static_cast<double>(s.longestBlockGapNs) * 1e-6, 1e3 * AudioInput::kBlockBytes / nominal);
  std::printf("sound still owed when the run ended: %.3f s (at most %.1f s)\n", s.ShortfallSec(nominal),
              kMaxShortfallSec);
  const TickLateness& t = s.ticks;
  std::printf("display tick: %llu intervals, lateness (interval - %d ms) mean %+.3f ms, earliest %+.2f ms, worst %+.2f ms\n",
              u(t.Intervals()), kTickMs, t.MeanMs(), t.EarliestMs(), t.WorstMs());
  for (std::size_t i = 0; i < TickLateness::kBins; ++i)
    std::printf("  %-26s %10llu   (bare timer thread: %llu)\n", t.BinLabel(i).c_str(), u(t.Bins()[i]),
                u(reference.Bins()[i]));
  std::printf("bare timer thread, for comparison: worst %+.2f ms\n", reference.WorstMs());
  std::printf("processor time of this process (every thread): %.2f %% of one core\n",
              100 * (s.endCpuSec - s.startCpuSec) / seconds);
  std::printf("result: %s\n", s.Passed(nominal) ? "PASS" : "FAIL");
}

int Usage() {
  std::fprintf(stderr, "usage: capture_soak --emit | capture_soak [--seconds S] [--rate HZ]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--emit") == 0) return EmitCountingSignal();
  double seconds = 600;
  long rate = 200000;
  for (int i = 1; i < argc; i += 2) {
    if (i + 1 >= argc) return Usage();
    char* end = nullptr;
    if (std::strcmp(argv[i], "--seconds") == 0) {
      seconds = std::strtod(argv[i + 1], &end);
      if (*end || !(seconds > 0) || seconds > 86400) return Usage();
    } else if (std::strcmp(argv[i], "--rate") == 0) {
      rate = std::strtol(argv[i + 1], &end, 10);
      if (*end || rate < 2000 || rate > 200000) return Usage();
    } else {
      return Usage();
    }
  }

  QCoreApplication app(argc, argv);
  g_settings.channels = 2;
  g_settings.bitsPerSample = 16;
  g_settings.sampleRate = static_cast<int32_t>(rate);
  g_settings.calibrationOffset = 0;
  g_displayMode = TimeDomain;
  g_recordState = Idle;
  g_showRealTime = true;
  g_pluginEnabled = 0;

  SoundCardInput input;
  SamplingEngine engine(&input);
  Soak soak;
  // The engine takes each block first; the check then reads the engine's own
  // live buffer, which is what the display converts.
  input.SetBlockHandler([&](const uint8_t* data, std::size_t size) {
    engine.OnWaveInData(data, size);
    soak.OnBlock(size);
    soak.count.Feed(engine.liveBuf16.data(), std::min(size, SamplingEngine::kBlockBytes) / 4);
  });

  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.setInterval(kTickMs);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    soak.OnTick();
    engine.ConvertFrame();
  });
  QTimer progress;
  progress.setInterval(60000);
  QObject::connect(&progress, &QTimer::timeout, [&] { PrintProgress(soak); });

  engine.OpenWaveIn();  // tells "Init fail!" on stderr when no device takes the format
  if (!engine.WaveInOpen()) return 2;
  soak.clock.start();
  soak.startCpuSec = ProcessCpuSec();
  ReferenceTicker reference;
  reference.Start();
  tick.start();
  progress.start();
  QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &app, &QCoreApplication::quit);
  app.exec();
  tick.stop();
  soak.endNs = soak.clock.nsecsElapsed();
  soak.endCpuSec = ProcessCpuSec();
  const TickLateness& referenceTicks = reference.Stop();
  const double ran = static_cast<double>(soak.endNs) * 1e-9;
  engine.CloseWaveIn();

  PrintReport(soak, referenceTicks, ran, static_cast<uint32_t>(rate), engine.waveFormat);
  if (!soak.count.Started()) return 2;
  return soak.Passed(engine.waveFormat.avgBytesPerSec) ? 0 : 1;
}
