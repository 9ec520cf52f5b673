#include "tools/media_gen/png.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/safe_file.h"

namespace quarrion::art {
namespace {

void Big32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  Big32(out, uint32_t(data.size()));
  std::vector<uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  Big32(out, Crc32(body));
}

}  // namespace

uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t crc) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (const uint8_t b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t Adler32(std::span<const uint8_t> bytes) {
  uint32_t a = 1, b = 0;
  for (const uint8_t v : bytes) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

std::vector<uint8_t> EncodePng(const Bitmap& bitmap) { return EncodePngWithAlpha(bitmap, false); }

std::vector<uint8_t> EncodePngWithAlpha(const Bitmap& bitmap, bool magentaClear) {
  const uint32_t w = uint32_t(bitmap.width), h = uint32_t(bitmap.height);
  const uint32_t channels = magentaClear ? 4 : 3;
  std::vector<uint8_t> raw;
  raw.reserve(std::size_t(h) * (1 + channels * w));
  for (uint32_t y = 0; y < h; ++y) {
    raw.push_back(0);  // no filter
    for (uint32_t x = 0; x < w; ++x) {
      const uint32_t c = bitmap.pixels[std::size_t(y) * w + x];
      const bool clear = magentaClear && c == kMagenta;
      raw.push_back(clear ? 0 : uint8_t(c >> 16));
      raw.push_back(clear ? 0 : uint8_t(c >> 8));
      raw.push_back(clear ? 0 : uint8_t(c));
      if (magentaClear) raw.push_back(clear ? 0 : 255);
    }
  }
  std::vector<uint8_t> zlib = {0x78, 0x01};
  for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    zlib.push_back(at + n >= raw.size() ? 1 : 0);  // last block flag, stored
    zlib.push_back(uint8_t(n));
    zlib.push_back(uint8_t(n >> 8));
    zlib.push_back(uint8_t(~n));
    zlib.push_back(uint8_t(~n >> 8));
    zlib.insert(zlib.end(), raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + n));
    if (raw.empty()) break;
  }
  Big32(zlib, Adler32(raw));
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  Big32(header, w);
  Big32(header, h);
  // 8 bits, RGB or RGBA, deflate, no filter, no interlace
  header.insert(header.end(), {8, uint8_t(magentaClear ? 6 : 2), 0, 0, 0});
  Chunk(out, "IHDR", header);
  Chunk(out, "IDAT", zlib);
  Chunk(out, "IEND", {});
  return out;
}

bool WritePng(const std::string& path, const Bitmap& bitmap, bool magentaClear) {
  const std::vector<uint8_t> bytes = EncodePngWithAlpha(bitmap, magentaClear);
  return bool(WriteFileSafely(path, std::span<const uint8_t>(bytes)));
}

}  // namespace quarrion::art
