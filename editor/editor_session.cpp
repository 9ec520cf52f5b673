#include "editor/editor_session.h"

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
  editor.clipboardFull = 0;
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
  editor.history.MarkAllModified();
}

void NoteSetSavedOrChanged(EditorState& editor) { editor.history.MarkAllModified(); }

void BeginEditStep(const GameState& game, EditorState& editor) { editor.history.Begin(game.caves, MarkOf(game, editor)); }

bool EndEditStep(const GameState& game, EditorState& editor) { return editor.history.End(game.caves, MarkOf(game, editor)); }

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
