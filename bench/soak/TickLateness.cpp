#include "bench/soak/TickLateness.h"

#include <algorithm>
#include <cstdio>

void TickLateness::AddInterval(double intervalMs) {
  const double late = intervalMs - periodMs_;
  worstMs_ = intervals_ ? std::max(worstMs_, late) : late;
  earliestMs_ = intervals_ ? std::min(earliestMs_, late) : late;
  sumMs_ += late;
  ++intervals_;
  std::size_t bin = 0;
  while (bin < kBinEdgesMs.size() && late >= kBinEdgesMs[bin]) ++bin;
  if (late >= periodMs_) bin = kBins - 1;
  ++bins_[bin];
}

std::string TickLateness::BinLabel(std::size_t i) const {
  char text[48];
  if (i == 0)
    std::snprintf(text, sizeof text, "< %g ms (early)", kBinEdgesMs[0]);
  else if (i < kBinEdgesMs.size())
    std::snprintf(text, sizeof text, "%g-%g ms", kBinEdgesMs[i - 1], kBinEdgesMs[i]);
  else if (i == kBinEdgesMs.size())
    std::snprintf(text, sizeof text, "%g-%g ms", kBinEdgesMs.back(), periodMs_);
  else
    std::snprintf(text, sizeof text, ">= %g ms (a tick missed)", periodMs_);
  return text;
}
