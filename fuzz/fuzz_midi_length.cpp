// Arbitrary bytes as a MIDI file whose playing time is measured: an answer, never a hang or an
// overread, however the track lengths and running status lie.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/sdl_audio.h"
#include "fuzz/fuzz_target.h"

QUARRION_FUZZ_TARGET(QuarrionFuzzMidiLength) {
  (void)quarrion::MidiFileLengthMs(std::vector<uint8_t>(data, data + size));
  return 0;
}
