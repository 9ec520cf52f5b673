// The hint in the game: the cells the player would walk through next, found by playing a
// solution's keys on a copy of the game in play.
#pragma once
#include <string>
#include <vector>

#include "core/game_state.h"

namespace quarrion {

struct HintCell {
  int x = 0;  // cave coordinates, 0..39 and 0..21
  int y = 0;
};

constexpr int kHintMoves = 8;

// The player's cell, then each cell the keys take the player into, up to maxMoves moves; only
// the player's cell when the keys move nowhere (or the player is not born yet: the inbox's).
std::vector<HintCell> HintPath(const GameState& game, const std::string& keys, int maxMoves = kHintMoves);

}  // namespace quarrion
