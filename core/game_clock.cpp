#include "core/game_clock.h"

#include "core/demo.h"
#include "core/game_phases.h"

namespace quarrion {
namespace {

constexpr int kLowTimeSound = 23;
constexpr uint8_t kIdleLimit = 10;
constexpr uint8_t kLowTime = 10;

void CountMagicWall(GameState& game) {
  PlayState& s = game.play;
  uint8_t& left = game.params.magicWallTime;
  if (left == 0 || s.magicWallState != 1) return;  // a time of 0 never expires
  if (--left == 0) s.magicWallState = 2;
}

// Returns false while the amoeba still grows slowly: that ends the clock tick.
bool CountAmoebaSlowTime(GameState& game) {
  PlayState& s = game.play;
  uint8_t& left = game.params.amoebaSlowTime;
  if (left == 0 || !s.amoebaActive) return true;
  --left;
  return false;
}

void SwitchAmoebaToFast(GameState& game) {
  PlayState& s = game.play;
  if (game.params.amoebaSlowTime != 0 || s.amoebaFast) return;
  if (s.demoPlaying) return;  // the playback makes the switch at its recorded pass
  s.amoebaGrowthProb = game.params.amoebaFastProb;
  if (!s.demoRecording) return;
  // the clock runs in real time, so the recording keeps the pass at which the switch came
  const uint16_t frame = uint16_t(s.demoFrame);
  game.caves.DemoHeaderAt(s.caveNo, DemoAmoebaHighColumn) = uint8_t(frame >> 8);
  game.caves.DemoHeaderAt(s.caveNo, DemoAmoebaLowColumn) = uint8_t(frame & 0xFF);
  s.amoebaFast = 1;
}

}  // namespace

void GameClock(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (s.idleCounter > kIdleLimit) --s.idleCounter;
  // with sound on the end of the title tune starts the demos instead
  if (s.inGame == 0 && shell.IsMuted() && game.caveSet.caveSetLoaded && s.idleCounter <= kIdleLimit) {
    s.idleCounter = 24;
    StartAutomaticDemo(game, shell);
  }
  if (s.phase != PhasePlay || s.inGame != 1 || s.playerBorn != 1) return;

  uint8_t& caveTime = game.params.caveTime;
  if (caveTime == 1 && s.demoPlaying) EndDemoPlayback(game, shell);
  if (caveTime > 0 && --caveTime < kLowTime) shell.PlaySound(kLowTimeSound);
  CountMagicWall(game);
  if (!CountAmoebaSlowTime(game)) return;
  SwitchAmoebaToFast(game);
}

void TitleMusicEnded(GameState& game, ShellHooks& shell) {
  const PlayState& s = game.play;
  if (game.caveSet.caveSetLoaded && s.idleCounter <= kIdleLimit) {
    StartAutomaticDemo(game, shell);
    return;
  }
  shell.RestartMusic();
}

}  // namespace quarrion
