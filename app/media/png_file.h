// PNG pictures, as painting programs export them, for packing: decoded by libpng into 0xRRGGBB
// pixels. A pixel less than half opaque becomes magenta, the colour a pack draws as transparent.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "app/media/media_types.h"

namespace quarrion {

// Any PNG variant (palette, grey, 16 bits, interlaced, with alpha); a picture larger than
// kMaxBitmapSide or kMaxBitmapPixels, or any damage, fails with a reason.
bool DecodePngFile(std::span<const uint8_t> bytes, Bitmap& out, std::string* error = nullptr);

}  // namespace quarrion
