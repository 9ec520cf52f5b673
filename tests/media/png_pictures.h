// PNG files for tests, written by libpng's own writer so the reader is checked against the
// reference encoder rather than against ours.
#pragma once
#include <png.h>

#include <cstdint>
#include <vector>

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

}  // namespace quarrion::testing_support
