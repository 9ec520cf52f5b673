// The player's rules: the inbox with its delay, the birth stages, walking, digging, collecting,
// pushing and taking with the fire key, the idle animation, and entering the exit.
// Reads the key flags; writes the player's cell, its neighbour and the cell beyond a pushed boulder.
#pragma once

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

// An InBox at (x, y): counts the delay once per pass, then opens.
void InboxVisit(GameState& game, int x, int y);

// PlayerBirth1..3 at (x, y): one step towards the player.
void BirthVisit(GameState& game, int x, int y);

// The Player at (x, y), moved by the key flags.
void PlayerVisit(GameState& game, ShellHooks& shell, int x, int y);

// PlayerEnteringExit or PlayerInExit at (x, y): the cave (or the demo) is over.
void ExitVisit(GameState& game, ShellHooks& shell, int x, int y);

}  // namespace quarrion
