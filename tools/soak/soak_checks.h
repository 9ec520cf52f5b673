// What must hold after every pass of play, however it was played: the steel border of the grid,
// element codes the rules know, counters within their widths; and a hash of the state, so two
// runs of the same keys can be compared pass by pass.
#pragma once
#include <cstdint>
#include <string>

#include "core/game_state.h"

namespace quarrion {

// True for the codes of the element table; any other byte in the playfield is a fault of a rule.
bool IsElementCode(uint8_t code);

// Empty when the pass left a sound state; otherwise what is wrong, for the report.
std::string CheckPass(const GameState& game);

// The playfield, the player, the counters, the clock and the random state, folded into 64 bits.
uint64_t StateHash(const GameState& game);
// What a demo must play back: the playfield, the diamonds, the clock and the random state. The score
// and lives are left out: the pass that ends a demo hands them to the title screen.
uint64_t FieldHash(const GameState& game);

}  // namespace quarrion
