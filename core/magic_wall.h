// The magic wall: once woken by a falling object it turns boulders into diamonds and back, until
// its time runs out on the cave clock; then it swallows what falls in. All magic walls share one state.
#pragma once

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

// A falling object at (x, y) enters the magic wall at (x, y + 1); it may come out at (x, y + 2).
void EnterMagicWall(GameState& game, int x, int y, bool boulder);

// The scan's visit of a magic wall cell: starts the looped hum of an active wall.
void MagicWallVisit(GameState& game, ShellHooks& shell);

}  // namespace quarrion
