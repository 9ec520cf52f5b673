// The game step: one tick of the frame timer while a game runs. It advances the phase (cover,
// uncover, play with a pass every eighth tick, the frozen phases, the covers at the end), has the
// frame drawn, and plays the sounds the pass asked for.
#pragma once
#include <cstdint>

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

enum GamePhase : uint8_t {
  PhasePlay = 0,
  PhaseCover = 1,
  PhaseUncover = 2,
  PhasePause = 3,
  PhaseOutOfTime = 4,
  PhaseTimeBonus = 5,
  PhaseNextCaveWait = 6,
  PhaseGameOver = 7,
  PhaseDemoEnd = 8,
};

constexpr int kCoverTicks = 80;
constexpr int kGameOverTicks = 100;
constexpr int kDemoEndTicks = 114;
constexpr int kTicksPerPass = 8;

// One tick of a running game.
void Game(GameState& game, ShellHooks& shell);

// The sound items the pass's event bytes select, in their fixed order; the variant draws are made
// whether or not the shell is muted, so muting never changes the game.
void PlayPassSounds(GameState& game, ShellHooks& shell);

}  // namespace quarrion
