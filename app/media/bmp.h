// Windows bitmaps: complete BMP files and bare device-independent bitmap blocks (info header,
// colour table, pixel bits). Decoding takes 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed,
// RLE8, RLE4 and bit fields, bottom-up or top-down; encoding writes 24-bit uncompressed files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/media/media_types.h"

namespace quarrion {

// Largest picture a decode will produce, so that a header cannot ask for absurd memory.
constexpr int kMaxBitmapSide = 16384;
constexpr int64_t kMaxBitmapPixels = int64_t(1) << 24;

// A complete BMP file, beginning with "BM".
bool DecodeBmpFile(std::span<const uint8_t> bytes, Bitmap& out, std::string* error = nullptr);
// A DIB block with the pixel bits right after its colour table; used is set to the bytes it spans.
bool DecodeDib(std::span<const uint8_t> bytes, Bitmap& out, std::size_t& used, std::string* error = nullptr);

// A 24-bit bottom-up BMP file of the picture.
std::vector<uint8_t> EncodeBmpFile(const Bitmap& bitmap);

}  // namespace quarrion
