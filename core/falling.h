// Boulders and diamonds at rest and falling: they start to fall into space, roll off round things,
// seep through slime, land, crush creatures and the player, and meet the magic wall.
// Reads the cells below and beside (x, y); writes the object's cell and the one it moves to.
#pragma once

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

// A Boulder or Diamond at rest at (x, y).
void ObjectAtRest(GameState& game, int x, int y);

// A BoulderFalling or DiamondFalling at (x, y).
void FallingObject(GameState& game, ShellHooks& shell, int x, int y);

// A BoulderPushedRight at (x, y): settles, and drops at once after a walking push over space.
void SettlePushedBoulder(GameState& game, int x, int y);

}  // namespace quarrion
