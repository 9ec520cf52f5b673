// The cave generator: a seed, four probabilities and five palette elements make the same
// steel-framed level every time.
#pragma once
#include "core/game_state.h"
#include "editor/editor_state.h"

namespace quarrion {

// The element code a generator slot stands for; a slot above 14 (only a file can hold one)
// counts as palette entry 0, the steel wall.
uint8_t SlotElement(uint8_t paletteIndex);

// Fills the edited level's map from the panel's seed and probabilities and the slots' elements.
// A small cave keeps everything outside its 20 × 12 area.
void GenerateLevel(GameState& game, const EditorState& editor);

// What answering Yes to the generator's question does: store, generate, load, drop the demo.
void GenerateCaveCommand(GameState& game, EditorState& editor);

}  // namespace quarrion
