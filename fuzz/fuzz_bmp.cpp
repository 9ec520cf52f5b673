// Arbitrary bytes as a BMP file and as a bare picture after its file header: decoded or refused,
// never an overread or an allocation without bound; what decodes must encode again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "app/media/bmp.h"
#include "fuzz/fuzz_target.h"

QUARRION_FUZZ_TARGET(QuarrionFuzzBmp) {
  const std::span<const uint8_t> bytes(data, size);
  quarrion::Bitmap bitmap;
  if (quarrion::DecodeBmpFile(bytes, bitmap)) (void)quarrion::EncodeBmpFile(bitmap);
  quarrion::Bitmap dib;
  std::size_t used = 0;
  (void)quarrion::DecodeDib(bytes, dib, used);
  return 0;
}
