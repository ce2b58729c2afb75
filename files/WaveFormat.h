#pragma once

#include <array>
#include <cstdint>

// The 18-byte PCM format record of a WAV "fmt " chunk (WAVEFORMATEX).
struct WaveFormat {
  uint16_t formatTag = 1;  // 1 = PCM
  uint16_t channels = 0;
  uint32_t samplesPerSec = 0;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  uint16_t extraSize = 0;

  friend bool operator==(const WaveFormat&, const WaveFormat&) = default;
};

constexpr int kWaveFormatBytes = 18;

// PCM with the given layout; block align and byte rate derived from it.
constexpr WaveFormat MakePcmFormat(uint16_t channels, uint32_t samplesPerSec, uint16_t bitsPerSample) {
  WaveFormat f;
  f.channels = channels;
  f.samplesPerSec = samplesPerSec;
  f.bitsPerSample = bitsPerSample;
  f.blockAlign = static_cast<uint16_t>(bitsPerSample * channels / 8);
  f.avgBytesPerSec = f.blockAlign * samplesPerSec;
  return f;
}

// The 18 little-endian bytes as stored in a file, and back.
std::array<uint8_t, kWaveFormatBytes> SerializeWaveFormat(const WaveFormat& format);
WaveFormat ParseWaveFormat(const uint8_t* bytes);
