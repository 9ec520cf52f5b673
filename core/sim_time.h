// Simulated time for headless runs: a frame tick every Speed milliseconds and a cave clock tick
// every 1250 milliseconds of the same simulated time, so a run repeats exactly.
#pragma once
#include <cstdint>

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

constexpr int kDefaultSpeedMs = 14;

// The frame tick as the window's frame timer gives it, without drawing a title: the extra-life
// flash counts down, and a running game takes its step.
void FrameTick(GameState& game, ShellHooks& shell);

class SimTime {
 public:
  // A speed of 0 (as fast as the timer goes) is simulated as 1 ms, so the clock still advances.
  explicit SimTime(int speedMs = kDefaultSpeedMs);

  // Moves time on to the next frame tick: the clock ticks due until then come first, in order.
  void Tick(GameState& game, ShellHooks& shell);

  int SpeedMs() const { return speedMs_; }
  int64_t NowMs() const { return nowMs_; }
  int64_t Frames() const { return frames_; }
  int64_t ClockTicks() const { return clockTicks_; }

 private:
  int speedMs_;
  int64_t nowMs_ = 0;
  int64_t nextClockMs_;
  int64_t frames_ = 0;
  int64_t clockTicks_ = 0;
};

}  // namespace quarrion
