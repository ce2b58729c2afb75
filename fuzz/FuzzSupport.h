#pragma once

// What the fuzz targets share: scratch files the real loaders read, a way to
// stop with a message when a property fails, and the bound that keeps a
// generator run small.

#include "generator/SignalGenerator.h"
#include "generator/SignalSynthesis.h"
#include "settings/GeneratorParams.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property of the program failed: libFuzzer keeps the input as a crash.
[[noreturn]] inline void FuzzFail(const char* what) {
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) FuzzFail(#condition); \
  } while (false)

// A path in this process's scratch folder, a new one in the temporary
// folder (TMPDIR; scripts/fuzz.sh makes that /dev/shm, in memory, unless
// told otherwise): the loaders read real files, as in the program.
inline QString ScratchPath(const QString& name) {
  static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/ondrix-fuzz-XXXXXX"));
  if (!dir.isValid()) FuzzFail("no scratch folder");
  return dir.filePath(name);
}

// Makes the file at `path` hold exactly `size` bytes of `data`.
inline void WriteScratch(const QString& path, const uint8_t* data, std::size_t size) {
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) FuzzFail("cannot create a scratch file");
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n <= 0) FuzzFail("cannot write a scratch file");
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
}

// The largest signal the targets synthesise. The largest the generator makes
// (16 MiB) take tenths of a second and would starve the fuzzer; their
// arithmetic is that of the small ones.
constexpr uint64_t kSmallSignalBytes = 16 << 10;

// Whether MakeGeneratorSignal on these parameters stays cheap: a refused set
// does, a signal of up to `maxBytes` does.
inline bool GeneratorRunIsSmall(const GeneratorParams& p, int32_t sampleRate, int channels,
                                uint64_t maxBytes = kSmallSignalBytes) {
  if (!GeneratorFaults(p, sampleRate, channels).isEmpty()) return true;
  const int32_t rate = GeneratorSampleRate(sampleRate);
  if (p.functionMode == 0) return static_cast<uint64_t>(SweepMonoBytes(rate, p.sweepRiseMs)) * channels <= maxBytes;
  const WaveChannel left{p.leftWave, p.leftFreq, p.leftPeak}, right{p.rightWave, p.rightFreq, p.rightPeak};
  return PlanFunctionSignal(rate, channels, left, right).bufferBytes <= maxBytes;
}
