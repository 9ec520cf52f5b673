// The cave clock: every 1250 ms it counts the cave time, the magic wall's time and the amoeba's
// slow-growth time down, and on an idle, muted title it starts the demo chain.
#pragma once

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

constexpr int kClockTickMs = 1250;

// One tick of the cave clock. It counts only in play once the player is born.
void GameClock(GameState& game, ShellHooks& shell);

// The title tune has played to its end: the demo chain starts when the title was left alone,
// otherwise the tune plays again.
void TitleMusicEnded(GameState& game, ShellHooks& shell);

}  // namespace quarrion
