// The tagged property stream a pack holds behind its resource header: short strings, value tags
// and the values they announce. Reading checks every tag against what the caller expects.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/media/byte_io.h"

namespace quarrion {

enum class ValueTag : uint8_t {
  Null = 0,  // end of a list
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  String = 6,
  Ident = 7,
  False = 8,
  True = 9,
  Binary = 10,
  LString = 12,
  Collection = 14,
};

constexpr uint16_t kResourceType = 10;
constexpr uint16_t kResourceFlags = 0x1030;
constexpr std::string_view kStreamSignature = "TPF0";

// Reads one stream; the first failure keeps its message, later calls fail with it unchanged.
class PropertyReader {
 public:
  explicit PropertyReader(std::span<const uint8_t> bytes) : in_(bytes) {}

  // The resource header: 255, type 10, a zero-ended name, flags and size (neither checked).
  bool ReadResourceHeader();
  bool ReadSignature();
  bool ReadShortString(std::string& text);
  // True and consumed when the next byte is 0 (the end of a list of properties or items).
  bool EndOfList();
  bool ReadTag(ValueTag& tag);
  bool PeekTag(ValueTag& tag);

  // Typed values: each reads its tag first and fails when the tag does not fit.
  bool ReadInteger(std::string_view property, int32_t& value);
  bool ReadBoolean(std::string_view property, bool& value);
  bool ReadString(std::string_view property, std::string& value);
  bool ReadIdent(std::string_view property, std::string& value);
  bool ReadBinary(std::string_view property, std::span<const uint8_t>& value);

  bool Fail(std::string message);
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }
  std::size_t Offset() const { return in_.Offset(); }
  bool AtEnd() const { return in_.AtEnd(); }

 private:
  bool Truncated(std::string_view what);

  ByteReader in_;
  std::string error_;
};

// Writes one stream into a byte buffer; sizes are filled in when the stream is finished.
class PropertyWriter {
 public:
  // The resource name goes in upper case and is cut to 63 characters.
  void BeginResource(std::string_view name);
  void EndResource();  // fills in the size of the stream after the header

  void Signature();
  void ShortString(std::string_view text);  // cut to 255 characters
  void Tag(ValueTag tag) { out_.U8(uint8_t(tag)); }
  void EndOfList() { out_.U8(0); }

  // Each property: its name, then a tagged value.
  void Integer(std::string_view property, int32_t value);
  void Boolean(std::string_view property, bool value);
  void String(std::string_view property, std::string_view value);
  void Ident(std::string_view property, std::string_view value);
  void Binary(std::string_view property, std::span<const uint8_t> value);
  void BeginCollection(std::string_view property);

  std::vector<uint8_t> Release() { return out_.Release(); }

 private:
  ByteWriter out_;
  std::size_t sizeField_ = 0;
};

}  // namespace quarrion
