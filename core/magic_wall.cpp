#include "core/magic_wall.h"

#include "core/elements.h"
#include "core/falling_object.h"

namespace quarrion {
namespace {

constexpr int kMagicWallSound = 20;
constexpr uint8_t kDormant = 0;
constexpr uint8_t kActive = 1;

void Swallow(GameState& game, int x, int y, bool boulder) {
  game.grids.playfield(x, y) = Space;
  game.grids.motionMap(x, y + 1) = boulder ? 1 : 2;
}

}  // namespace

void EnterMagicWall(GameState& game, int x, int y, bool boulder) {
  PlayState& s = game.play;
  game.sounds.sndFall = boulder ? 1 : 2;
  const bool waking = s.magicWallState == kDormant;
  if (waking) s.magicWallState = kActive;

  if (s.magicWallState == kActive) {
    if (game.grids.playfield(x, y + 2) == Space) {
      game.grids.playfield(x, y) = Space;
      game.grids.playfield(x, y + 2) = FallingMovedCode(!boulder);
      game.grids.motionMap(x, y + 2) = 5;
    } else {
      Swallow(game, x, y, boulder);
    }
  } else {
    // an expired wall only destroys, with the other fall sound
    game.sounds.sndFall = boulder ? 2 : 1;
    Swallow(game, x, y, boulder);
  }

  // waking the wall while the amoeba still grows slowly turns the amoeba into diamonds
  if (waking && game.params.amoebaSlowTime > 0 && s.amoebaActive == 1) s.amoebaToDiamonds = 1;
}

void MagicWallVisit(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (s.magicWallState != kActive || s.magicWallSoundOn) return;
  s.magicWallSoundOn = 1;
  shell.PlayLoopedSound(kMagicWallSound);
}

}  // namespace quarrion
