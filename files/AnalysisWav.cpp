#include "files/AnalysisWav.h"

#include "files/WaveChunks.h"

#include <QCoreApplication>

#include <bit>
#include <cmath>
#include <cstring>

// The analysis's reasons are written in English, as the command-line tool
// that reads these files was, and shown in the program's language; what it
// shares with the program's reader (the chunk walk) is the reader's text.
struct AnalysisWav {
  Q_DECLARE_TR_FUNCTIONS(AnalysisWav)
};

namespace {

WavProbe Refuse(const QString& reason) {
  WavProbe probe;
  probe.reason = reason;
  return probe;
}

QString FormatRefusal(const WaveFormat& stored, uint16_t tag) {
  const bool isFloat = tag == kTagFloat;
  if (tag != kTagPcm && !isFloat)
    return AnalysisWav::tr("unsupported data format (tag 0x%1): only PCM integer or IEEE float samples can be analysed")
        .arg(tag, 4, 16, QLatin1Char('0'));
  const int bits = stored.bitsPerSample;
  if (isFloat && bits != 32 && bits != 64)
    return AnalysisWav::tr("unsupported sample width: %1-bit float (32 or 64 bits can be analysed)").arg(bits);
  if (!isFloat && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return AnalysisWav::tr("unsupported sample width: %1-bit integer (8, 16, 24 or 32 bits can be analysed)")
        .arg(bits);
  if (stored.channels < 1 || stored.channels > kMaxAnalysisChannels)
    return AnalysisWav::tr("unsupported number of channels: %1 (1 to %2 can be analysed)")
        .arg(stored.channels)
        .arg(kMaxAnalysisChannels);
  return SampleRateRefusal(stored.samplesPerSec, stored.channels * (bits / 8));
}

uint64_t GetLe(const uint8_t* p, int bytes) {
  uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

}  // namespace

WavProbe ProbeAnalysisWav(const QString& path, std::shared_ptr<const QByteArray> memory) {
  WaveChunks chunks;
  WaveFormat stored;
  if (const QString why = chunks.OpenToFormat(path, &stored, std::move(memory)); !why.isEmpty()) return Refuse(why);
  uint16_t tag = stored.formatTag;
  if (tag == kTagExtensible) {
    if (const QString why = chunks.ReadSubformatTag(&tag); !why.isEmpty()) return Refuse(why);
  }
  if (const QString why = FormatRefusal(stored, tag); !why.isEmpty()) return Refuse(why);
  if (const QString why = chunks.FindData(); !why.isEmpty()) return Refuse(why);

  WaveFormat format = MakePcmFormat(stored.channels, stored.samplesPerSec, stored.bitsPerSample);
  format.formatTag = tag;
  return chunks.Accept(path, format);
}

double DecodeSample(const uint8_t* p, int bits, bool isFloat) {
  if (isFloat)
    return bits == 64 ? std::bit_cast<double>(GetLe(p, 8))
                      : double(std::bit_cast<float>(static_cast<uint32_t>(GetLe(p, 4))));
  if (bits == 8) return int(p[0]) - 128;
  // Sign-extended from the top bit of the stored width.
  const int shift = 64 - bits;
  return double(static_cast<int64_t>(GetLe(p, bits / 8) << shift) >> shift);
}

bool ReadAnalysisChannels(const QString& path, const WavLayout& layout, quint64 first, std::size_t frames,
                          std::span<const int> channels, std::vector<std::vector<double>>* samples,
                          QString* reason) {
  const WaveFormat& f = layout.format;
  const int sampleBytes = f.bitsPerSample / 8;
  const bool isFloat = HoldsFloatSamples(f);
  samples->assign(channels.size(), {});
  for (auto& s : *samples) s.reserve(frames);

  quint64 frame = first;
  QString refusal;  // of a sample that is not a number
  auto take = [&](const uint8_t* data, std::size_t count) {
    for (const uint8_t* p = data; p < data + count; p += f.blockAlign, ++frame) {
      for (std::size_t i = 0; i < channels.size(); ++i) {
        const double v = DecodeSample(p + channels[i] * sampleBytes, f.bitsPerSample, isFloat);
        if (!std::isfinite(v)) {
          refusal = AnalysisWav::tr("frame %1 of channel %2 holds a float sample that is not a finite number")
                        .arg(frame)
                        .arg(channels[i] + 1);
          return false;
        }
        (*samples)[i].push_back(v);
      }
    }
    return true;
  };
  // Whole frames in every piece.
  QString readReason;
  if (ReadWavRange(path, layout, first * f.blockAlign, quint64(frames) * f.blockAlign, take, &readReason,
                   std::size_t(f.blockAlign) * 4096))
    return true;
  if (reason) *reason = refusal.isEmpty() ? readReason : refusal;
  return false;
}
