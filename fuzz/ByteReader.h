#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Takes values from a fuzzer's input in order; past its end every value is 0,
// so any input describes something.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  uint16_t U16() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  uint32_t U32() { return U16() | static_cast<uint32_t>(U16()) << 16; }
  QByteArray Bytes(std::size_t count) {
    QByteArray out(static_cast<qsizetype>(count), '\0');
    for (std::size_t i = 0; i < count && pos_ < size_; ++i) out[static_cast<qsizetype>(i)] = static_cast<char>(data_[pos_++]);
    return out;
  }
  std::size_t Remaining() const { return size_ - pos_; }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};
