#include "core/key_letters.h"

namespace quarrion {

bool KeyFlagsOf(char letter, KeyFlags& keys) {
  keys = KeyFlags{};
  switch (letter) {
    case '.': return true;
    case 'U': keys.keyUp = 1; return true;
    case 'D': keys.keyDown = 1; return true;
    case 'L': keys.keyLeft = 1; return true;
    case 'R': keys.keyRight = 1; return true;
    case 'u': keys.keyUp = keys.keyFire = 1; return true;
    case 'd': keys.keyDown = keys.keyFire = 1; return true;
    case 'l': keys.keyLeft = keys.keyFire = 1; return true;
    case 'r': keys.keyRight = keys.keyFire = 1; return true;
    case 'F': keys.keyFire = 1; return true;
    default: return false;
  }
}

}  // namespace quarrion
