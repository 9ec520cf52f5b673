// Fireflies and butterflies: each explodes when it touches the player, a player dummy or amoeba,
// else it follows a wall one cell per pass. Reads the four neighbours of (x, y), writes one of them.
#pragma once

#include "core/game_state.h"

namespace quarrion {

// A firefly (12..15) or butterfly (18..21) at (x, y).
void CreatureVisit(GameState& game, int x, int y);

}  // namespace quarrion
