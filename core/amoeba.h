// The amoeba: grows into space and dirt, turns into boulders when too big and into diamonds when
// enclosed. Reads the four neighbours of (x, y); writes (x, y) or the neighbour it grows into.
#pragma once

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

// An Amoeba at (x, y).
void AmoebaVisit(GameState& game, ShellHooks& shell, int x, int y);

}  // namespace quarrion
