#pragma once

#include <array>
#include <cstdint>
#include <string>

// How late a periodic tick comes: each interval between two ticks minus the
// period, gathered in a histogram with its extremes. A tick that comes early
// (after a late one, when the timer catches up) has a negative lateness.
class TickLateness {
 public:
  // Upper bounds of the histogram's first bins in milliseconds; then one bin
  // up to the period and a last one from the period on (a tick missed).
  static constexpr std::array<double, 6> kBinEdgesMs{0, 0.5, 1, 2, 5, 10};
  static constexpr std::size_t kBins = kBinEdgesMs.size() + 2;

  // `periodMs` above the last fixed edge (10 ms).
  explicit TickLateness(double periodMs) : periodMs_(periodMs) {}

  // One interval between two consecutive ticks.
  void AddInterval(double intervalMs);

  uint64_t Intervals() const { return intervals_; }
  double WorstMs() const { return worstMs_; }
  double EarliestMs() const { return earliestMs_; }
  double MeanMs() const { return intervals_ ? sumMs_ / static_cast<double>(intervals_) : 0; }
  // Intervals late by at least a whole period: a tick that was missed.
  uint64_t MissedTicks() const { return bins_.back(); }
  const std::array<uint64_t, kBins>& Bins() const { return bins_; }
  // The label of bin `i`, like "0.5-1 ms".
  std::string BinLabel(std::size_t i) const;

 private:
  double periodMs_;
  uint64_t intervals_ = 0;
  double worstMs_ = 0;
  double earliestMs_ = 0;
  double sumMs_ = 0;
  std::array<uint64_t, kBins> bins_{};
};
