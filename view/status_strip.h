// The 24-pixel status strip above the playfield: diamonds, time and score in play, and the
// messages of the other phases. Recomputed from the game state at every frame.
#pragma once
#include "app/media/media.h"
#include "core/game_state.h"
#include "view/view_state.h"

namespace quarrion {

void DrawStatusStrip(const GameState& game, const ViewState& view, Media& media);

// The number the time field shows: before the first clock tick the level's cave time property,
// afterwards the clock ticks left.
int TimeFieldValue(const GameState& game);

}  // namespace quarrion
