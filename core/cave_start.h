// The cave start turns one level of the cave set into a fresh game situation, and the cover and
// uncover steps that hide the old picture and reveal the new cave on the playfield.
#pragma once
#include <cstdint>

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

// Starts cave caveNo at level levelNo with the current score and lives; leaves phase 1 (cover)
// and the random state at 10. The playfield itself is not touched.
void CaveStart(GameState& game, ShellHooks& shell);

// Draws n cover tiles into each cave row at random columns.
void CoverStep(GameState& game, int n);
void CoverAll(GameState& game);
// Reveals one random cell of each cave row from the copied level.
void UncoverStep(GameState& game);
// Steel everywhere, then the whole level (only its 20 × 12 area for a small cave).
void FinishUncover(GameState& game);

// The graphics set of a cave: caves 0..15 cycle through eight looks, the small caves have the ninth.
uint8_t CaveStyleOf(int cave);

}  // namespace quarrion
