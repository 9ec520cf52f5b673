// RIFF WAVE sound files. Decoding takes PCM with 8, 16, 24 or 32 bits per sample, 32 or 64-bit
// float, A-law and u-law, mono or stereo, at any rate from 1000 to 384000 Hz (also inside the
// extensible format header); all but 8-bit PCM become 16-bit samples. Encoding writes PCM in the
// wave's own 8 or 16 bits.
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
