// What falling, rolling, the magic wall and slime share: the codes a boulder or diamond takes and
// the move that empties its cell and carries a boulder's look along.
#pragma once
#include <cstdint>

#include "core/elements.h"
#include "core/game_state.h"

namespace quarrion {

inline bool IsBoulderCode(uint8_t code) {
  return code == Boulder || code == BoulderFalling || code == BoulderPushedRight ||
         code == BoulderFallingMoved;
}
inline uint8_t RestingCode(bool boulder) { return boulder ? uint8_t{Boulder} : uint8_t{Diamond}; }
inline uint8_t FallingCode(bool boulder) { return boulder ? uint8_t{BoulderFalling} : uint8_t{DiamondFalling}; }
inline uint8_t FallingMovedCode(bool boulder) {
  return boulder ? uint8_t{BoulderFallingMoved} : uint8_t{DiamondFallingMoved};
}

// Empties (x, y) and writes code with its motion at (toX, toY); a boulder keeps its look on the way.
inline void MoveObject(GameState& game, bool boulder, int x, int y, int toX, int toY, uint8_t code,
                       uint8_t motion) {
  Grids& g = game.grids;
  g.playfield(x, y) = Space;
  g.playfield(toX, toY) = code;
  g.motionMap(toX, toY) = motion;
  if (boulder) g.tileVariant(toX, toY) = g.tileVariant(x, y);
}

}  // namespace quarrion
