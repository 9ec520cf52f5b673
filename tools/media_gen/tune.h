// The title tune as a standard MIDI file, written by our own MIDI writer.
#pragma once
#include <cstdint>
#include <vector>

namespace quarrion::art {

std::vector<uint8_t> ComposeTitleTune();

}  // namespace quarrion::art
