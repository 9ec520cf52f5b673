#include "core/amoeba.h"

#include "core/elements.h"

namespace quarrion {
namespace {

constexpr int kAmoebaSound = 13;

struct Growth {
  int dx, dy;
  uint8_t intoSpace;  // motion code; dirt adds 4
  uint8_t code;       // right and down are visited later in this pass
};

// in the order of the direction draw: up, left, right, down
constexpr Growth kGrowth[4] = {
    {0, -1, 4, Amoeba}, {-1, 0, 3, Amoeba}, {1, 0, 2, AmoebaNew}, {0, 1, 1, AmoebaNew}};

bool IsFree(uint8_t code) { return code <= Dirt; }  // space or dirt

}  // namespace

void AmoebaVisit(GameState& game, ShellHooks& shell, int x, int y) {
  PlayState& s = game.play;
  Grids& g = game.grids;
  // the limit is checked against the previous pass's count, so the whole amoeba turns at once
  if (game.params.amoebaMaxSize <= s.amoebaCount) {
    g.playfield(x, y) = Boulder;
    return;
  }
  if (s.amoebaToDiamonds && s.amoebaActive) {
    g.playfield(x, y) = Diamond;
    return;
  }
  ++s.amoebaCountScan;
  if (!s.amoebaSoundOn && s.amoebaActive) {
    s.amoebaSoundOn = 1;
    shell.PlayLoopedSound(kAmoebaSound);
  }

  const bool anyFree = IsFree(g.playfield(x, y - 1)) || IsFree(g.playfield(x - 1, y)) ||
                       IsFree(g.playfield(x + 1, y)) || IsFree(g.playfield(x, y + 1));
  if (!anyFree) return;  // an enclosed cell draws nothing
  s.amoebaCouldGrow = 1;
  s.amoebaActive = 1;

  const Growth& d = kGrowth[game.random(4)];
  uint8_t& target = g.playfield(x + d.dx, y + d.dy);
  if (!IsFree(target)) return;  // no second draw when the drawn side is blocked
  if (!game.random.Chance(s.amoebaGrowthProb)) return;
  g.motionMap(x + d.dx, y + d.dy) = target == Dirt ? uint8_t(d.intoSpace + 4) : d.intoSpace;
  target = d.code;
  game.sounds.sndOoze = 1;
  ++s.amoebaCountScan;
}

}  // namespace quarrion
