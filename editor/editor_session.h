// Entering the editor and the undo steps around its actions: every action that changes the
// cave set runs between BeginEditStep and EndEditStep, and Undo and Redo put the level, the
// panel and the modified flag back as they were.
#pragma once
#include "core/game_state.h"
#include "editor/editor_state.h"

namespace quarrion {

// The model's part of opening the editor: empties the clipboard, makes a new set when none is
// loaded (true then), switches to the editor view and loads the panel.
bool EnterEditor(GameState& game, EditorState& editor);

// The change handler of the panel's up-downs: the set is modified, and no undo step takes
// that back.
void CaveChanges(GameState& game, EditorState& editor);
// A save wrote the set, or something outside the steps changed it.
void NoteSetSavedOrChanged(EditorState& editor);

void BeginEditStep(const GameState& game, EditorState& editor);
// True when the action changed something and became a step.
bool EndEditStep(const GameState& game, EditorState& editor);

// Undo and redo go to the step's cave and level first (storing the panel as navigation does).
// False when there is nothing to undo or redo.
bool UndoEdit(GameState& game, EditorState& editor);
bool RedoEdit(GameState& game, EditorState& editor);

}  // namespace quarrion
