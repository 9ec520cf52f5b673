// Arbitrary bytes as a WAV file: decoded or refused; what decodes must encode again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "app/media/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quarrion::Wave wave;
  if (quarrion::DecodeWav(std::span<const uint8_t>(data, size), wave)) (void)quarrion::EncodeWav(wave);
  return 0;
}
