// RIFF WAVE sound files. Decoding takes PCM with 8 or 16 bits per sample, mono or stereo, at any
// rate from 1000 to 384000 Hz (also inside the extensible format header); encoding writes PCM
// in the wave's own 8 or 16 bits.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/media/media_types.h"

namespace quarrion {

bool DecodeWav(std::span<const uint8_t> bytes, Wave& out, std::string* error = nullptr);
// 8-bit output for a wave of 8 bits, 16-bit for everything else.
std::vector<uint8_t> EncodeWav(const Wave& wave);

}  // namespace quarrion
