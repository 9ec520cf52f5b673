// Sampling the play controls into the key flags. Flags latch: a poll sets, never clears; the
// later direction in the order up, down, left, right wins, so at most one direction is set.
#pragma once
#include "app/media/media.h"
#include "core/game_state.h"

namespace quarrion {

void PollInput(GameState& game, Input& input);

}  // namespace quarrion
