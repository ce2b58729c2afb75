#pragma once

// Real-to-complex transforms of power-of-two sizes through FFTW. Each thread
// keeps one plan per size, made with FFTW_MEASURE on the transform's own
// buffers the first time that size is asked for; later transforms of the
// size reuse plan and buffers. The planner itself is shared by all threads
// and guarded, so different threads may each keep their own transforms.

#include <complex>
#include <mutex>
#include <span>

struct fftw_plan_s;

// FFTW's planner (making and destroying plans) is not reentrant; executing a
// plan is. Whoever makes or destroys a plan of its own holds this.
std::mutex& FftwPlannerMutex();

class RealFft {
 public:
  // This thread's transform of `size` points (a power of two, at least 2).
  static RealFft& OfSize(int size);

  RealFft(const RealFft&) = delete;
  RealFft& operator=(const RealFft&) = delete;
  ~RealFft();

  int Size() const { return size_; }
  // The `Size()` samples to transform; fill them, then call Execute.
  std::span<double> Input() { return {input_, static_cast<size_t>(size_)}; }
  // Bins 0 .. Size()/2 of the last Execute (unnormalised: a unit-amplitude
  // cosine on bin k gives Size()/2 there).
  std::span<const std::complex<double>> Output() const { return {output_, static_cast<size_t>(size_ / 2 + 1)}; }
  void Execute();

 private:
  explicit RealFft(int size);

  int size_;
  double* input_;
  std::complex<double>* output_;
  fftw_plan_s* plan_;
};
