// Files as everyday tools export them, for tests: PNGs written by libpng's own writer (so the
// reader is checked against the reference encoder rather than against ours), and WAVs in the
// codings sound editors use.
#pragma once
#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "app/media/byte_io.h"

namespace quarrion::testing_support {

// An image in libpng's simplified format (PNG_FORMAT_RGB, _RGBA, _GRAY, or a colour-mapped one
// with its colour map) as a PNG file; empty when libpng refuses it.
inline std::vector<uint8_t> PngOf(int width, int height, uint32_t format, const std::vector<uint8_t>& pixels,
                                  const std::vector<uint8_t>& colormap = {}) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(width);
  image.height = png_uint_32(height);
  image.format = format;
  image.colormap_entries = png_uint_32(colormap.size() / 3);
  png_alloc_size_t size = 0;
  const void* map = colormap.empty() ? nullptr : colormap.data();
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, map)) return {};
  std::vector<uint8_t> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, map)) return {};
  bytes.resize(size);
  return bytes;
}

// A WAV file of 16-bit-range sample values written as 24-bit PCM, or as 32-bit float when flt.
inline std::vector<uint8_t> ExportedWav(bool flt, uint16_t channels, const std::vector<int>& values) {
  const uint16_t bits = flt ? 32 : 24;
  ByteWriter data;
  for (const int v : values) {
    if (flt) {
      const float f = float(v) / 32767.0f;
      uint32_t raw = 0;
      std::memcpy(&raw, &f, 4);
      data.U32(raw);
    } else {
      const uint32_t wide = uint32_t(v) << 8;  // the top sixteen bits carry the value
      data.U8(uint8_t(wide));
      data.U8(uint8_t(wide >> 8));
      data.U8(uint8_t(wide >> 16));
    }
  }
  const std::vector<uint8_t> samples = data.Release();
  ByteWriter out;
  out.Text("RIFF");
  out.U32(uint32_t(36 + samples.size()));
  out.Text("WAVE");
  out.Text("fmt ");
  out.U32(16);
  out.U16(flt ? 3 : 1);
  out.U16(channels);
  out.U32(48000);
  out.U32(48000u * channels * bits / 8);
  out.U16(uint16_t(channels * bits / 8));
  out.U16(bits);
  out.Text("data");
  out.U32(uint32_t(samples.size()));
  out.Bytes(samples);
  return out.Release();
}

}  // namespace quarrion::testing_support
