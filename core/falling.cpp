#include "core/falling.h"

#include "core/elements.h"
#include "core/falling_object.h"
#include "core/magic_wall.h"
#include "core/rolling.h"
#include "core/scoring.h"
#include "core/slime.h"

namespace quarrion {
namespace {

bool IsFirefly(uint8_t code) { return code >= FireflyLeft && code <= FireflyDown; }
bool IsButterfly(uint8_t code) { return code >= ButterflyDownMoved && code <= ButterflyRight; }

// What a falling object comes to rest on. Codes neither listed here nor handled by a rule of
// their own (transient codes, other falling objects, unknown codes) make it wait in the air.
bool StopsFall(uint8_t code) {
  switch (code) {
    case Dirt:
    case OutBox:
    case OutBoxOpen:
    case 6:
    case SteelWall:
    case HExpandingWall:
    case Amoeba:
    case InBox:
    case PlayerBirth1:
    case PlayerBirth2:
    case PlayerBirth3:
    case VExpandingWall: return true;
    default: return code >= ExplodeToSpace && code <= DiamondExplosion4;
  }
}

void LandingSound(GameState& game, bool boulder) { game.sounds.sndFall = boulder ? 3 : 1; }

void ComeToRest(GameState& game, int x, int y, bool boulder) {
  game.grids.playfield(x, y) = RestingCode(boulder);
  LandingSound(game, boulder);
}

}  // namespace

void ObjectAtRest(GameState& game, int x, int y) {
  const bool boulder = game.grids.playfield(x, y) == Boulder;
  const uint8_t below = game.grids.playfield(x, y + 1);
  if (below == Space) {
    MoveObject(game, boulder, x, y, x, y + 1, FallingMovedCode(boulder), 1);
    game.sounds.sndFall = boulder ? 2 : 1;
    return;
  }
  if (IsRound(below)) {
    // a resting object that cannot roll stays quietly where it is
    if (Roll(game, x, y, boulder)) game.sounds.sndFall = boulder ? 2 : 1;
    return;
  }
  if (below == Slime) PassSlime(game, x, y, boulder);
}

void FallingObject(GameState& game, ShellHooks& shell, int x, int y) {
  Grid& field = game.grids.playfield;
  const bool boulder = field(x, y) == BoulderFalling;
  uint8_t& below = field(x, y + 1);

  if (below == Space) {
    MoveObject(game, boulder, x, y, x, y + 1, FallingMovedCode(boulder), 1);
    return;
  }
  if (IsRound(below)) {
    LandingSound(game, boulder);
    if (!Roll(game, x, y, boulder)) field(x, y) = RestingCode(boulder);
    return;
  }
  if (StopsFall(below)) {
    ComeToRest(game, x, y, boulder);
    return;
  }
  // a trigger below explodes later in this pass, when the scan reaches it, and takes the
  // still falling object with it
  if (IsFirefly(below)) {
    below = ExplodeToSpace;
    return;
  }
  if (IsButterfly(below)) {
    below = ExplodeToDiamonds;
    return;
  }
  switch (below) {
    case Player:
      below = ExplodeToSpace;
      game.sounds.sndKilled = 1;
      return;
    case PlayerDummy:
      if (boulder) {
        below = ExplodeToSpace;
        game.play.dummyKilled = 1;
        return;
      }
      // the dummy catches diamonds like the player
      field(x, y) = Space;
      game.grids.motionMap(x, y + 1) = 1;
      game.sounds.sndPlayer = 3;
      CollectDiamond(game, shell);
      return;
    case MagicWall: EnterMagicWall(game, x, y, boulder); return;
    case Slime:
      if (!PassSlime(game, x, y, boulder)) ComeToRest(game, x, y, boulder);
      return;
    default: return;  // waits on a moving or transient thing below
  }
}

void SettlePushedBoulder(GameState& game, int x, int y) {
  Grid& field = game.grids.playfield;
  field(x, y) = Boulder;
  if (field(x, y + 1) != Space || !game.play.boulderPushed) return;
  field(x, y) = BoulderFalling;
  game.play.boulderPushed = 0;
}

}  // namespace quarrion
