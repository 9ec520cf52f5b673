// Expanding walls: a horizontal wall grows into space left and right, a vertical one up and down,
// one cell per pass in each free direction. Reads and writes the two neighbours of (x, y).
#pragma once

#include "core/game_state.h"

namespace quarrion {

// An HExpandingWall at (x, y).
void HExpandingWallVisit(GameState& game, int x, int y);

// A VExpandingWall at (x, y).
void VExpandingWallVisit(GameState& game, int x, int y);

}  // namespace quarrion
