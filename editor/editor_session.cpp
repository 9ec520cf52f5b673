#include "editor/editor_session.h"

#include "core/elements.h"
#include "editor/editor_fields.h"

namespace quarrion {
namespace {

UndoMark MarkOf(const GameState& game, const EditorState& editor) {
  UndoMark mark;
  mark.caveNo = game.play.caveNo;
  mark.levelNo = game.play.levelNo;
  mark.modified = game.caveSet.cavesModified;
  mark.texts.assign(editor.panel.texts.begin(), editor.panel.texts.end());
  mark.slotBytes.assign(editor.generatorSlots.begin(), editor.generatorSlots.end());
  return mark;
}

void ShowApplied(GameState& game, EditorState& editor, const UndoApplied& applied) {
  PlayState& s = game.play;
  if (applied.caveNo != s.caveNo || applied.levelNo != s.levelNo) {
    StoreEditorFields(game, editor);
    s.caveNo = applied.caveNo;
    s.levelNo = applied.levelNo;
    LoadEditorFields(game, editor);
  }
  // only what the step itself changed goes back: later typing stays
  for (std::size_t i = 0; i < applied.texts.size() && i < editor.panel.texts.size(); ++i)
    if (applied.textChanged[i]) editor.panel.texts[i] = applied.texts[i];
  for (std::size_t i = 0; i < applied.slotBytes.size() && i < editor.generatorSlots.size(); ++i)
    if (applied.slotChanged[i]) editor.generatorSlots[i] = applied.slotBytes[i];
  game.caveSet.cavesModified = applied.modified;
}

}  // namespace

bool EnterEditor(GameState& game, EditorState& editor) {
  // a test keeps the editor open: what was copied before it is still wanted after it
  if (!game.play.editorActive) editor.clipboardFull = 0;
  bool madeNewSet = false;
  if (!game.caveSet.caveSetLoaded) {
    game.caveSet.caveSetLoaded = 1;
    ResetCaves(game.caves);
    madeNewSet = true;
  }
  game.play.inGame = 2;
  game.play.editorActive = 1;
  game.play.demoPlaying = 0;
  game.play.demoRecording = 0;
  LoadEditorFields(game, editor);
  editor.rectStart = {};
  editor.rectEnd = {};
  editor.rectDrag = {};
  return madeNewSet;
}

void CaveChanges(GameState& game, EditorState& editor) {
  game.caveSet.cavesModified = 1;
  if (!editor.history.StepOpen()) editor.history.MarkAllModified();
}

bool TypePanelText(GameState& game, EditorState& editor, int field, const std::string& text) {
  if (field < 0 || field >= kPanelFieldCount) return false;
  std::string& shown = editor.panel.texts[std::size_t(field)];
  if (!AcceptsPanelText(field, shown, text)) return false;
  if (!editor.history.StepOpen() || editor.typingField != field) {
    BeginEditStep(game, editor);
    editor.typingField = field;
  }
  shown = text;
  StorePanelField(game, editor, field);
  return true;
}

void PanelArrow(GameState& game, EditorState& editor, int field, int delta) {
  BeginEditStep(game, editor);
  StepUpDown(editor.panel, field, delta);
  StorePanelField(game, editor, field);
  CaveChanges(game, editor);
  EndEditStep(game, editor);
}

PopupRequest PressOnSurface(GameState& game, EditorState& editor, MouseButton button, int x, int y, int modifiers) {
  BeginEditStep(game, editor);
  const PopupRequest request = MouseButtonDown(game, editor, button, x, y, modifiers);
  if (button != MouseButton::Left) EndEditStep(game, editor);
  return request;
}

void MoveOnSurface(GameState& game, EditorState& editor, int heldButtons, int x, int y) {
  if ((heldButtons & kHeldLeft) && !editor.history.StepOpen()) BeginEditStep(game, editor);
  MouseMovement(game, editor, heldButtons, x, y);
}

void ReleaseOnSurface(GameState& game, EditorState& editor, MouseButton button, int x, int y) {
  if (!editor.history.StepOpen()) BeginEditStep(game, editor);
  MouseButtonUp(game, editor, button, x, y);
  EndEditStep(game, editor);
}

MissingExits FindMissingExits(const GameState& game) {
  MissingExits missing{true, true};
  for (int cy = 0; cy < kMapHeight; ++cy) {
    for (int cx = 0; cx < kMapWidth; ++cx) {
      if (!IsInsideEditedCave(game, cx, cy)) continue;  // a small cave's demo bytes are no exits
      const uint8_t code = game.caves.Cell(game.play.caveNo, game.play.levelNo, cx, cy);
      if (code == InBox) missing.inbox = false;
      if (code == OutBox) missing.outbox = false;
    }
  }
  return missing;
}

void NoteSetSavedOrChanged(EditorState& editor) { editor.history.MarkAllModified(); }

void BeginEditStep(const GameState& game, EditorState& editor) {
  editor.typingField = -1;
  editor.history.Begin(game.caves, MarkOf(game, editor));
}

bool EndEditStep(const GameState& game, EditorState& editor) {
  editor.typingField = -1;
  return editor.history.End(game.caves, MarkOf(game, editor));
}

bool UndoEdit(GameState& game, EditorState& editor) {
  if (editor.history.StepOpen()) EndEditStep(game, editor);
  UndoApplied applied;
  if (!editor.history.Undo(game.caves, applied)) return false;
  ShowApplied(game, editor, applied);
  return true;
}

bool RedoEdit(GameState& game, EditorState& editor) {
  if (editor.history.StepOpen()) EndEditStep(game, editor);
  UndoApplied applied;
  if (!editor.history.Redo(game.caves, applied)) return false;
  ShowApplied(game, editor, applied);
  return true;
}

}  // namespace quarrion
