// One pass of play: every playfield cell in reading order is handed to its element's rule, in place,
// then the pass's end steps run (amoeba verdict, magic wall clock, sounds into the sound event bytes).
#pragma once

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

// Runs one pass over the playfield with the current key flags.
void CaveScan(GameState& game, ShellHooks& shell);

}  // namespace quarrion
