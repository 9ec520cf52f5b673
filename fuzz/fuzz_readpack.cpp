// Feeds arbitrary bytes to the pack reader as both list kinds: it must refuse or accept, never
// crash, overread or allocate without bound.
#include <cstddef>
#include <cstdint>
#include <span>

#include "app/media/pack_bytes.h"
#include "fuzz/fuzz_target.h"

QUARRION_FUZZ_TARGET(QuarrionFuzzReadPack) {
  const std::span<const uint8_t> bytes(data, size);
  quarrion::ImageListData images;
  quarrion::ParseImagePack(bytes, images);
  quarrion::SoundListData sounds;
  quarrion::ParseSoundPack(bytes, sounds);
  // what was read must write again
  if (!images.items.empty()) (void)quarrion::BuildImagePack(images);
  if (!sounds.items.empty()) (void)quarrion::BuildSoundPack(sounds);
  return 0;
}
