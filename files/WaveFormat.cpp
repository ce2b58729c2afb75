#include "files/WaveFormat.h"

namespace {

void Put16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  Put16(p, static_cast<uint16_t>(v));
  Put16(p + 2, static_cast<uint16_t>(v >> 16));
}
uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Get32(const uint8_t* p) { return Get16(p) | (static_cast<uint32_t>(Get16(p + 2)) << 16); }

}  // namespace

std::array<uint8_t, kWaveFormatBytes> SerializeWaveFormat(const WaveFormat& f) {
  std::array<uint8_t, kWaveFormatBytes> b{};
  Put16(&b[0], f.formatTag);
  Put16(&b[2], f.channels);
  Put32(&b[4], f.samplesPerSec);
  Put32(&b[8], f.avgBytesPerSec);
  Put16(&b[12], f.blockAlign);
  Put16(&b[14], f.bitsPerSample);
  Put16(&b[16], f.extraSize);
  return b;
}

WaveFormat ParseWaveFormat(const uint8_t* b) {
  WaveFormat f;
  f.formatTag = Get16(&b[0]);
  f.channels = Get16(&b[2]);
  f.samplesPerSec = Get32(&b[4]);
  f.avgBytesPerSec = Get32(&b[8]);
  f.blockAlign = Get16(&b[12]);
  f.bitsPerSample = Get16(&b[14]);
  f.extraSize = Get16(&b[16]);
  return f;
}
