// Copy, paste and clear of the edited level as a whole: map and property row, never the demo
// header or the record row.
#pragma once
#include "core/game_state.h"
#include "editor/editor_state.h"

namespace quarrion {

// Stores the panel, then takes the level into the clipboard; a small cave arrives framed by
// steel where it has no cells.
void CopyLevel(GameState& game, EditorState& editor);
// The Yes of the paste question: the clipboard's properties and map into the level (a small
// cave takes only its 20 × 12 area). False, changing nothing, when nothing was copied.
bool PasteLevel(GameState& game, EditorState& editor);
// The Yes of the clear question: default properties, steel frame, dirt inside.
void ClearLevel(GameState& game, EditorState& editor);

}  // namespace quarrion
