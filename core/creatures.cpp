#include "core/creatures.h"

#include "core/elements.h"
#include "core/explosion.h"

namespace quarrion {
namespace {

struct Move {
  int dx, dy;
  uint8_t code;  // the code at the destination: transient to the right and down
};

// One creature facing: the turned move, the straight move, the turn on the spot.
struct Turn {
  Move turned;
  Move straight;
  uint8_t onTheSpot;
};

constexpr Move kDown(uint8_t code) { return {0, 1, code}; }
constexpr Move kLeft(uint8_t code) { return {-1, 0, code}; }
constexpr Move kRight(uint8_t code) { return {1, 0, code}; }
constexpr Move kUp(uint8_t code) { return {0, -1, code}; }

// fireflies first try a quarter turn anticlockwise on screen, butterflies clockwise
constexpr Turn TurnOf(uint8_t code) {
  switch (code) {
    case FireflyLeft: return {kDown(FireflyDownMoved), kLeft(FireflyLeft), FireflyUp};
    case FireflyUp: return {kLeft(FireflyLeft), kUp(FireflyUp), FireflyRight};
    case FireflyRight: return {kUp(FireflyUp), kRight(FireflyRightMoved), FireflyDown};
    case FireflyDown: return {kRight(FireflyRightMoved), kDown(FireflyDownMoved), FireflyLeft};
    case ButterflyDown: return {kLeft(ButterflyLeft), kDown(ButterflyDownMoved), ButterflyRight};
    case ButterflyLeft: return {kUp(ButterflyUp), kLeft(ButterflyLeft), ButterflyDown};
    case ButterflyUp: return {kRight(ButterflyRightMoved), kUp(ButterflyUp), ButterflyLeft};
    default: return {kDown(ButterflyDownMoved), kRight(ButterflyRightMoved), ButterflyUp};
  }
}

uint8_t MotionOf(const Move& m) {
  if (m.dy > 0) return 1;
  if (m.dx > 0) return 2;
  if (m.dx < 0) return 3;
  return 4;
}

bool TryMove(GameState& game, int x, int y, const Move& m) {
  Grids& g = game.grids;
  if (g.playfield(x + m.dx, y + m.dy) != Space) return false;  // only empty cells let creatures in
  g.playfield(x, y) = Space;
  g.playfield(x + m.dx, y + m.dy) = m.code;
  g.motionMap(x + m.dx, y + m.dy) = MotionOf(m);
  return true;
}

bool Touches(const Grid& field, int x, int y, uint8_t code) {
  return field(x, y - 1) == code || field(x - 1, y) == code || field(x + 1, y) == code ||
         field(x, y + 1) == code;
}

}  // namespace

void CreatureVisit(GameState& game, int x, int y) {
  const Grid& field = game.grids.playfield;
  const uint8_t code = field(x, y);
  const ExplosionKind kind = code >= ButterflyDown ? ExplosionKind::ToDiamonds : ExplosionKind::ToSpace;

  // only settled codes count: a player or amoeba that arrived this pass is touched next pass
  if (Touches(field, x, y, PlayerDummy)) {
    Explode(game, x, y, kind);
    game.play.dummyKilled = 1;
    return;
  }
  if (Touches(field, x, y, Player)) {
    game.sounds.sndKilled = 1;
    Explode(game, x, y, kind);
    return;
  }
  if (Touches(field, x, y, Amoeba)) {
    Explode(game, x, y, kind);
    return;
  }

  const Turn turn = TurnOf(code);
  if (TryMove(game, x, y, turn.turned)) return;
  if (TryMove(game, x, y, turn.straight)) return;
  game.grids.playfield(x, y) = turn.onTheSpot;
}

}  // namespace quarrion
