// Speed of the analysis routines, with FFTW's 1024-point complex transform as
// the yardstick for the spectrum.

#include "analysis/FastFft.h"
#include "analysis/SignalAnalysis.h"

#include <benchmark/benchmark.h>
#include <immintrin.h>
#include <fftw3.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstring>
#include <numbers>
#include <random>

namespace {

constexpr int kN = 1024;
constexpr int32_t kRate = 44100;
constexpr int32_t kGain = 32;  // the default display gain

using Trace = std::array<int32_t, kN>;

// A 16-bit frame as the sound card delivers it: a 1 kHz tone plus some noise.
Trace RealisticTrace() {
  Trace t;
  std::mt19937 rng(1);
  std::uniform_int_distribution<int> noise(-200, 200);
  for (int i = 0; i < kN; ++i)
    t[i] = static_cast<int32_t>(std::lround(12000 * std::sin(2 * std::numbers::pi * 1000.0 * i / kRate))) +
           noise(rng);
  return t;
}

const Trace kTrace = RealisticTrace();

void BM_SpectrumAndPeak(benchmark::State& state) {
  Trace t;
  for (auto _ : state) {
    t = kTrace;
    benchmark::DoNotOptimize(SpectrumAndPeak(t.data(), kN, kRate, kGain));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SpectrumAndPeak);

void BM_SpectrumAndPeakReference(benchmark::State& state) {
  Trace t;
  for (auto _ : state) {
    t = kTrace;
    benchmark::DoNotOptimize(SpectrumAndPeakReference(t.data(), kN, kRate, kGain));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SpectrumAndPeakReference);

void BM_FftReference(benchmark::State& state) {
  std::array<std::complex<double>, kN> in, out;
  for (int i = 0; i < kN; ++i) in[i] = {static_cast<double>(kTrace[i]), 0.0};
  for (auto _ : state) {
    Fft(in.data(), out.data(), 10);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FftReference);

// The fast transform alone (no magnitudes), to set against FFTW's transform.
void BM_FastRealFft(benchmark::State& state) {
  alignas(64) double re[kN];
  alignas(64) double im[kN];
  for (auto _ : state) {
    FastRealFft1024(kTrace.data(), re, im);
    benchmark::DoNotOptimize(re);
    benchmark::DoNotOptimize(im);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FastRealFft);

struct FftwPlan {
  fftw_complex* in = fftw_alloc_complex(kN);
  fftw_complex* out = fftw_alloc_complex(kN);
  fftw_plan plan = fftw_plan_dft_1d(kN, in, out, FFTW_FORWARD, FFTW_MEASURE);
  ~FftwPlan() {
    fftw_destroy_plan(plan);
    fftw_free(in);
    fftw_free(out);
  }
};

void BM_FftwTransform(benchmark::State& state) {
  FftwPlan f;
  for (int i = 0; i < kN; ++i) {
    f.in[i][0] = kTrace[i];
    f.in[i][1] = 0.0;
  }
  for (auto _ : state) {
    fftw_execute(f.plan);
    benchmark::DoNotOptimize(f.out);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FftwTransform);

// The rest of SpectrumAndPeak's work around an FFTW transform: integer
// magnitudes divided by the gain, DC dropped, first highest bin, frequency.
// The library builds its magnitude loop for SSE2, AVX2 and AVX-512 and picks
// the widest at run time; this file cannot build sqrt without errno handling,
// so the same loop over FFTW's interleaved output is written with intrinsics at
// each level and chosen the same way. Only the transforms then differ.
constexpr double kLimit = 2147483647.0;

void MagnitudesSse2(const double* bins, int32_t* values, double gain) {
  const __m128d divisor = _mm_set1_pd(gain), limit = _mm_set1_pd(kLimit);
  for (int i = 0; i < kN; i += 2) {
    const __m128d a = _mm_load_pd(bins + 2 * i), b = _mm_load_pd(bins + 2 * i + 2);
    const __m128d a2 = _mm_mul_pd(a, a), b2 = _mm_mul_pd(b, b);
    const __m128d sum = _mm_add_pd(_mm_unpacklo_pd(a2, b2), _mm_unpackhi_pd(a2, b2));
    const __m128d m = _mm_cvtepi32_pd(_mm_cvttpd_epi32(_mm_min_pd(_mm_sqrt_pd(sum), limit)));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(values + i), _mm_cvttpd_epi32(_mm_div_pd(m, divisor)));
  }
}

__attribute__((target("avx2"))) void MagnitudesAvx2(const double* bins, int32_t* values, double gain) {
  const __m256d divisor = _mm256_set1_pd(gain), limit = _mm256_set1_pd(kLimit);
  for (int i = 0; i < kN; i += 4) {
    const __m256d a = _mm256_loadu_pd(bins + 2 * i), b = _mm256_loadu_pd(bins + 2 * i + 4);
    const __m256d a2 = _mm256_mul_pd(a, a), b2 = _mm256_mul_pd(b, b);
    // hadd gives bins 0, 2, 1, 3; put them back in order.
    const __m256d sum = _mm256_permute4x64_pd(_mm256_hadd_pd(a2, b2), 0xD8);
    const __m256d m = _mm256_cvtepi32_pd(_mm256_cvttpd_epi32(_mm256_min_pd(_mm256_sqrt_pd(sum), limit)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(values + i), _mm256_cvttpd_epi32(_mm256_div_pd(m, divisor)));
  }
}

// GCC 12's AVX-512 headers trip -Wuninitialized on their own placeholders.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
__attribute__((target("avx512f"))) void MagnitudesAvx512(const double* bins, int32_t* values, double gain) {
  const __m512d divisor = _mm512_set1_pd(gain), limit = _mm512_set1_pd(kLimit);
  const __m512i even = _mm512_setr_epi64(0, 2, 4, 6, 8, 10, 12, 14);
  const __m512i odd = _mm512_setr_epi64(1, 3, 5, 7, 9, 11, 13, 15);
  for (int i = 0; i < kN; i += 8) {
    const __m512d a = _mm512_loadu_pd(bins + 2 * i), b = _mm512_loadu_pd(bins + 2 * i + 8);
    const __m512d a2 = _mm512_mul_pd(a, a), b2 = _mm512_mul_pd(b, b);
    const __m512d sum = _mm512_add_pd(_mm512_permutex2var_pd(a2, even, b2), _mm512_permutex2var_pd(a2, odd, b2));
    const __m512d m = _mm512_cvtepi32_pd(_mm512_cvttpd_epi32(_mm512_min_pd(_mm512_sqrt_pd(sum), limit)));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(values + i), _mm512_cvttpd_epi32(_mm512_div_pd(m, divisor)));
  }
}

#pragma GCC diagnostic pop

using MagnitudesFn = void (*)(const double*, int32_t*, double);
MagnitudesFn PickMagnitudes() {
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx512f")) return MagnitudesAvx512;
  if (__builtin_cpu_supports("avx2")) return MagnitudesAvx2;
  return MagnitudesSse2;
}
const MagnitudesFn kMagnitudes = PickMagnitudes();

int32_t FftwSpectrumAndPeak(FftwPlan& f, int32_t* values, int32_t gain) {
  for (int i = 0; i < kN; ++i) {
    f.in[i][0] = values[i];
    f.in[i][1] = 0.0;
  }
  fftw_execute(f.plan);
  kMagnitudes(&f.out[0][0], values, gain);
  values[0] = 0;
  int32_t best = 0;
  for (int i = 1; i < kN; ++i) best = std::max(best, values[i]);
  int peak = 0;
  if (best > 0)
    while (values[++peak] != best) {
    }
  return RoundByTenth(static_cast<double>(static_cast<int64_t>(kRate) * peak) / kN);
}

void BM_FftwWithMagnitudeAndPeak(benchmark::State& state) {
  FftwPlan f;
  Trace t = kTrace, ours = kTrace;
  // The comparison only counts if both sides find the same peak.
  if (FftwSpectrumAndPeak(f, t.data(), kGain) != SpectrumAndPeak(ours.data(), kN, kRate, kGain)) {
    state.SkipWithError("FFTW side disagrees with SpectrumAndPeak");
    return;
  }
  for (auto _ : state) {
    t = kTrace;
    benchmark::DoNotOptimize(FftwSpectrumAndPeak(f, t.data(), kGain));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FftwWithMagnitudeAndPeak);

void BM_MeasureTrace(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MeasureTrace(kTrace.data(), 0, 0, kRate));
}
BENCHMARK(BM_MeasureTrace);

}  // namespace
