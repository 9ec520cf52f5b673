// One game frame: the 21 × 13 cells of the view over the playfield, objects sliding from the
// cell they left during the eight ticks of a game step, then the status strip, then the flip.
#pragma once
#include <cstdint>

#include "app/media/media.h"
#include "core/game_state.h"
#include "view/view_state.h"

namespace quarrion {

// How far back toward the cell it came from a sliding object is drawn, by its motion code:
// 7/8 of a cell at SubFrame 0, in its own cell at SubFrame 7.
int MotionOffsetX(int motion, int subFrame, int tileSize);
int MotionOffsetY(int motion, int subFrame, int tileSize);

// Draws playfield cell (px, py) with its top-left corner at (x, y) by its element code.
void DrawCell(const GameState& game, Media& media, int tileSize, int px, int py, int x, int y);

// Draws the frame and flips. Writes only what the frame owns: it clears the exit flash after its
// fifth frame, polls the play controls at every row and clears them in rows 0..9.
void DrawGameFrame(GameState& game, const ViewState& view, Media& media);

}  // namespace quarrion
