#pragma once

// The chunk walk every WAV reader shares: the RIFF header, the first "fmt "
// chunk and the first "data" chunk after it. The file is untrusted: every
// size is checked against the real file size before it is used. Each step
// returns the reason for the user, or an empty string when it went well.

#include "files/WavFile.h"

#include <QBuffer>
#include <QFile>
#include <QString>

#include <cstdint>
#include <memory>

// The subformat GUIDs of WAVE_FORMAT_EXTENSIBLE: the plain format tag in the
// first two bytes, then this fixed tail.
inline constexpr uint8_t kSubformatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                               0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
inline constexpr uint16_t kTagPcm = 1;
inline constexpr uint16_t kTagFloat = 3;
inline constexpr uint16_t kTagExtensible = 0xFFFE;

class WaveChunks {
 public:
  // Opens `path` (regular files only; or `memory`, the file read whole
  // from the stream `path` names), checks that it is a RIFF WAVE file,
  // finds its first "fmt " chunk of at least 16 bytes (the chunks before it
  // are skipped) and reads the format record from it.
  QString OpenToFormat(const QString& path, WaveFormat* stored, std::shared_ptr<const QByteArray> memory = {});

  // The format tag of the EXTENSIBLE subformat GUID (offset 24 of a 40-byte
  // format chunk); 0 when the GUID is not one of the plain formats'.
  QString ReadSubformatTag(uint16_t* tag);

  // Finds the first "data" chunk after the format chunk; LIST, fact etc. are
  // skipped.
  QString FindData();

  // The file taken with `format` (normalised by the caller). Of data that runs
  // to the end of the file whole frames only: a streaming writer's placeholder
  // size silently, any other size with a note.
  WavProbe Accept(const QString& path, const WaveFormat& format) const;

 private:
  struct Chunk {
    qint64 body = 0;  // offset of the chunk's contents
    quint32 size = 0;
    bool toTheEnd = false;  // the stored size passed the end of the file: the chunk runs to it
    quint32 storedSize = 0;
  };
  enum class Search { Found, Missing, Truncated, ReadError };

  Search FindChunk(qint64 pos, const char* id, Chunk* found);
  QString SearchReason(Search search, const QString& missing) const;
  bool ReadAt(qint64 offset, void* buffer, qint64 count);

  QFile file_;
  QBuffer buffer_;
  QIODevice* device_ = &file_;
  std::shared_ptr<const QByteArray> memory_;
  qint64 fileSize_ = 0;
  Chunk fmt_;
  Chunk data_;
};

// Why a stored sample rate cannot be taken for frames of `frameBytes`: 0,
// above INT32_MAX, or a byte rate past 32 bits. Empty when it can.
QString SampleRateRefusal(uint32_t rate, uint32_t frameBytes);

// The reason for a chunk whose size passes the end of the file.
QString TruncatedWavReason();
