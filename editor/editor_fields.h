// The editor panel's transfer to and from the edited level, the navigation between caves and
// levels, the cave/level label and the up-down arrows bound to the edits.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/game_state.h"
#include "editor/editor_state.h"

namespace quarrion {

// A panel text read as a decimal integer: nothing when it is not one (blanks included).
std::optional<int> ReadPanelNumber(std::string_view text);

// The edited level's values into the panel texts and the generator slots; sets the cave style.
void LoadEditorFields(GameState& game, EditorState& editor);
// The panel texts and the slots into the edited level's property row, in the panel's order.
// An empty text keeps the stored value. Stops silently at the first text that is not a number
// 0..255: the ones after it, slots included, stay as they were. A byte that changes marks the
// set modified.
void StoreEditorFields(GameState& game, EditorState& editor);

// Whether an edit may show this text after typing: digits only (empty too), a value up to 255,
// and no longer than the field allows unless it shrinks a longer loaded text.
bool AcceptsPanelText(int field, std::string_view before, std::string_view text);
// One field's text into its property byte, as the store does; the set is modified when the
// byte changes. An empty or unreadable text stores nothing.
void StorePanelField(GameState& game, EditorState& editor, int field);
// A generator slot takes a palette index, in the panel and in the level's property row.
void SetGeneratorSlot(GameState& game, EditorState& editor, int slot, int paletteIndex);

// Cave −/+ (delta −1/+1) and Level −/+: store, step, load; nothing at the first or last one.
// True when the cave or level changed.
bool StepEditorCave(GameState& game, EditorState& editor, int delta);
bool StepEditorLevel(GameState& game, EditorState& editor, int delta);

// What the cave/level label and the Demo indicator show.
struct CaveLevelLabel {
  std::string text;   // "A/1" .. "T/5"
  bool red = false;   // the small caves Q..T
  bool demo = false;  // the cave has a demo: checked and enabled
};
CaveLevelLabel ShowCaveLevel(const GameState& game);

// One arrow press on the up-down of a panel field: it takes the edit's number as its position
// when the text reads as one, steps within its range and writes the new position as the text.
void StepUpDown(EditorPanel& panel, int field, int delta);

}  // namespace quarrion
