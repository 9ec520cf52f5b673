// Entering the editor and the undo steps around its actions: every action that changes the
// cave set runs between BeginEditStep and EndEditStep, and Undo and Redo put the level, the
// panel and the modified flag back as they were.
#pragma once
#include <string>

#include "core/game_state.h"
#include "editor/drawing_tools.h"
#include "editor/editor_state.h"

namespace quarrion {

// The model's part of opening the editor: empties the clipboard (not on the return from a
// test), makes a new set when none is loaded (true then), switches to the editor view and
// loads the panel.
bool EnterEditor(GameState& game, EditorState& editor);

// The change handler of the panel's up-downs: the set is modified. Outside a step, no undo
// step takes that back.
void CaveChanges(GameState& game, EditorState& editor);

// Text typed into a panel edit: refused (false) unless AcceptsPanelText allows it; otherwise it
// is stored into its property byte at once. Typing on in the same edit stays one undo step.
bool TypePanelText(GameState& game, EditorState& editor, int field, const std::string& text);
// One arrow of a panel up-down, stored at once as a step of its own.
void PanelArrow(GameState& game, EditorState& editor, int field, int delta);

// The mouse on the drawing surface. Every change to the cave set lies in exactly one step: a
// left press opens one that its release closes, any other press is a step of its own, and
// painting that finds no step open (a stroke begun off the cave, or a press the editor never
// saw) opens one.
PopupRequest PressOnSurface(GameState& game, EditorState& editor, MouseButton button, int x, int y, int modifiers);
void MoveOnSurface(GameState& game, EditorState& editor, int heldButtons, int x, int y);
void ReleaseOnSurface(GameState& game, EditorState& editor, MouseButton button, int x, int y);

// Which exits the edited level lacks, looking only at its own cells.
struct MissingExits {
  bool inbox = false;
  bool outbox = false;
  bool Any() const { return inbox || outbox; }
};
MissingExits FindMissingExits(const GameState& game);
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
