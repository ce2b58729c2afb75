#include "gui/TransferFeed.h"

#include "acquisition/RecentInput.h"

#include <algorithm>

TransferFeed::State TransferFeed::Feed(const RecentInput& ring, int fftSize) {
  if (!started_ || ring.Restarts() != restarts_) {
    restarts_ = ring.Restarts();
    read_ = 0;
    started_ = true;
    if (averager_) averager_->Reset();
  }
  if (ring.Channels() == 0) return State::NoInput;
  if (ring.Channels() == 1) {
    read_ = ring.Appended();
    return State::Mono;
  }
  if (!averager_ || averager_->FftSize() != fftSize || averager_->SampleRate() != ring.SampleRate())
    averager_.emplace(fftSize, ring.SampleRate());
  const uint64_t fresh = std::min<uint64_t>(ring.Appended() - read_, ring.Frames());
  read_ = ring.Appended();
  if (fresh > 0) averager_->Add(ring.Latest(0, fresh), ring.Latest(1, fresh));
  return State::Fed;
}

void TransferFeed::Reset() {
  if (averager_) averager_->Reset();
}
