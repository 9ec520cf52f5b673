// Arbitrary bytes as a MIDI file whose playing time is measured: an answer, never a hang or an
// overread, however the track lengths and running status lie.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/sdl_audio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  (void)quarrion::MidiFileLengthMs(std::vector<uint8_t>(data, data + size));
  return 0;
}
