#pragma once

// WAV files byte by byte, for tests of the readers: written here rather than
// by the program's writer, so a reader is never checked against itself.

#include <QByteArray>

#include <cstdint>
#include <cstring>
#include <vector>

inline QByteArray Le(uint64_t v, int bytes) {
  QByteArray b;
  for (int i = 0; i < bytes; ++i) b.append(char(v >> (8 * i)));
  return b;
}

inline QByteArray Chunk(const char* id, const QByteArray& body) {
  QByteArray c = QByteArray(id, 4) + Le(uint32_t(body.size()), 4) + body;
  if (body.size() % 2) c.append('\0');
  return c;
}

inline QByteArray Riff(const QByteArray& chunks, const char* form = "WAVE") {
  return "RIFF" + Le(uint32_t(4 + chunks.size()), 4) + QByteArray(form, 4) + chunks;
}

// A 16-byte PCM-style format chunk body with consistent block align and byte rate.
inline QByteArray Fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  const uint32_t align = uint32_t(channels * bits / 8);
  return Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(align * rate, 4) + Le(align, 2) + Le(bits, 2);
}

// A 40-byte WAVE_FORMAT_EXTENSIBLE body whose subformat GUID is `subTag`
// followed by `guidTail` (by default the tail of the standard audio subformats).
inline constexpr char kGuidTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";
inline QByteArray Extensible(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t subTag,
                             const char* guidTail = kGuidTail) {
  return Fmt(0xFFFE, channels, rate, bits) + Le(22, 2) + Le(bits, 2) + Le(3, 4) + Le(subTag, 2) +
         QByteArray(guidTail, 14);
}

// Interleaved samples stored as `bits`-wide integers (8-bit ones offset by
// 128) or floats, each value taken as it is.
inline QByteArray StoreSamples(const std::vector<double>& values, int bits, bool isFloat) {
  QByteArray out;
  for (const double v : values) {
    if (isFloat && bits == 32) {
      const float f = float(v);
      out.append(reinterpret_cast<const char*>(&f), 4);
    } else if (isFloat) {
      out.append(reinterpret_cast<const char*>(&v), 8);
    } else {
      out += Le(uint64_t(int64_t(v) + (bits == 8 ? 128 : 0)), bits / 8);
    }
  }
  return out;
}

// A whole file of those samples: a plain format chunk, or an EXTENSIBLE one.
inline QByteArray SampleWav(const std::vector<double>& values, uint16_t channels, uint32_t rate, int bits,
                            bool isFloat, bool extensible) {
  const uint16_t tag = isFloat ? 3 : 1;
  const QByteArray fmt = extensible ? Extensible(channels, rate, uint16_t(bits), tag)
                                    : Fmt(tag, channels, rate, uint16_t(bits));
  return Riff(Chunk("fmt ", fmt) + Chunk("data", StoreSamples(values, bits, isFloat)));
}
