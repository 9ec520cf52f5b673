// Rolling: a boulder or diamond on a round object slides off to a side where both the side cell
// and the cell below it are empty. Reads the four cells beside and below-beside (x, y).
#pragma once

#include "core/elements.h"
#include "core/game_state.h"

namespace quarrion {

// Round objects let others roll off them: brick wall, boulder and diamond at rest.
inline bool IsRound(uint8_t code) { return code == BrickWall || code == Boulder || code == Diamond; }

// Rolls the object at (x, y) left, else right; false when neither side is free.
bool Roll(GameState& game, int x, int y, bool boulder);

}  // namespace quarrion
