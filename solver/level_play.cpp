#include "solver/level_play.h"

#include "core/cave_start.h"
#include "core/demo.h"
#include "core/elements.h"
#include "core/game_flow.h"
#include "core/game_phases.h"

namespace quarrion {
namespace {

// Cover and uncover take 160 ticks; anything far beyond that means the level never got to play.
constexpr int kMaxTicksToPlay = 1000;

bool HoldsPlayer(uint8_t code) {
  switch (code) {
    case Player:
    case PlayerMoved:
    case InBox:
    case PlayerBirth1:
    case PlayerBirth2:
    case PlayerBirth3:
    case PlayerEnteringExit:
    case PlayerInExit:
      return true;
    default:
      return false;
  }
}

}  // namespace

LevelPlay::LevelPlay(const CaveSet& caves) : game_(std::make_unique<GameState>()) {
  game_->caves = caves;
  game_->caveSet.caveSetLoaded = 1;
  // no file name: nothing played here is ever written back
  game_->caveSet.caveSetFileName.clear();
}

LevelPlay::LevelPlay(const GameState& inPlay) : game_(std::make_unique<GameState>(inPlay)) {
  game_->caveSet.caveSetFileName.clear();
  game_->play.demoRecording = 0;
}

void LevelPlay::RunUntilPlay() {
  for (int tick = 0; tick < kMaxTicksToPlay && game_->play.inGame == 1; ++tick) {
    if (game_->play.phase == 0) return;
    time_.Tick(*game_, shell_);
  }
}

void LevelPlay::Start(int cave, int level) {
  game_->play.caveNo = uint8_t(cave);
  game_->play.levelNo = uint8_t(level);
  quarrion::Start(*game_, shell_);
  RunUntilPlay();
}

void LevelPlay::StartRecording(int cave, int level) {
  game_->play.caveNo = uint8_t(cave);
  game_->play.levelNo = uint8_t(level);
  RecordDemoCommand(*game_, shell_);
  RunUntilPlay();
}

void LevelPlay::StartDemo(int cave, int delayMs) {
  // title frames: only the idle counter and the clock's own phase move
  while (time_.NowMs() + time_.SpeedMs() <= delayMs) {
    game_->play.idleCounter = 24;
    time_.Tick(*game_, shell_);
  }
  game_->play.caveNo = uint8_t(cave);
  PlayDemoCommand(*game_, shell_);
  RunUntilPlay();
}

bool LevelPlay::Step(const KeyFlags& keys) {
  game_->keys = keys;
  // a pass runs in the tick that finds play at sub-frame 0; the ticks before it are plain frames
  for (int tick = 0; tick <= kTicksPerPass; ++tick) {
    if (game_->play.inGame != 1 || game_->play.phase != 0) return false;
    const bool passTick = game_->play.subFrame == 0;
    time_.Tick(*game_, shell_);
    if (passTick) {
      ++passes_;
      return true;
    }
  }
  return false;
}

bool LevelPlay::ExitReached() const {
  const PlayState& s = game_->play;
  if (s.phase == PhaseTimeBonus || s.phase == PhaseNextCaveWait) return true;
  if (!s.demoPlaying && !s.demoRecording && s.phase != PhaseDemoEnd) return false;
  // a demo ends at the exit without a time bonus: the player is found in it
  for (int x = 1; x <= kMapWidth; ++x)
    for (int y = 1; y <= kMapHeight; ++y) {
      const uint8_t code = game_->grids.playfield(x, y);
      if (code == PlayerInExit || code == PlayerEnteringExit) return true;
    }
  return false;
}

bool LevelPlay::PlayerLost() const {
  const GameState& g = *game_;
  if (g.play.dummyKilled || g.play.playerAlive == 0 || g.params.caveTime == 0) return true;
  // where the player was last seen is nearly always where it is: no look over the whole cave
  const int px = g.play.playerX + 1;
  const int py = g.play.playerY + 1;
  if (px >= 1 && px <= kMapWidth && py >= 1 && py <= kMapHeight && HoldsPlayer(g.grids.playfield(px, py)))
    return false;
  for (int x = 1; x <= kMapWidth; ++x)
    for (int y = 1; y <= kMapHeight; ++y)
      if (HoldsPlayer(g.grids.playfield(x, y))) return false;
  return true;
}

bool SolutionReachesExit(const CaveSet& caves, int cave, int level, const std::string& keys, long* passesPlayed) {
  LevelPlay play(caves);
  play.Start(cave, level);
  bool reached = false;
  for (char letter : keys) {
    KeyFlags flags;
    if (!KeyFlagsOf(letter, flags)) break;
    if (!play.Step(flags)) break;
    if (play.ExitReached()) {
      reached = true;
      break;
    }
    if (play.PlayerLost()) break;
  }
  if (passesPlayed) *passesPlayed = play.Passes();
  return reached;
}

}  // namespace quarrion
