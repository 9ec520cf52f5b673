// The 24 sounds of the sound pack, synthesized: 16-bit mono PCM at 22050 Hz, each scaled to a
// peak below full scale; items 13 and 20 are whole cycles of their tones so they loop seamlessly.
#pragma once
#include <vector>

#include "app/media/media_types.h"

namespace quarrion::art {

constexpr int kSoundRate = 22050;
constexpr int kSoundItems = 24;

std::vector<Wave> SynthesizeSounds();

}  // namespace quarrion::art
