#include "core/player.h"

#include "core/demo.h"
#include "core/demo.h"
#include "core/elements.h"
#include "core/explosion.h"
#include "core/scoring.h"

namespace quarrion {
namespace {

enum class Dir : uint8_t { Right, Left, Down, Up };

struct Step {
  int dx, dy;
  uint8_t intoSpace;  // motion code at the destination; dirt adds 4, a diamond 8
  bool aheadOfScan;   // right and down land on cells the scan visits later in this pass
};

constexpr Step kSteps[] = {{1, 0, 2, true}, {-1, 0, 3, false}, {0, 1, 1, true}, {0, -1, 4, false}};

constexpr uint8_t kAnimIdle = 7;
constexpr uint8_t kAnimBlink = 8;
constexpr uint8_t kAnimTap = 9;
constexpr uint8_t kAnimTapBlink = 10;
constexpr uint8_t kAnimWalkLeft = 11;
constexpr uint8_t kAnimWalkRight = 12;

// The player leaves (x, y) for the neighbour one step away.
void MovePlayer(GameState& game, int x, int y, const Step& step, uint8_t motion, uint8_t code) {
  Grids& g = game.grids;
  g.playfield(x, y) = Space;
  g.playfield(x + step.dx, y + step.dy) = code;
  g.motionMap(x + step.dx, y + step.dy) = motion;
  game.play.playerX = uint8_t(game.play.playerX + step.dx);
  game.play.playerY = uint8_t(game.play.playerY + step.dy);
}

uint8_t WalkingCode(const Step& step) { return step.aheadOfScan ? uint8_t{PlayerMoved} : uint8_t{Player}; }

// The boulder at T moves to U when U is empty and the push draw allows it; true when it moved.
bool PushBoulder(GameState& game, int tx, int ty, const Step& step, bool walking) {
  Grids& g = game.grids;
  const int ux = tx + step.dx;
  if (g.playfield(ux, ty) != Space) return false;  // no draw against a blocked boulder
  if (!game.random.Chance(game.params.pushProbability)) return false;
  const bool right = step.dx > 0;
  g.playfield(tx, ty) = Space;
  g.playfield(ux, ty) = right ? uint8_t{BoulderPushedRight} : uint8_t{Boulder};
  g.motionMap(ux, ty) = step.intoSpace;
  g.tileVariant(ux, ty) = g.tileVariant(tx, ty);
  // only a walking push lets the boulder drop in this same pass
  if (right && walking) game.play.boulderPushed = 1;
  game.sounds.sndPlayer = 4;
  return true;
}

void Walk(GameState& game, ShellHooks& shell, int x, int y, const Step& step) {
  const int tx = x + step.dx;
  const int ty = y + step.dy;
  switch (game.grids.playfield(tx, ty)) {
    case Space:
      MovePlayer(game, x, y, step, step.intoSpace, WalkingCode(step));
      game.sounds.sndPlayer = 1;
      return;
    case Dirt:
      MovePlayer(game, x, y, step, uint8_t(step.intoSpace + 4), WalkingCode(step));
      game.sounds.sndPlayer = 2;
      return;
    case Diamond:
      MovePlayer(game, x, y, step, uint8_t(step.intoSpace + 8), WalkingCode(step));
      CollectDiamond(game, shell);
      game.sounds.sndPlayer = 3;
      return;
    case OutBoxOpen:
      MovePlayer(game, x, y, step, step.intoSpace,
                 step.aheadOfScan ? uint8_t{PlayerEnteringExit} : uint8_t{PlayerInExit});
      return;
    case Boulder:
      if (step.dy != 0) return;  // boulders are pushed sideways only
      // the player follows into the cell the boulder left
      if (PushBoulder(game, tx, ty, step, true)) MovePlayer(game, x, y, step, step.intoSpace, WalkingCode(step));
      return;
    default: return;
  }
}

void Take(GameState& game, ShellHooks& shell, int x, int y, const Step& step) {
  Grids& g = game.grids;
  const int tx = x + step.dx;
  const int ty = y + step.dy;
  switch (g.playfield(tx, ty)) {
    case Dirt:
      g.playfield(tx, ty) = Space;
      g.motionMap(tx, ty) = 2;
      game.sounds.sndPlayer = 2;
      return;
    case Diamond:
      g.playfield(tx, ty) = Space;
      g.motionMap(tx, ty) = 1;
      game.sounds.sndPlayer = 3;
      CollectDiamond(game, shell);
      return;
    case OutBoxOpen:
      // taking the exit counts as entering it
      g.playfield(tx, ty) = Space;
      g.playfield(x, y) = PlayerInExit;
      return;
    case Boulder:
      if (step.dy != 0) return;
      PushBoulder(game, tx, ty, step, false);
      return;
    default: return;
  }
}

void Idle(GameState& game) {
  PlayState& s = game.play;
  s.playerAnim = s.playerTapping ? kAnimTap : kAnimIdle;
  s.playerBlinking = 0;
  if (game.random(4) == 0) {
    s.playerBlinking = 1;
    s.playerAnim = s.playerTapping ? kAnimTapBlink : kAnimBlink;
  }
  if (game.random(16) == 0) {
    s.playerTapping = uint8_t(!s.playerTapping);
    if (s.playerTapping)
      s.playerAnim = s.playerBlinking ? kAnimTapBlink : kAnimTap;
    else
      s.playerAnim = s.playerBlinking ? kAnimBlink : kAnimIdle;
  }
}

// The direction the keys ask for, in the order right, left, down, up; false for none.
bool KeyDirection(const KeyFlags& keys, Dir& dir) {
  if (keys.keyRight) dir = Dir::Right;
  else if (keys.keyLeft) dir = Dir::Left;
  else if (keys.keyDown) dir = Dir::Down;
  else if (keys.keyUp) dir = Dir::Up;
  else return false;
  return true;
}

}  // namespace

void InboxVisit(GameState& game, int x, int y) {
  PlayState& s = game.play;
  s.playerPresent = 1;
  // one count per pass however many inboxes the cave has
  if (s.inboxDelayTicked) return;
  if (game.params.inboxDelay > 0) {
    s.inboxDelayTicked = 1;
    --game.params.inboxDelay;
    return;
  }
  game.grids.playfield(x, y) = PlayerBirth1;
}

void BirthVisit(GameState& game, int x, int y) {
  PlayState& s = game.play;
  uint8_t& cell = game.grids.playfield(x, y);
  s.playerPresent = 1;
  if (cell == PlayerBirth1) {
    cell = PlayerBirth2;
    game.sounds.sndChime = 1;
  } else if (cell == PlayerBirth2) {
    cell = PlayerBirth3;
  } else {
    cell = Player;
    s.playerBorn = 1;
  }
}

void PlayerVisit(GameState& game, ShellHooks& shell, int x, int y) {
  PlayState& s = game.play;
  if (s.dummyKilled) {
    // the decoy's death takes every player with it
    game.sounds.sndKilled = 1;
    Explode(game, x, y, ExplosionKind::ToSpace);
    return;
  }
  s.playerPresent = 1;
  s.playerMoving = 0;
  s.playerX = uint8_t(x - 1);
  s.playerY = uint8_t(y - 1);

  Dir dir{};
  if (!KeyDirection(game.keys, dir)) {
    Idle(game);
    return;
  }
  s.playerMoving = 1;
  s.playerTapping = 0;
  if (dir == Dir::Right) s.playerFacingRight = 1;
  if (dir == Dir::Left) s.playerFacingRight = 0;
  // the walking look changes even when the way is blocked
  s.playerAnim = s.playerFacingRight ? kAnimWalkRight : kAnimWalkLeft;

  const Step& step = kSteps[static_cast<int>(dir)];
  if (game.keys.keyFire)
    Take(game, shell, x, y, step);
  else
    Walk(game, shell, x, y, step);
}

void ExitVisit(GameState& game, ShellHooks& shell, int x, int y) {
  PlayState& s = game.play;
  uint8_t& cell = game.grids.playfield(x, y);
  if (cell == PlayerEnteringExit) {
    cell = PlayerInExit;
    return;
  }
  if (s.demoRecording) {
    EndDemoRecording(game, shell);
    return;
  }
  if (s.demoPlaying) {
    EndDemoPlayback(game, shell);
    return;
  }
  game.sounds.sndExitLong = 1;
  if (game.params.caveTime < 51) game.sounds.sndExitShort = 1;
  s.phase = 5;  // the time bonus
}

}  // namespace quarrion
