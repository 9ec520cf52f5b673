// Slime passage: a boulder or diamond above slime seeps to the cell two below with chance
// 1/SlimePermeability. Reads (x, y + 2), writes (x, y) and (x, y + 2).
#pragma once

#include "core/game_state.h"

namespace quarrion {

// The object at (x, y) stands on slime; true when it passed through.
bool PassSlime(GameState& game, int x, int y, bool boulder);

}  // namespace quarrion
