#include "core/slime.h"

#include "core/elements.h"
#include "core/falling_object.h"

namespace quarrion {

bool PassSlime(GameState& game, int x, int y, bool boulder) {
  // the draw is made every pass, also when nothing could come out below: demos count on it
  const bool seeps = game.random.Chance(game.params.slimePermeability);
  if (!seeps) return false;
  if (game.grids.playfield(x, y + 2) != Space) return false;
  MoveObject(game, boulder, x, y, x, y + 2, FallingMovedCode(boulder), 9);
  game.sounds.sndOoze = 2;
  return true;
}

}  // namespace quarrion
