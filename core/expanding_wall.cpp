#include "core/expanding_wall.h"

#include "core/elements.h"

namespace quarrion {
namespace {

// Walls grow only into space, never into dirt.
void GrowInto(GameState& game, int x, int y, uint8_t code, uint8_t motion) {
  uint8_t& cell = game.grids.playfield(x, y);
  if (cell != Space) return;
  cell = code;
  game.grids.motionMap(x, y) = motion;
  game.sounds.sndWall = 1;
}

}  // namespace

// the piece behind the scan takes the settled code, the piece ahead the transient one
void HExpandingWallVisit(GameState& game, int x, int y) {
  GrowInto(game, x - 1, y, HExpandingWall, 3);
  GrowInto(game, x + 1, y, HExpandingWallNew, 2);
}

void VExpandingWallVisit(GameState& game, int x, int y) {
  GrowInto(game, x, y - 1, VExpandingWall, 4);
  GrowInto(game, x, y + 1, VExpandingWallNew, 1);
}

}  // namespace quarrion
