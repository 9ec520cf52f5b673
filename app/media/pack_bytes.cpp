#include "app/media/pack_bytes.h"

#include <array>
#include <utility>

#include "app/media/bmp.h"
#include "app/media/property_stream.h"
#include "app/media/wav.h"

namespace quarrion {
namespace {

constexpr std::size_t kColorTableBytes = 1024;

struct NamedColor {
  std::string_view name;
  uint32_t rgb;
};

// The named TColor values; TColor itself stores blue in the high byte, these are 0xRRGGBB.
constexpr std::array<NamedColor, 20> kNamedColors{{
    {"clBlack", 0x000000},     {"clMaroon", 0x800000},   {"clGreen", 0x008000}, {"clOlive", 0x808000},
    {"clNavy", 0x000080},      {"clPurple", 0x800080},   {"clTeal", 0x008080},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},    {"clRed", 0xFF0000},      {"clLime", 0x00FF00},  {"clYellow", 0xFFFF00},
    {"clBlue", 0x0000FF},      {"clFuchsia", 0xFF00FF},  {"clAqua", 0x00FFFF}, {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xA6CAF0}, {"clCream", 0xFFFBF0}, {"clMedGray", 0xA0A0A4},
}};

uint32_t SwapRedBlue(uint32_t c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

void BeginStream(PropertyWriter& w, std::string_view resource, std::string_view cls) {
  w.BeginResource(resource);
  w.Signature();
  w.ShortString(cls);
  w.ShortString("");  // the object has no name
}

void EndStream(PropertyWriter& w) {
  w.EndOfList();  // end of the properties
  w.EndOfList();  // no child objects
  w.EndResource();
}

bool BeginRead(PropertyReader& r, std::string_view cls, const char* kind) {
  std::string className, objectName;
  if (!r.ReadResourceHeader() || !r.ReadSignature() || !r.ReadShortString(className) ||
      !r.ReadShortString(objectName))
    return false;
  if (className != cls)
    return r.Fail("the pack holds a \"" + className + "\", not " + kind + " (\"" + std::string(cls) + "\")");
  return true;
}

// True at the 0 that ends a list; fails when the bytes end first.
bool AtListEnd(PropertyReader& r, const char* what) {
  if (r.EndOfList()) return true;
  if (!r.Failed() && r.AtEnd()) r.Fail(std::string("the file ends inside ") + what);
  return false;
}

bool EndRead(PropertyReader& r) {
  if (r.Failed()) return false;
  if (r.AtEnd()) return r.Fail("the file ends before the list of child objects");
  if (!r.EndOfList()) return r.Fail("child objects are not allowed in a pack");
  return true;  // anything after the stream's end is not part of it
}

// Reads the collection value of "List", calling readItem for the properties of each entry.
template <typename Item, typename ReadItemProperty>
bool ReadCollection(PropertyReader& r, std::vector<Item>& items, ReadItemProperty readProperty) {
  ValueTag tag{};
  if (!r.ReadTag(tag)) return false;
  if (tag != ValueTag::Collection) return r.Fail("\"List\" needs a collection");
  items.clear();  // a second "List" replaces the first, as a property set twice would
  while (!AtListEnd(r, "the list of items")) {
    if (r.Failed()) return false;
    if (!r.ReadTag(tag)) return false;
    if (tag != ValueTag::List) return r.Fail("item " + std::to_string(items.size()) + " does not begin with a list tag");
    Item item;
    std::string property;
    while (!AtListEnd(r, "an item")) {
      if (r.Failed() || !r.ReadShortString(property)) return false;
      if (!readProperty(property, item)) return false;
    }
    if (r.Failed()) return false;
    items.push_back(std::move(item));
  }
  return !r.Failed();
}

bool DecodePicture(std::span<const uint8_t> data, Bitmap& bitmap, std::string& error) {
  ByteReader in(data);
  uint8_t length = 0;
  std::span<const uint8_t> kindChars;
  if (!in.U8(length) || !in.Take(length, kindChars)) {
    error = "picture: the kind name is cut short";
    return false;
  }
  const std::string kind(kindChars.begin(), kindChars.end());
  bitmap = Bitmap{};
  bool ok = true;
  if (kind.empty()) {
    // no picture
  } else if (kind == "TBitmap") {
    uint32_t size = 0;
    std::span<const uint8_t> file;
    if (!in.U32(size) || !in.Take(size, file)) {
      error = "picture: the bitmap length runs past the data";
      return false;
    }
    ok = size == 0 || DecodeBmpFile(file, bitmap, &error);  // a zero length is an empty bitmap
  } else if (kind == "TDIB") {
    // no length prefix: the block ends where its header says
    std::span<const uint8_t> rest;
    in.Take(in.Remaining(), rest);
    std::size_t used = 0;
    ok = DecodeDib(rest, bitmap, used, &error);
    if (ok) in.Seek(in.Offset() - (rest.size() - used));
  } else {
    error = "picture: unsupported kind \"" + kind + "\" (TBitmap or TDIB only)";
    return false;
  }
  if (ok && !in.AtEnd()) {
    error = "picture: " + std::to_string(in.Remaining()) + " bytes follow the picture";
    ok = false;
  }
  return ok;
}

std::vector<uint8_t> PictureData(const Bitmap& bitmap) {
  const std::vector<uint8_t> file = EncodeBmpFile(bitmap);
  ByteWriter out;
  out.U8(7);
  out.Text("TBitmap");
  out.U32(uint32_t(file.size()));
  out.Bytes(file);
  return out.Release();
}

bool ReadImageProperty(PropertyReader& r, const std::string& p, ImageItem& item, std::size_t index) {
  if (p == "Name") return r.ReadString(p, item.name);
  if (p == "PatternHeight") return r.ReadInteger(p, item.patternHeight);
  if (p == "PatternWidth") return r.ReadInteger(p, item.patternWidth);
  if (p == "SkipHeight") return r.ReadInteger(p, item.skipHeight);
  if (p == "SkipWidth") return r.ReadInteger(p, item.skipWidth);
  if (p == "SystemMemory") return r.ReadBoolean(p, item.systemMemory);
  if (p == "Transparent") return r.ReadBoolean(p, item.transparent);
  if (p == "Picture.Data") {
    std::span<const uint8_t> data;
    std::string error;
    if (!r.ReadBinary(p, data)) return false;
    if (!DecodePicture(data, item.bitmap, error)) return r.Fail("item " + std::to_string(index) + ": " + error);
    return true;
  }
  if (p == "TransparentColor") {
    ValueTag tag{};
    if (!r.PeekTag(tag)) return false;
    if (tag == ValueTag::Ident) {
      std::string name;
      if (!r.ReadIdent(p, name)) return false;
      if (!ColorOfName(name, item.transparentColor)) return r.Fail("unknown colour name \"" + name + "\"");
      return true;
    }
    int32_t color = 0;
    if (!r.ReadInteger(p, color)) return false;
    // the high byte marks system and palette colours; the low three bytes are the colour
    item.transparentColor = SwapRedBlue(uint32_t(color) & 0xFFFFFF);
    return true;
  }
  return r.Fail("\"" + p + "\" is not a property of an image item");
}

bool ReadSoundProperty(PropertyReader& r, const std::string& p, SoundItem& item, std::size_t index) {
  if (p == "Name") return r.ReadString(p, item.name);
  if (p == "Looped") return r.ReadBoolean(p, item.looped);
  if (p == "MaxPlayingCount") return r.ReadInteger(p, item.maxPlayingCount);
  if (p == "Wave.WAVE") {
    std::span<const uint8_t> data;
    std::string error;
    if (!r.ReadBinary(p, data)) return false;
    item.wave = Wave{};
    if (!data.empty() && !DecodeWav(data, item.wave, &error))
      return r.Fail("item " + std::to_string(index) + ": " + error);
    return true;
  }
  return r.Fail("\"" + p + "\" is not a property of a sound item");
}

}  // namespace

std::string_view ColorName(uint32_t rgb) {
  for (const NamedColor& c : kNamedColors)
    if (c.rgb == rgb) return c.name;
  return {};
}

bool ColorOfName(std::string_view name, uint32_t& rgb) {
  for (const NamedColor& c : kNamedColors)
    if (c.name == name) {
      rgb = c.rgb;
      return true;
    }
  return false;
}

bool ParseImagePack(std::span<const uint8_t> bytes, ImageListData& list, std::string* error) {
  list = ImageListData{};
  PropertyReader r(bytes);
  bool ok = BeginRead(r, kImageListClass, "an image list");
  std::string property;
  while (ok && !AtListEnd(r, "the list properties")) {
    if (r.Failed() || !r.ReadShortString(property)) break;
    if (property == "List.ColorTable") {
      std::span<const uint8_t> table;
      if (!r.ReadBinary(property, table)) break;
      if (table.size() != kColorTableBytes) {
        r.Fail("the colour table holds " + std::to_string(table.size()) + " bytes, not 1024");
        break;
      }
      for (std::size_t i = 0; i < list.colorTable.size(); ++i)
        list.colorTable[i] = uint32_t(table[4 * i]) | uint32_t(table[4 * i + 1]) << 8 |
                             uint32_t(table[4 * i + 2]) << 16 | uint32_t(table[4 * i + 3]) << 24;
    } else if (property == "List") {
      auto read = [&](const std::string& p, ImageItem& item) {
        return ReadImageProperty(r, p, item, list.items.size());
      };
      if (!ReadCollection(r, list.items, read)) break;
    } else {
      r.Fail("\"" + property + "\" is not a property of an image list");
    }
  }
  ok = EndRead(r);
  if (!ok && error != nullptr) *error = r.Error();
  return ok;
}

bool ParseSoundPack(std::span<const uint8_t> bytes, SoundListData& list, std::string* error) {
  list = SoundListData{};
  PropertyReader r(bytes);
  bool ok = BeginRead(r, kSoundListClass, "a sound list");
  std::string property;
  while (ok && !AtListEnd(r, "the list properties")) {
    if (r.Failed() || !r.ReadShortString(property)) break;
    if (property == "List") {
      auto read = [&](const std::string& p, SoundItem& item) {
        return ReadSoundProperty(r, p, item, list.items.size());
      };
      if (!ReadCollection(r, list.items, read)) break;
    } else {
      r.Fail("\"" + property + "\" is not a property of a sound list");
    }
  }
  ok = EndRead(r);
  if (!ok && error != nullptr) *error = r.Error();
  return ok;
}

std::vector<uint8_t> BuildImagePack(const ImageListData& list) {
  PropertyWriter w;
  BeginStream(w, kImageResourceName, kImageListClass);
  ByteWriter table;
  for (const uint32_t entry : list.colorTable) table.U32(entry);
  w.Binary("List.ColorTable", table.Bytes());
  w.BeginCollection("List");
  for (const ImageItem& item : list.items) {
    w.Tag(ValueTag::List);
    if (!item.name.empty()) w.String("Name", item.name);
    w.Integer("PatternHeight", item.patternHeight);
    w.Integer("PatternWidth", item.patternWidth);
    if (!item.bitmap.Empty()) w.Binary("Picture.Data", PictureData(item.bitmap));
    if (item.skipHeight != 0) w.Integer("SkipHeight", item.skipHeight);
    if (item.skipWidth != 0) w.Integer("SkipWidth", item.skipWidth);
    w.Boolean("SystemMemory", item.systemMemory);
    w.Boolean("Transparent", item.transparent);
    const std::string_view name = ColorName(item.transparentColor & 0xFFFFFF);
    if (!name.empty())
      w.Ident("TransparentColor", name);
    else
      w.Integer("TransparentColor", int32_t(SwapRedBlue(item.transparentColor & 0xFFFFFF)));
    w.EndOfList();
  }
  w.EndOfList();  // end of the collection
  EndStream(w);
  return w.Release();
}

std::vector<uint8_t> BuildSoundPack(const SoundListData& list) {
  PropertyWriter w;
  BeginStream(w, kSoundResourceName, kSoundListClass);
  w.BeginCollection("List");
  for (const SoundItem& item : list.items) {
    w.Tag(ValueTag::List);
    if (!item.name.empty()) w.String("Name", item.name);
    w.Boolean("Looped", item.looped);
    w.Integer("MaxPlayingCount", item.maxPlayingCount);
    const std::vector<uint8_t> wave = item.wave.Empty() ? std::vector<uint8_t>{} : EncodeWav(item.wave);
    w.Binary("Wave.WAVE", wave);
    w.EndOfList();
  }
  w.EndOfList();
  EndStream(w);
  return w.Release();
}

}  // namespace quarrion
