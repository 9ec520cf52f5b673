// The camera: follows the player by smooth scrolls of whole cells, both axes independently.
// Reads the player position, moves ViewState::scrollX/Y and the steps and offsets of
// GameState::camera.
#pragma once
#include "core/game_state.h"
#include "view/view_state.h"

namespace quarrion {

// One tick of the camera for caves 0..15. A scroll once started always runs to its end.
void UpdateCamera(GameState& game, ViewState& view);

// The game step's camera call: small caves keep the view at cell (0, 0), the others scroll.
void CameraTick(GameState& game, ViewState& view);

// The zoom command's part in the view: new geometry, and no scroll left half done.
void SetZoom(GameState& game, ViewState& view, int zoom);

}  // namespace quarrion
