#pragma once

// Internals of the transform shared by the reference and the fast path.

#include <complex>
#include <cstdint>

// W[i] = cos(theta) + j sin(theta), theta = (-i * pi * 2) / n with pi taken as
// 3.1415926535. Both transforms take their twiddles from here, so the tables
// hold the same bits.
std::complex<double> FftTwiddle(int i, int n);

// Reverses the lowest `bits` bits of `j`.
int FftBitReverse(int j, int bits);

constexpr int kFastFftSize = 1024;

// The fast path's hot functions are built once per instruction-set level and
// the loader picks the widest one the processor has. Every variant performs
// the same IEEE operations in the same order (the project compiles without
// fused multiply-add contraction), so all give the same bits. Only functions
// called from their own file carry it: a clone set called from another file
// links with GCC but not with clang.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__ELF__)
#define ONDRIX_SIMD_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define ONDRIX_SIMD_CLONES
#endif

// The 1024-point transform of real input `values` with the reference's
// arithmetic, butterfly for butterfly, written in bit-reversed order into `re`
// and `im`. Uses no heap.
void FastRealFft1024(const int32_t* values, double* re, double* im);

// The same transform in natural order, for comparison with Fft.
void FastRealFft1024(const int32_t* values, std::complex<double>* output);
