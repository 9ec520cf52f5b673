// A minimal PNG writer for looking at the generated media and for the program's icons: 8-bit RGB
// or RGBA, stored (uncompressed) deflate blocks, with its own CRC-32 and Adler-32.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/media/media_types.h"

namespace quarrion::art {

uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t crc = 0);
uint32_t Adler32(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodePng(const Bitmap& bitmap);
// With magentaClear, RGBA in which magenta pixels are fully transparent (for icons).
std::vector<uint8_t> EncodePngWithAlpha(const Bitmap& bitmap, bool magentaClear);
bool WritePng(const std::string& path, const Bitmap& bitmap, bool magentaClear = false);

}  // namespace quarrion::art
