// Arbitrary bytes as a PNG picture for packing: decoded or refused, never more than the size limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "app/media/bmp.h"
#include "app/media/png_file.h"
#include "fuzz/fuzz_target.h"

QUARRION_FUZZ_TARGET(QuarrionFuzzPng) {
  quarrion::Bitmap bitmap;
  if (!quarrion::DecodePngFile(std::span<const uint8_t>(data, size), bitmap)) return 0;
  if (int64_t(bitmap.width) * bitmap.height > quarrion::kMaxBitmapPixels ||
      bitmap.pixels.size() != std::size_t(bitmap.width) * std::size_t(bitmap.height))
    std::abort();
  (void)quarrion::EncodeBmpFile(bitmap);  // what packing does with it next
  return 0;
}
