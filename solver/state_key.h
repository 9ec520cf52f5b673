// What the search needs to know of a state of play: a key that tells states apart, where the
// player stands, and the key letters worth trying from there.
#pragma once
#include <cstdint>
#include <vector>

#include "core/game_state.h"

namespace quarrion {

// A hash of the playfield and the counters that decide what can still happen. Without keepDirt
// dirt counts as space; without keepDiamonds a diamond at rest counts as space too (the number
// collected tells the rest).
uint64_t StateKey(const GameState& g, bool keepDirt, bool keepDiamonds);

// The player's cell (1-based map coordinates); false, with the inbox's cell, before the birth.
bool FindPlayer(const GameState& g, int& px, int& py);

// The key letters worth trying from here: waiting, and every direction that can do something.
std::vector<char> ActionsFor(const GameState& g, bool born, int px, int py, bool keepDirt);

}  // namespace quarrion
