// Little-endian reading and writing of file images. The reader never runs past its bytes: a read
// that does not fit fails and leaves the cursor where it was.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarrion {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Offset() const { return pos_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }
  bool Has(std::size_t n) const { return n <= Remaining(); }

  bool U8(uint8_t& v) { return Little(v); }
  bool U16(uint16_t& v) { return Little(v); }
  bool U32(uint32_t& v) { return Little(v); }
  bool I8(int8_t& v) {
    uint8_t u = 0;
    if (!U8(u)) return false;
    v = int8_t(u);
    return true;
  }
  bool I16(int16_t& v) {
    uint16_t u = 0;
    if (!U16(u)) return false;
    v = int16_t(u);
    return true;
  }
  bool I32(int32_t& v) {
    uint32_t u = 0;
    if (!U32(u)) return false;
    v = int32_t(u);
    return true;
  }
  bool Peek(uint8_t& v) const {
    if (!Has(1)) return false;
    v = bytes_[pos_];
    return true;
  }
  // The next n bytes as a view into the reader's bytes.
  bool Take(std::size_t n, std::span<const uint8_t>& out) {
    if (!Has(n)) return false;
    out = bytes_.subspan(pos_, n);
    pos_ += n;
    return true;
  }
  bool Skip(std::size_t n) {
    if (!Has(n)) return false;
    pos_ += n;
    return true;
  }
  bool Seek(std::size_t offset) {
    if (offset > bytes_.size()) return false;
    pos_ = offset;
    return true;
  }
  // True and consumed when the next bytes spell text.
  bool Match(std::string_view text) {
    if (!Has(text.size())) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
      if (bytes_[pos_ + i] != uint8_t(text[i])) return false;
    pos_ += text.size();
    return true;
  }

 private:
  template <typename T>
  bool Little(T& v) {
    if (!Has(sizeof(T))) return false;
    uint64_t acc = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) acc |= uint64_t(bytes_[pos_ + i]) << (8 * i);
    v = T(acc);
    pos_ += sizeof(T);
    return true;
  }

  std::span<const uint8_t> bytes_;
  std::size_t pos_ = 0;
};

class ByteWriter {
 public:
  void U8(uint8_t v) { bytes_.push_back(v); }
  void U16(uint16_t v) { Little(v, 2); }
  void U32(uint32_t v) { Little(v, 4); }
  void I32(int32_t v) { Little(uint32_t(v), 4); }
  void Text(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
  void Bytes(std::span<const uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  // Overwrites four bytes written earlier, for sizes known only at the end.
  void PatchU32(std::size_t offset, uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) bytes_[offset + i] = uint8_t(v >> (8 * i));
  }

  std::size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::vector<uint8_t> Release() { return std::move(bytes_); }

 private:
  void Little(uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes_.push_back(uint8_t(v >> (8 * i)));
  }

  std::vector<uint8_t> bytes_;
};

}  // namespace quarrion
