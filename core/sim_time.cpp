#include "core/sim_time.h"

#include <algorithm>

#include "core/game_clock.h"
#include "core/game_phases.h"

namespace quarrion {

void FrameTick(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (s.extraLifeFlash > 0) --s.extraLifeFlash;
  if (s.inGame == 1) Game(game, shell);
}

SimTime::SimTime(int speedMs) : speedMs_(std::max(speedMs, 1)), nextClockMs_(kClockTickMs) {}

void SimTime::Tick(GameState& game, ShellHooks& shell) {
  nowMs_ += speedMs_;
  // a clock tick due at the same millisecond as the frame comes first
  while (nextClockMs_ <= nowMs_) {
    GameClock(game, shell);
    ++clockTicks_;
    nextClockMs_ += kClockTickMs;
  }
  FrameTick(game, shell);
  ++frames_;
}

}  // namespace quarrion
