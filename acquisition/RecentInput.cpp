#include "acquisition/RecentInput.h"

#include <algorithm>

RecentInput::RecentInput() {
  // Allocated once: appending a block never allocates.
  for (std::vector<int16_t>& s : samples_) s.resize(kFrames);
}

void RecentInput::Clear() {
  format_ = WaveFormat{};
  next_ = held_ = 0;
  appended_ = 0;
  ++restarts_;
  ++stamp_;
}

double RecentInput::FullScale() const { return format_.bitsPerSample == 8 ? 128.0 : 32768.0; }

template <typename Element, typename ToValue>
void RecentInput::AppendFrames(const WaveFormat& format, const Element* elements, std::size_t count,
                               ToValue toValue) {
  const int channels = format.channels;
  if (channels < 1 || channels > 2) return;
  if (format != format_) {
    Clear();
    format_ = format;
  }
  const std::size_t frames = count / channels;
  // In runs up to the ring's end, each a plain loop per channel.
  for (std::size_t done = 0; done < frames;) {
    const std::size_t run = std::min(frames - done, kFrames - next_);
    const Element* from = elements + done * channels;
    int16_t* left = samples_[0].data() + next_;
    int16_t* right = samples_[1].data() + next_;
    // The frame width as a constant, so the compiler can vectorise the loops.
    if (channels == 2) {
      for (std::size_t i = 0; i < run; ++i) {
        left[i] = toValue(from[2 * i]);
        right[i] = toValue(from[2 * i + 1]);
      }
    } else {
      for (std::size_t i = 0; i < run; ++i) left[i] = toValue(from[i]);
    }
    next_ = (next_ + run) % kFrames;
    done += run;
  }
  held_ = std::min(held_ + frames, kFrames);
  appended_ += frames;
  ++stamp_;
}

void RecentInput::Append(const WaveFormat& format, const uint8_t* elements, std::size_t count) {
  AppendFrames(format, elements, count, [](uint8_t v) { return static_cast<int16_t>(v - 128); });
}

void RecentInput::Append(const WaveFormat& format, const int16_t* elements, std::size_t count) {
  AppendFrames(format, elements, count, [](int16_t v) { return v; });
}

std::vector<double> RecentInput::Latest(int channel, std::size_t n) const {
  std::vector<double> out;
  Latest(channel, n, out);
  return out;
}

void RecentInput::Latest(int channel, std::size_t n, std::vector<double>& out) const {
  out.clear();
  if (channel < 0 || channel >= format_.channels) return;
  n = std::min(n, held_);
  out.resize(n);
  const std::vector<int16_t>& s = samples_[channel];
  // The oldest wanted frame, then on through the wrap.
  std::size_t at = (next_ + kFrames - n) % kFrames;
  for (double& v : out) {
    v = s[at];
    if (++at == kFrames) at = 0;
  }
}
