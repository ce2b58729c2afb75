#include "analysis/RealFft.h"

#include <fftw3.h>

#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <stdexcept>

std::mutex& FftwPlannerMutex() {
  static std::mutex mutex;
  return mutex;
}

RealFft& RealFft::OfSize(int size) {
  if (size < 2 || (size & (size - 1)) != 0) throw std::invalid_argument("RealFft: size is not a power of two");
  thread_local std::map<int, std::unique_ptr<RealFft>> transforms;
  auto& slot = transforms[size];
  if (!slot) slot.reset(new RealFft(size));
  return *slot;
}

RealFft::RealFft(int size)
    : size_(size),
      input_(fftw_alloc_real(size)),
      output_(reinterpret_cast<std::complex<double>*>(fftw_alloc_complex(size / 2 + 1))) {
  if (!input_ || !output_) {
    fftw_free(input_);
    fftw_free(output_);
    throw std::bad_alloc();
  }
  // FFTW_MEASURE tries transforms on the buffers, so it plans before they
  // hold anything. std::complex<double> has fftw_complex's layout.
  std::lock_guard lock(FftwPlannerMutex());
  plan_ = fftw_plan_dft_r2c_1d(size, input_, reinterpret_cast<fftw_complex*>(output_), FFTW_MEASURE);
  if (!plan_) {
    fftw_free(input_);
    fftw_free(output_);
    throw std::runtime_error("RealFft: FFTW made no plan");
  }
}

RealFft::~RealFft() {
  {
    std::lock_guard lock(FftwPlannerMutex());
    fftw_destroy_plan(plan_);
  }
  fftw_free(input_);
  fftw_free(output_);
}

void RealFft::Execute() { fftw_execute(plan_); }
