#include "app/media/property_stream.h"

#include <algorithm>
#include <cctype>

namespace quarrion {
namespace {

constexpr std::size_t kMaxResourceName = 63;

const char* TagName(ValueTag tag) {
  switch (tag) {
    case ValueTag::Null: return "end of list";
    case ValueTag::List: return "list";
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32: return "integer";
    case ValueTag::String:
    case ValueTag::LString: return "string";
    case ValueTag::Ident: return "identifier";
    case ValueTag::False:
    case ValueTag::True: return "boolean";
    case ValueTag::Binary: return "binary";
    case ValueTag::Collection: return "collection";
  }
  return "unknown";
}

bool IsKnownTag(uint8_t v) {
  switch (ValueTag(v)) {
    case ValueTag::Null:
    case ValueTag::List:
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32:
    case ValueTag::String:
    case ValueTag::Ident:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Binary:
    case ValueTag::LString:
    case ValueTag::Collection: return true;
  }
  return false;
}

}  // namespace

bool PropertyReader::Fail(std::string message) {
  if (error_.empty()) error_ = "at byte " + std::to_string(in_.Offset()) + ": " + std::move(message);
  return false;
}

bool PropertyReader::Truncated(std::string_view what) {
  return Fail("the file ends inside " + std::string(what));
}

bool PropertyReader::ReadResourceHeader() {
  if (Failed()) return false;
  uint8_t marker = 0;
  uint16_t type = 0;
  if (!in_.U8(marker) || marker != 255) return Fail("not a pack file (the first byte is not 255)");
  if (!in_.U16(type)) return Truncated("the resource header");
  if (type != kResourceType) return Fail("not a pack file (resource type " + std::to_string(type) + ", not 10)");
  uint8_t c = 1;
  while (c != 0)
    if (!in_.U8(c)) return Truncated("the resource name");
  uint16_t flags = 0;
  uint32_t size = 0;
  // the size is not needed: the stream runs to its own end markers
  if (!in_.U16(flags) || !in_.U32(size)) return Truncated("the resource header");
  return true;
}

bool PropertyReader::ReadSignature() {
  if (Failed()) return false;
  if (!in_.Match(kStreamSignature)) return Fail("the property stream does not begin with \"TPF0\"");
  return true;
}

bool PropertyReader::ReadShortString(std::string& text) {
  if (Failed()) return false;
  uint8_t length = 0;
  std::span<const uint8_t> chars;
  if (!in_.U8(length) || !in_.Take(length, chars)) return Truncated("a short string");
  text.assign(chars.begin(), chars.end());
  return true;
}

bool PropertyReader::EndOfList() {
  uint8_t next = 1;
  if (Failed() || !in_.Peek(next) || next != 0) return false;
  in_.Skip(1);
  return true;
}

bool PropertyReader::PeekTag(ValueTag& tag) {
  if (Failed()) return false;
  uint8_t v = 0;
  if (!in_.Peek(v)) return Truncated("a value");
  if (!IsKnownTag(v)) return Fail("unknown value tag " + std::to_string(v));
  tag = ValueTag(v);
  return true;
}

bool PropertyReader::ReadTag(ValueTag& tag) {
  if (!PeekTag(tag)) return false;
  in_.Skip(1);
  return true;
}

bool PropertyReader::ReadInteger(std::string_view property, int32_t& value) {
  ValueTag tag{};
  if (!ReadTag(tag)) return false;
  bool ok = true;
  if (tag == ValueTag::Int8) {
    int8_t v = 0;
    ok = in_.I8(v);
    value = v;
  } else if (tag == ValueTag::Int16) {
    int16_t v = 0;
    ok = in_.I16(v);
    value = v;
  } else if (tag == ValueTag::Int32) {
    ok = in_.I32(value);
  } else {
    return Fail("\"" + std::string(property) + "\" needs an integer, not a " + TagName(tag));
  }
  return ok || Truncated("an integer");
}

bool PropertyReader::ReadBoolean(std::string_view property, bool& value) {
  ValueTag tag{};
  if (!ReadTag(tag)) return false;
  if (tag != ValueTag::True && tag != ValueTag::False)
    return Fail("\"" + std::string(property) + "\" needs true or false, not a " + TagName(tag));
  value = tag == ValueTag::True;
  return true;
}

bool PropertyReader::ReadString(std::string_view property, std::string& value) {
  ValueTag tag{};
  if (!ReadTag(tag)) return false;
  if (tag == ValueTag::String) return ReadShortString(value);
  if (tag != ValueTag::LString)
    return Fail("\"" + std::string(property) + "\" needs a string, not a " + TagName(tag));
  uint32_t length = 0;
  std::span<const uint8_t> chars;
  if (!in_.U32(length) || !in_.Take(length, chars)) return Truncated("a long string");
  value.assign(chars.begin(), chars.end());
  return true;
}

bool PropertyReader::ReadIdent(std::string_view property, std::string& value) {
  ValueTag tag{};
  if (!ReadTag(tag)) return false;
  if (tag != ValueTag::Ident)
    return Fail("\"" + std::string(property) + "\" needs an identifier, not a " + TagName(tag));
  return ReadShortString(value);
}

bool PropertyReader::ReadBinary(std::string_view property, std::span<const uint8_t>& value) {
  ValueTag tag{};
  if (!ReadTag(tag)) return false;
  if (tag != ValueTag::Binary)
    return Fail("\"" + std::string(property) + "\" needs binary data, not a " + TagName(tag));
  uint32_t length = 0;
  if (!in_.U32(length)) return Truncated("a binary length");
  if (!in_.Take(length, value))
    return Fail("binary \"" + std::string(property) + "\" claims " + std::to_string(length) +
                " bytes, more than the file holds");
  return true;
}

void PropertyWriter::BeginResource(std::string_view name) {
  out_.U8(255);
  out_.U16(kResourceType);
  std::string upper(name.substr(0, std::min(name.size(), kMaxResourceName)));
  for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
  out_.Text(upper);
  out_.U8(0);
  out_.U16(kResourceFlags);
  sizeField_ = out_.Size();
  out_.U32(0);
}

void PropertyWriter::EndResource() { out_.PatchU32(sizeField_, uint32_t(out_.Size() - sizeField_ - 4)); }

void PropertyWriter::Signature() { out_.Text(kStreamSignature); }

void PropertyWriter::ShortString(std::string_view text) {
  const std::string_view cut = text.substr(0, std::min<std::size_t>(text.size(), 255));
  out_.U8(uint8_t(cut.size()));
  out_.Text(cut);
}

void PropertyWriter::Integer(std::string_view property, int32_t value) {
  ShortString(property);
  // the smallest tag that holds the value
  if (value >= -128 && value <= 127) {
    Tag(ValueTag::Int8);
    out_.U8(uint8_t(int8_t(value)));
  } else if (value >= -32768 && value <= 32767) {
    Tag(ValueTag::Int16);
    out_.U16(uint16_t(int16_t(value)));
  } else {
    Tag(ValueTag::Int32);
    out_.I32(value);
  }
}

void PropertyWriter::Boolean(std::string_view property, bool value) {
  ShortString(property);
  Tag(value ? ValueTag::True : ValueTag::False);
}

void PropertyWriter::String(std::string_view property, std::string_view value) {
  ShortString(property);
  if (value.size() <= 255) {
    Tag(ValueTag::String);
    ShortString(value);
  } else {
    Tag(ValueTag::LString);
    out_.U32(uint32_t(value.size()));
    out_.Text(value);
  }
}

void PropertyWriter::Ident(std::string_view property, std::string_view value) {
  ShortString(property);
  Tag(ValueTag::Ident);
  ShortString(value);
}

void PropertyWriter::Binary(std::string_view property, std::span<const uint8_t> value) {
  ShortString(property);
  Tag(ValueTag::Binary);
  out_.U32(uint32_t(value.size()));
  out_.Bytes(value);
}

void PropertyWriter::BeginCollection(std::string_view property) {
  ShortString(property);
  Tag(ValueTag::Collection);
}

}  // namespace quarrion
