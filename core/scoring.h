// The scoring of one collected diamond: its value, extra lives every 500 points and the hi-score
// kept in the cave set's record row.
#pragma once

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

// Counts one diamond for the player (taken, walked onto, or caught by a player dummy).
void CollectDiamond(GameState& game, ShellHooks& shell);

}  // namespace quarrion
