// The cave generator's own random source: two bytes stepped by add-with-carry byte arithmetic,
// so the same seed always gives the same level on every machine.
#pragma once
#include <cstdint>

namespace quarrion {

// One step of the generator's random state; seed1 is the byte the generator compares with.
void NextRandom(uint8_t& seed1, uint8_t& seed2);

}  // namespace quarrion
