// A display tick runs fifty times a second: it must not touch the heap. This
// binary counts every allocation made through operator new.

#include "support/EngineFixture.h"

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

using TickAllocation = EngineTest;

TEST_F(TickAllocation, NoTickAllocatesInAnyModeOrSource) {
  // The counter sees allocations at all.
  const long start = g_allocations.load();
  auto probe = std::make_unique<std::vector<int>>(100);
  ASSERT_GE(g_allocations.load() - start, 2);

  UseFormat(2, 16);
  std::vector<uint8_t> bytes(3 * RecordingBuffer::kChunkBytes, 1);
  ASSERT_TRUE(engine.recBuf16.Append(bytes.data(), bytes.size()));
  input.Deliver(Block16([](int i) { return std::lround(8000 * std::sin(i * 0.1)); }));

  struct Case {
    int32_t mode;
    int32_t state;
  };
  for (const Case c : {Case{TimeDomain, Idle}, Case{FrequencyDomain, Idle}, Case{TimeDomain, Playing},
                       Case{FrequencyDomain, Paused}, Case{FunctionSignal, Idle}}) {
    for (int bits : {8, 16}) {
      UseFormat(2, bits);
      g_displayMode = c.mode;
      g_recordState = c.state;
      g_playbackPos = static_cast<int32_t>(RecordingBuffer::kChunkBytes / 2 - 100);  // straddles a chunk edge
      engine.ConvertFrame();  // a first call may set up lasting tables
      const long before = g_allocations.load();
      for (int i = 0; i < 10; ++i) engine.ConvertFrame();
      EXPECT_EQ(g_allocations.load() - before, 0) << "mode " << c.mode << " state " << c.state << " bits " << bits;
    }
  }
}
