#include "core/rolling.h"

#include "core/elements.h"
#include "core/falling_object.h"

namespace quarrion {

bool Roll(GameState& game, int x, int y, bool boulder) {
  const Grid& field = game.grids.playfield;
  // left is tried first: objects drift left on a symmetric pile; the left cell was visited
  // already, so it takes the settled code
  if (field(x - 1, y) == Space && field(x - 1, y + 1) == Space) {
    MoveObject(game, boulder, x, y, x - 1, y, FallingCode(boulder), 3);
    return true;
  }
  if (field(x + 1, y) == Space && field(x + 1, y + 1) == Space) {
    MoveObject(game, boulder, x, y, x + 1, y, FallingMovedCode(boulder), 2);
    return true;
  }
  return false;
}

}  // namespace quarrion
