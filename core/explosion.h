// Explosions: a 3 × 3 block becomes space or diamonds through four visible stages. Reads and writes
// the nine playfield cells around the centre; sets DummyKilled and the killed and explosion sounds.
#pragma once
#include <cstdint>

#include "core/game_state.h"

namespace quarrion {

enum class ExplosionKind : uint8_t { ToSpace, ToDiamonds };

// Blows up the block around the visited cell (x, y); steel walls survive.
void Explode(GameState& game, int x, int y, ExplosionKind kind);

// The scan's visit of a trigger or explosion stage code at (x, y).
void ExplosionVisit(GameState& game, int x, int y);

}  // namespace quarrion
