// The road between caves: the cave order, lives, leaving to the title with the saved position,
// and the start, stop, replay (Esc), pause and next-cave commands as the keys and menus give them.
#pragma once
#include <cstdint>

#include "core/game_phases.h"
#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

// The cave that follows a cave: a small cave after every fourth one, then on around to cave 0.
uint8_t NextCaveInOrder(int cave);
// Steps to the next cave, and from the last small cave to cave 0 one level up (up to level 4).
void AdvanceCave(PlayState& s);

// Takes the title's cave, level, lives and score from the saved position in the cave set;
// ends any demo.
void ReturnToTitle(GameState& game);

// The start command: a new game unless the selected cave is the saved position with lives left.
void Start(GameState& game, ShellHooks& shell);
// The stop command: with one life left it is Esc; otherwise back to the title, one life less.
void Stop(GameState& game, ShellHooks& shell);
// The replay command: gives up the life in play, leaves a small cave, or ends the game.
void ESC(GameState& game, ShellHooks& shell);

// P: pauses play, or resumes a pause.
void PauseKey(GameState& game, ShellHooks& shell);
// H's part in the game: play is paused before the help shows.
void PauseForHelp(GameState& game, ShellHooks& shell);
// N: the next cave with a fresh score, or during a playback the next demo.
void NextCaveKey(GameState& game, ShellHooks& shell);

// The animation counters stand still from here; the frozen phases put these copies back each tick.
void FreezeAnimation(PlayState& s);
// Phase 6 with the next cave due at the next tick.
void EnterNextCaveWait(PlayState& s);

}  // namespace quarrion
