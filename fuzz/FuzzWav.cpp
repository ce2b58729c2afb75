// libFuzzer target: WAV files read as the program's open command and
// ondrix-cli read them, each accepted file shown as replay shows it (time and
// frequency domain, measured) and as the CLI takes a frame from it; and read
// by the analysis reader, which takes wider and float samples too.
//
// An input that starts with "RIFF" is the file itself: anything may be
// refused, nothing may crash. Any other input describes a valid file (its
// format, chunks of any size, odd ones with their pad byte, before and after
// the format and data chunks, a wrong RIFF size, a streaming writer's
// placeholder data size); that file is built and must be accepted with its
// format and samples where they were put.

#include "FuzzSupport.h"
#include "ByteReader.h"

#include "acquisition/SamplingEngine.h"
#include "analysis/SignalAnalysis.h"
#include "app/Globals.h"
#include "cli/RecordingFrame.h"
#include "files/AnalysisWav.h"
#include "files/WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

namespace {

void PutU16(QByteArray& out, uint16_t v) { out.append(static_cast<char>(v)).append(static_cast<char>(v >> 8)); }
void PutU32(QByteArray& out, uint32_t v) {
  PutU16(out, static_cast<uint16_t>(v));
  PutU16(out, static_cast<uint16_t>(v >> 16));
}

// A chunk: id, size, contents and, after an odd size, a pad byte (of any value).
void PutChunk(QByteArray& out, const QByteArray& id, const QByteArray& contents, char pad) {
  out += id;
  PutU32(out, static_cast<uint32_t>(contents.size()));
  out += contents;
  if (contents.size() % 2) out += pad;
}

// `count` chunks the reader has to step over (LIST, fact, anything).
void PutOtherChunks(ByteReader& in, QByteArray& out, int count) {
  for (int i = 0; i < count; ++i) {
    QByteArray id = in.Bytes(4);
    if (id == "fmt " || id == "data") id[0] = 'x';
    const QByteArray contents = in.Bytes(in.Byte() % 64);
    PutChunk(out, id, contents, static_cast<char>(in.Byte()));
  }
}

struct BuiltWav {
  QByteArray file;
  WaveFormat format;  // as the reader reports it: normalised PCM
  qint64 dataOffset = 0;
  QByteArray samples;  // what the reader must find in the data chunk
};

constexpr uint8_t kPcmSubformat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                       0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

BuiltWav BuildValidWav(ByteReader& in) {
  const uint8_t shape = in.Byte();
  const uint16_t channels = 1 + (shape & 1);
  const uint16_t bits = shape & 2 ? 16 : 8;
  const int fmtKind = (shape >> 2) & 3;  // 16 bytes, 18 bytes, 40-byte EXTENSIBLE, 16 plus extra bytes
  const bool streamed = shape & 0x10;
  const bool wrongRiffSize = shape & 0x20;
  const bool chunksAfterData = shape & 0x40;
  const uint32_t rate = 1 + in.U32() % 400000;

  BuiltWav wav;
  wav.format = MakePcmFormat(channels, rate, bits);
  QByteArray body = "WAVE";
  PutOtherChunks(in, body, in.Byte() % 3);

  // The stored byte rate and block align are taken from the input: the
  // reader derives its own.
  QByteArray fmt;
  PutU16(fmt, fmtKind == 2 ? 0xFFFE : 1);
  PutU16(fmt, channels);
  PutU32(fmt, rate);
  PutU32(fmt, in.U32());
  PutU16(fmt, in.U16());
  PutU16(fmt, bits);
  if (fmtKind == 1) PutU16(fmt, in.U16());
  if (fmtKind == 2) {
    PutU16(fmt, 22);
    PutU16(fmt, bits);
    PutU32(fmt, in.U32());  // channel mask
    fmt.append(reinterpret_cast<const char*>(kPcmSubformat), sizeof kPcmSubformat);
  }
  if (fmtKind == 3) fmt += in.Bytes(1 + in.Byte() % 7);
  PutChunk(body, "fmt ", fmt, static_cast<char>(in.Byte()));
  PutOtherChunks(in, body, in.Byte() % 4);

  const QByteArray samples = in.Bytes(in.U16() % 12000);
  wav.dataOffset = 8 + body.size() + 8;
  if (streamed) {
    // The writer could not go back to fill in the size; the data runs to the
    // end of the file, whole frames of it count.
    body += "data";
    PutU32(body, in.Byte() & 1 ? 0xFFFFFFFFu : 0x7FFFF000u);
    body += samples;
    wav.samples = samples.left(samples.size() - samples.size() % wav.format.blockAlign);
  } else {
    PutChunk(body, "data", samples, static_cast<char>(in.Byte()));
    wav.samples = samples;
    if (chunksAfterData) PutOtherChunks(in, body, 1 + in.Byte() % 2);
  }
  wav.file = "RIFF";
  PutU32(wav.file, wrongRiffSize ? in.U32() : static_cast<uint32_t>(body.size()));
  wav.file += body;
  return wav;
}

// Every value of a frame lies in the sample range of its width.
void CheckFrameValues(const TraceBuffer& trace, uint16_t bits) {
  const int32_t low = bits == 8 ? -128 : -32768;
  const int32_t high = bits == 8 ? 127 : 32767;
  for (const int32_t v : trace) FUZZ_CHECK(v >= low && v <= high);
}

// The open command at the sample width the program runs at (`bits`): the file
// becomes the recording, replay shows its last and first frame, one is
// measured and, in 16 bits, one shown as a spectrum (the frame's arithmetic
// needs no more: it does not depend on the file's layout).
void OpenAndReplay(const QString& path, uint16_t bits) {
  static SamplingEngine engine;
  ResetGlobals();
  g_settings.bitsPerSample = bits;
  QString reason;
  if (engine.ReadWavFile(path, &reason) == 0) return;
  g_recordState = Paused;
  // A recording shorter than a frame leaves the traces as they were.
  const bool wholeFrame = engine.RecElements() >= std::size_t(g_settings.channels == 2 ? 2048 : 1024);
  for (const int32_t position : {engine.ReplaySliderMax(), 0}) {
    g_playbackPos = position;
    g_displayMode = TimeDomain;
    engine.ConvertFrame();
    if (wholeFrame) CheckFrameValues(engine.ch1Trace, bits);
    if (wholeFrame && g_settings.channels == 2) CheckFrameValues(engine.ch2Trace, bits);
  }
  MeasureBothTraces(engine.ch1Trace, engine.ch2Trace, g_settings);
  if (bits == 16) {
    g_displayMode = FrequencyDomain;
    engine.ConvertFrame();
  }
}

// ondrix-cli's frame reader on a file it accepted: the last whole frame
// must convert; when the file holds none, the first must be refused.
void CliFrame(RecordingFrame& frame) {
  QString error;
  const long long elements = frame.Layout().dataBytes / (frame.Layout().format.bitsPerSample / 8);
  const long long frameElements = g_settings.channels == 2 ? 2048 : 1024;
  if (elements < frameElements) {
    FUZZ_CHECK(!frame.Convert(0, TimeDomain, &error) && !error.isEmpty());
    return;
  }
  FUZZ_CHECK(frame.Convert(elements - frameElements, TimeDomain, &error));
  CheckFrameValues(frame.Engine().ch1Trace, g_settings.bitsPerSample);
}

// The analysis reader on any file: it takes every file the program's reader
// took (`taken`, else null), with the same layout; a file it takes lies
// inside the input, and its last frames read as values of their width (only
// a float sample that is not a number may refuse them).
void AnalysisRead(const QString& path, std::size_t size, const WavLayout* taken) {
  const WavProbe probe = ProbeAnalysisWav(path);
  FUZZ_CHECK(probe.ok != !probe.reason.isEmpty());
  if (taken) FUZZ_CHECK(probe.ok && probe.layout.format == taken->format && probe.layout.dataOffset == taken->dataOffset &&
                        probe.layout.dataBytes == taken->dataBytes);
  if (!probe.ok) return;
  const WavLayout& layout = probe.layout;
  FUZZ_CHECK(layout.dataOffset + qint64(layout.dataBytes) <= qint64(size));
  const quint64 frames = layout.dataBytes / layout.format.blockAlign;
  const std::size_t count = std::min<quint64>(frames, 300);
  std::vector<int> every(layout.format.channels);
  std::iota(every.begin(), every.end(), 0);
  std::vector<std::vector<double>> samples;
  QString reason;
  const bool isFloat = HoldsFloatSamples(layout.format);
  if (!ReadAnalysisChannels(path, layout, frames - count, count, every, &samples, &reason)) {
    FUZZ_CHECK(isFloat && !reason.isEmpty());
    return;
  }
  const double top = std::ldexp(1.0, layout.format.bitsPerSample - 1);
  for (const auto& channel : samples) {
    FUZZ_CHECK(channel.size() == count);
    for (const double v : channel) FUZZ_CHECK(std::isfinite(v) && (isFloat || (v >= -top && v < top)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const QString path = ScratchPath(QStringLiteral("input.wav"));
  ResetGlobals();
  RecordingFrame frame;
  QString error;
  if (size >= 4 && std::memcmp(data, "RIFF", 4) == 0) {
    WriteScratch(path, data, size);
    const bool loaded = frame.Load(path, &error);
    FUZZ_CHECK(loaded == error.isEmpty());
    AnalysisRead(path, size, loaded ? &frame.Layout() : nullptr);
    if (!loaded) return 0;
    FUZZ_CHECK(frame.Layout().dataOffset + qint64(frame.Layout().dataBytes) <= qint64(size));
  } else {
    ByteReader in(data, size);
    const BuiltWav wav = BuildValidWav(in);
    WriteScratch(path, reinterpret_cast<const uint8_t*>(wav.file.constData()), std::size_t(wav.file.size()));
    FUZZ_CHECK(frame.Load(path, &error));
    const WavLayout& layout = frame.Layout();
    FUZZ_CHECK(layout.format == wav.format);
    FUZZ_CHECK(layout.dataOffset == wav.dataOffset);
    FUZZ_CHECK(layout.dataBytes == quint32(wav.samples.size()));
    QByteArray read(wav.samples.size(), '\0');
    FUZZ_CHECK(ReadWavBytes(path, layout, 0, std::span(reinterpret_cast<uint8_t*>(read.data()), read.size()), &error));
    FUZZ_CHECK(read == wav.samples);
    AnalysisRead(path, std::size_t(wav.file.size()), &layout);
  }
  // An accepted file goes one of the two ways, by the input's length: to
  // the CLI's frame, or opened in the program at 8 or 16 bits (so 8-bit
  // data is widened and 16-bit data narrowed). Each way reads the file again;
  // taking one keeps an input's file work small.
  switch (size % 3) {
    case 0: CliFrame(frame); break;
    case 1: OpenAndReplay(path, 8); break;
    default: OpenAndReplay(path, 16); break;
  }
  return 0;
}
