#include "editor/next_random.h"

namespace quarrion {

void NextRandom(uint8_t& seed1, uint8_t& seed2) {
  // both halves are taken from the state before the step
  const unsigned t1 = (seed1 & 1u) * 128u;
  const unsigned t2 = seed2 / 2u;

  unsigned s = seed2 + (seed2 & 1u) * 128u;
  unsigned carry = s > 255u ? 1u : 0u;
  s &= 255u;

  s = s + carry + 19u;
  carry = s > 255u ? 1u : 0u;
  seed2 = uint8_t(s & 255u);

  s = seed1 + carry + t1;
  carry = s > 255u ? 1u : 0u;
  s &= 255u;

  s = s + carry + t2;
  seed1 = uint8_t(s & 255u);
}

}  // namespace quarrion
