// Arbitrary bytes as a WAV file: decoded or refused; what decodes must encode again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "app/media/wav.h"
#include "fuzz/fuzz_target.h"

QUARRION_FUZZ_TARGET(QuarrionFuzzWav) {
  quarrion::Wave wave;
  if (quarrion::DecodeWav(std::span<const uint8_t>(data, size), wave)) (void)quarrion::EncodeWav(wave);
  return 0;
}
