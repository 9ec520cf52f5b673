#include "core/explosion.h"

#include "core/elements.h"

namespace quarrion {

void Explode(GameState& game, int x, int y, ExplosionKind kind) {
  Grid& field = game.grids.playfield;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const uint8_t code = field(x + dx, y + dy);
      if (code == PlayerDummy) game.play.dummyKilled = 1;
      // a player written as PlayerMoved this pass is destroyed without the cry
      if (code == Player) game.sounds.sndKilled = 1;
    }
  }
  const bool toSpace = kind == ExplosionKind::ToSpace;
  const uint8_t visited = toSpace ? SpaceExplosion1 : DiamondExplosion1;
  const uint8_t ahead = toSpace ? SpaceExplosion0 : DiamondExplosion0;
  // the first five cells are behind the scan (or the centre); the last four are visited later in
  // this pass and step to stage 1 there, so the whole block leaves the pass at stage 1
  struct Cell {
    int dx, dy;
    uint8_t code;
  };
  const Cell block[9] = {{-1, -1, visited}, {0, -1, visited}, {1, -1, visited},
                         {-1, 0, visited},  {0, 0, visited},  {1, 0, ahead},
                         {-1, 1, ahead},    {0, 1, ahead},    {1, 1, ahead}};
  for (const Cell& c : block) {
    uint8_t& cell = field(x + c.dx, y + c.dy);
    if (cell != SteelWall) cell = c.code;
  }
  game.sounds.sndExplosion = 1;
}

void ExplosionVisit(GameState& game, int x, int y) {
  uint8_t& cell = game.grids.playfield(x, y);
  switch (cell) {
    case ExplodeToSpace: Explode(game, x, y, ExplosionKind::ToSpace); return;
    case ExplodeToDiamonds: Explode(game, x, y, ExplosionKind::ToDiamonds); return;
    case SpaceExplosion4: cell = Space; return;
    case DiamondExplosion4: cell = Diamond; return;
    default:
      if ((cell >= SpaceExplosion0 && cell < SpaceExplosion4) ||
          (cell >= DiamondExplosion0 && cell < DiamondExplosion4))
        cell = uint8_t(cell + 1);
      return;
  }
}

}  // namespace quarrion
