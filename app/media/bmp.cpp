#include "app/media/bmp.h"

#include <algorithm>
#include <array>
#include <bit>

#include "app/media/byte_io.h"

namespace quarrion {
namespace {

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kCoreHeaderBytes = 12;  // the old OS/2 header: 16-bit sides, 3-byte colours

struct DibHeader {
  uint32_t headerSize = 0;
  int width = 0;
  int height = 0;
  bool topDown = false;
  uint16_t bits = 0;
  uint32_t compression = kRgb;
  uint32_t sizeImage = 0;
  std::array<uint32_t, 3> masks{};
  std::array<uint32_t, 256> palette{};  // 0xRRGGBB; indexes past the stored table stay black
};

bool Fail(std::string* error, const std::string& message) {
  if (error != nullptr) *error = "picture: " + message;
  return false;
}

// Scales the bits of one mask to 0..255.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint64_t max = 0;

  explicit Channel(uint32_t m) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    max = (uint64_t(1) << std::bit_width(m >> shift)) - 1;
  }
  uint32_t Of(uint32_t pixel) const {
    if (max == 0) return 0;
    const uint64_t v = (pixel & mask) >> shift;
    return uint32_t((v * 255 + max / 2) / max);
  }
};

// pixelStart, when given, is where the pixels begin: an implied full colour table is cut there,
// as writers of small tables rely on.
bool ReadDibHeader(ByteReader& in, DibHeader& h, std::string* error, std::size_t pixelStart = 0) {
  const std::size_t start = in.Offset();
  if (!in.U32(h.headerSize)) return Fail(error, "the info header is cut short");
  const bool core = h.headerSize == kCoreHeaderBytes;
  if (!core && h.headerSize != 40 && h.headerSize != 52 && h.headerSize != 56 && h.headerSize != 108 &&
      h.headerSize != 124)
    return Fail(error, "unsupported info header of " + std::to_string(h.headerSize) + " bytes");
  if (!in.Has(h.headerSize - 4)) return Fail(error, "the info header is cut short");
  int64_t width = 0;
  int64_t height = 0;
  uint16_t planes = 0;
  uint32_t colorsUsed = 0;
  if (core) {
    uint16_t w = 0;
    uint16_t hh = 0;
    in.U16(w);
    in.U16(hh);
    width = w;
    height = hh;
    in.U16(planes);
    in.U16(h.bits);
  } else {
    int32_t w = 0;
    int32_t hh = 0;
    uint32_t unused = 0;
    in.I32(w);
    in.I32(hh);
    width = w;
    height = hh;
    in.U16(planes);
    in.U16(h.bits);
    in.U32(h.compression);
    in.U32(h.sizeImage);
    in.U32(unused);  // pixels per metre, across and down
    in.U32(unused);
    in.U32(colorsUsed);
    in.U32(unused);  // important colours
    if (h.headerSize >= 52) {
      in.U32(h.masks[0]);
      in.U32(h.masks[1]);
      in.U32(h.masks[2]);
    }
  }
  in.Seek(start + h.headerSize);
  if (height < 0) {
    h.topDown = true;
    height = -height;
  }
  if (width <= 0 || height <= 0) return Fail(error, "the picture has no pixels");
  if (width > kMaxBitmapSide || height > kMaxBitmapSide || width * height > kMaxBitmapPixels)
    return Fail(error, "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
  h.width = int(width);
  h.height = int(height);

  const uint16_t b = h.bits;
  switch (h.compression) {
    case kRgb:
      if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
        return Fail(error, "unsupported depth of " + std::to_string(b) + " bits");
      if (core && b == 16) return Fail(error, "unsupported depth of 16 bits in an old header");
      if (b == 16) h.masks = {0x7C00, 0x03E0, 0x001F};
      if (b == 32) h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
      break;
    case kRle8:
    case kRle4:
      if (b != (h.compression == kRle8 ? 8 : 4)) return Fail(error, "run-length coding does not fit the depth");
      break;
    case kBitFields:
    case kAlphaBitFields:
      if (b != 16 && b != 32) return Fail(error, "bit fields need 16 or 32 bits per pixel");
      if (h.headerSize == 40) {
        // the masks follow a short header; the alpha mask, when there is one, is not used
        if (!in.U32(h.masks[0]) || !in.U32(h.masks[1]) || !in.U32(h.masks[2]))
          return Fail(error, "the colour masks are cut short");
        if (h.compression == kAlphaBitFields && !in.Skip(4)) return Fail(error, "the colour masks are cut short");
      }
      break;
    default: return Fail(error, "unsupported compression " + std::to_string(h.compression));
  }
  (void)planes;  // some writers leave it 0; nothing depends on it

  // a colour table sits here for the indexed depths and, optionally, for the others too
  uint64_t entries = colorsUsed;
  if (entries == 0 && b <= 8) entries = uint64_t(1) << b;
  const std::size_t entryBytes = core ? 3 : 4;
  if (colorsUsed == 0 && pixelStart > in.Offset())
    entries = std::min<uint64_t>(entries, (pixelStart - in.Offset()) / entryBytes);
  if (entries > in.Remaining() / entryBytes) return Fail(error, "the colour table is cut short");
  for (uint64_t i = 0; i < entries; ++i) {
    uint8_t blue = 0, green = 0, red = 0;
    in.U8(blue);
    in.U8(green);
    in.U8(red);
    if (!core) in.Skip(1);
    if (i < h.palette.size()) h.palette[std::size_t(i)] = uint32_t(red) << 16 | uint32_t(green) << 8 | blue;
  }
  return true;
}

uint64_t RowBytes(const DibHeader& h) { return (uint64_t(h.width) * h.bits + 31) / 32 * 4; }

// Bytes the pixels need when stored uncompressed; the last row may lack its padding.
uint64_t UncompressedBytes(const DibHeader& h) {
  return RowBytes(h) * uint64_t(h.height - 1) + (uint64_t(h.width) * h.bits + 7) / 8;
}

void DecodeUncompressed(const DibHeader& h, std::span<const uint8_t> bits, Bitmap& out) {
  const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
  const std::size_t stride = std::size_t(RowBytes(h));
  for (int row = 0; row < h.height; ++row) {
    const uint8_t* src = bits.data() + std::size_t(row) * stride;
    const int y = h.topDown ? row : h.height - 1 - row;
    uint32_t* dst = out.pixels.data() + std::size_t(y) * std::size_t(h.width);
    for (int x = 0; x < h.width; ++x) {
      const std::size_t ux = std::size_t(x);
      switch (h.bits) {
        case 1: dst[x] = h.palette[(src[ux / 8] >> (7 - ux % 8)) & 1]; break;
        case 4: dst[x] = h.palette[(src[ux / 2] >> (ux % 2 ? 0 : 4)) & 15]; break;
        case 8: dst[x] = h.palette[src[ux]]; break;
        case 16: {
          const uint32_t v = uint32_t(src[2 * ux]) | uint32_t(src[2 * ux + 1]) << 8;
          dst[x] = red.Of(v) << 16 | green.Of(v) << 8 | blue.Of(v);
          break;
        }
        case 24: dst[x] = uint32_t(src[3 * ux + 2]) << 16 | uint32_t(src[3 * ux + 1]) << 8 | src[3 * ux]; break;
        default: {
          const uint8_t* p = src + 4 * ux;
          const uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
          dst[x] = red.Of(v) << 16 | green.Of(v) << 8 | blue.Of(v);
        }
      }
    }
  }
}

// Run-length coded pixels, RLE8 or RLE4: pixels a code does not reach keep colour 0, runs past
// the right edge are clipped, and the data may end without its end-of-bitmap code.
void DecodeRunLength(const DibHeader& h, std::span<const uint8_t> bits, Bitmap& out) {
  const bool four = h.compression == kRle4;
  ByteReader in(bits);
  int x = 0;
  int row = 0;
  // x and row saturate at the edges, so no amount of input can overflow them
  auto put = [&](uint8_t index) {
    if (x >= h.width) return;
    const int y = h.topDown ? row : h.height - 1 - row;
    out.pixels[std::size_t(y) * std::size_t(h.width) + std::size_t(x)] = h.palette[index];
    ++x;
  };
  uint8_t count = 0, value = 0;
  while (row < h.height && in.U8(count) && in.U8(value)) {
    if (count > 0) {
      for (int i = 0; i < count && x < h.width; ++i)
        put(four ? uint8_t(i % 2 ? value & 15 : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++row;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // move right and down
      uint8_t dx = 0, dy = 0;
      if (!in.U8(dx) || !in.U8(dy)) break;
      x = std::min(x + dx, h.width);
      row = std::min(row + dy, h.height);
    } else {  // literal pixels, padded to a 16-bit boundary
      const std::size_t bytes = four ? (std::size_t(value) + 3) / 4 * 2 : (std::size_t(value) + 1) / 2 * 2;
      std::span<const uint8_t> literal;
      if (!in.Take(std::min(bytes, in.Remaining()), literal)) break;
      for (std::size_t i = 0; i < value; ++i) {
        const std::size_t at = four ? i / 2 : i;
        if (at >= literal.size()) break;
        put(four ? uint8_t(i % 2 ? literal[at] & 15 : literal[at] >> 4) : literal[at]);
      }
    }
  }
}

bool DecodePixels(const DibHeader& h, std::span<const uint8_t> bits, Bitmap& out, std::string* error) {
  const bool runLength = h.compression == kRle8 || h.compression == kRle4;
  if (runLength) {
    // a few bytes of codes can claim a huge picture; real coders stay far below this ratio
    const int64_t pixels = int64_t(h.width) * h.height;
    if (pixels > std::max<int64_t>(65536, int64_t(bits.size()) * 1024))
      return Fail(error, "the run-length data is too short for the picture size");
  } else if (UncompressedBytes(h) > bits.size()) {
    return Fail(error, "the pixel data is cut short");
  }
  Bitmap decoded;
  decoded.width = h.width;
  decoded.height = h.height;
  decoded.pixels.assign(std::size_t(h.width) * std::size_t(h.height), runLength ? h.palette[0] : 0);
  if (runLength)
    DecodeRunLength(h, bits, decoded);
  else
    DecodeUncompressed(h, bits, decoded);
  out = std::move(decoded);
  return true;
}

}  // namespace

bool DecodeBmpFile(std::span<const uint8_t> bytes, Bitmap& out, std::string* error) {
  ByteReader in(bytes);
  uint32_t fileSize = 0, reserved = 0, pixelOffset = 0;
  if (!in.Match("BM")) return Fail(error, "not a BMP file (no \"BM\")");
  if (!in.U32(fileSize) || !in.U32(reserved) || !in.U32(pixelOffset)) return Fail(error, "the file header is cut short");
  DibHeader h;
  if (!ReadDibHeader(in, h, error, pixelOffset)) return false;
  std::size_t start = in.Offset();
  if (pixelOffset != 0) {
    if (pixelOffset < kFileHeaderBytes + h.headerSize || pixelOffset > bytes.size())
      return Fail(error, "the pixel offset " + std::to_string(pixelOffset) + " lies outside the file");
    start = pixelOffset;
  }
  std::span<const uint8_t> bits = bytes.subspan(start);
  if (h.compression == kRle8 || h.compression == kRle4)
    if (h.sizeImage != 0 && h.sizeImage < bits.size()) bits = bits.first(h.sizeImage);
  return DecodePixels(h, bits, out, error);
}

bool DecodeDib(std::span<const uint8_t> bytes, Bitmap& out, std::size_t& used, std::string* error) {
  ByteReader in(bytes);
  DibHeader h;
  if (!ReadDibHeader(in, h, error)) return false;
  const bool runLength = h.compression == kRle8 || h.compression == kRle4;
  uint64_t size = h.sizeImage;
  if (size == 0 && runLength) size = in.Remaining();
  if (size == 0) {
    // whole rows, unless only the padding of the last one is missing
    size = RowBytes(h) * uint64_t(h.height);
    if (size > in.Remaining() && UncompressedBytes(h) <= in.Remaining()) size = in.Remaining();
  }
  if (size > in.Remaining()) return Fail(error, "the image size " + std::to_string(size) + " runs past the data");
  std::span<const uint8_t> bits;
  in.Take(std::size_t(size), bits);
  if (!DecodePixels(h, bits, out, error)) return false;
  used = in.Offset();
  return true;
}

std::vector<uint8_t> EncodeBmpFile(const Bitmap& bitmap) {
  const uint32_t w = uint32_t(std::max(0, bitmap.width));
  const uint32_t h = uint32_t(std::max(0, bitmap.height));
  const uint32_t stride = (w * 3 + 3) / 4 * 4;
  const uint32_t pixelBytes = stride * h;
  ByteWriter out;
  out.Text("BM");
  out.U32(uint32_t(kFileHeaderBytes) + 40 + pixelBytes);
  out.U32(0);
  out.U32(uint32_t(kFileHeaderBytes) + 40);
  out.U32(40);
  out.I32(int32_t(w));
  out.I32(int32_t(h));
  out.U16(1);
  out.U16(24);
  out.U32(kRgb);
  out.U32(pixelBytes);
  out.U32(2835);  // 72 dots per inch
  out.U32(2835);
  out.U32(0);
  out.U32(0);
  for (uint32_t row = 0; row < h; ++row) {
    const uint32_t y = h - 1 - row;  // bottom-up
    for (uint32_t x = 0; x < w; ++x) {
      const std::size_t at = std::size_t(y) * w + x;
      const uint32_t rgb = at < bitmap.pixels.size() ? bitmap.pixels[at] : 0;
      out.U8(uint8_t(rgb));
      out.U8(uint8_t(rgb >> 8));
      out.U8(uint8_t(rgb >> 16));
    }
    for (uint32_t pad = w * 3; pad < stride; ++pad) out.U8(0);
  }
  return out.Release();
}

}  // namespace quarrion
