#pragma once

#include "files/WaveFormat.h"
#include "settings/OutputFile.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

// Where the samples of a checked WAV file are.
struct WavLayout {
  // The file's format, normalised: PCM (an EXTENSIBLE file with a PCM
  // subformat gets formatTag 1), extraSize 0, and blockAlign/avgBytesPerSec
  // recomputed from channels, bits and rate rather than taken from the file.
  WaveFormat format;
  qint64 dataOffset = 0;  // file offset of the first sample byte
  quint32 dataBytes = 0;  // size of the data chunk
  // The whole file, when it was read from a stream (a pipe, standard input)
  // into memory; the samples are then read from here, not from the path.
  std::shared_ptr<const QByteArray> memory;
};

struct WavProbe {
  bool ok = false;
  QString reason;  // one line for the user when !ok
  QString note;    // one line for the user when the file was taken with a repair, else empty
  WavLayout layout;
};

// Checks a WAV file and finds its format and data without reading the samples.
// Accepted: 8- or 16-bit PCM (plain or EXTENSIBLE), one or two channels. Every
// chunk before the data must lie inside the file; a data chunk of 0 bytes is
// accepted, and one whose size passes the end of the file holds the whole
// frames up to that end: a streaming writer's placeholder size (0xFFFFFFFF
// or 0x7FFFF000) silently, any other size with a `note`.
// Anything but a regular file is refused before it is opened. With
// `memory`, the file is those bytes (read whole from a stream named `path`).
WavProbe ProbeWavFile(const QString& path, std::shared_ptr<const QByteArray> memory = {});

// Streams the data chunk of a probed file to `sink` in pieces of at most
// `pieceBytes`; stops and returns false (with reason) on a read error or when
// sink returns false.
bool ReadWavData(const QString& path, const WavLayout& layout,
                 const std::function<bool(const uint8_t* data, std::size_t count)>& sink,
                 QString* reason, std::size_t pieceBytes = 1 << 20);

// Streams `count` bytes from byte `offset` of the data chunk of a probed
// file to `sink`, in pieces of `pieceBytes` (the last may be shorter); false
// (with reason) when the range passes the data chunk, on a read error or when
// sink returns false.
bool ReadWavRange(const QString& path, const WavLayout& layout, quint64 offset, quint64 count,
                  const std::function<bool(const uint8_t* data, std::size_t count)>& sink, QString* reason,
                  std::size_t pieceBytes);

// Reads the bytes `out` holds from byte `offset` of the data chunk of a
// probed file, nothing else: one frame of a huge file costs one frame. False
// with `reason` when the range passes the data chunk or reading fails.
bool ReadWavBytes(const QString& path, const WavLayout& layout, quint64 offset, std::span<uint8_t> out,
                  QString* reason);

// Writes "RIFF" <38+n+pad> "WAVE" "fmt " <18> <format> "data" <n> <samples>
// [zero pad byte when n is odd], the samples being the pieces in order (their
// total is n), through WriteOutputFile with `options`. False with `error` set
// ("Error creating file", the file and the reason) when the file cannot be
// created or written, or n is too large for the 32-bit RIFF size.
bool WriteWavFile(const QString& path, const WaveFormat& format,
                  std::span<const std::span<const uint8_t>> pieces, QString* error,
                  const OutputOptions& options = {});

// The same for data held in one block.
bool WriteWavFile(const QString& path, const WaveFormat& format,
                  std::span<const uint8_t> data, QString* error, const OutputOptions& options = {});
