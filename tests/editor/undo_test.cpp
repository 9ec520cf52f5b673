#include <gtest/gtest.h>

#include <functional>

#include "editor/cave_clipboard.h"
#include "editor/drawing_tools.h"
#include "editor/editor_fields.h"
#include "editor/editor_session.h"
#include "editor/generator.h"
#include "tests/editor/editor_test_support.h"

namespace quarrion {
namespace {

using testing::EditorFixture;

int Px(int cell) { return cell * 20 + 10; }

// Runs an action as one step and checks undo puts back the bytes, texts, slots and flag, and
// redo brings the action's result back.
void ExpectUndoable(EditorFixture& f, const std::function<void()>& action) {
  const CaveSet before = f.game->caves;
  const EditorPanel panelBefore = f.editor->panel;
  const auto slotsBefore = f.editor->generatorSlots;
  const uint8_t modifiedBefore = f.Modified();
  BeginEditStep(*f.game, *f.editor);
  action();
  ASSERT_TRUE(EndEditStep(*f.game, *f.editor));
  const CaveSet after = f.game->caves;
  const EditorPanel panelAfter = f.editor->panel;
  ASSERT_TRUE(before.bytes != after.bytes || panelAfter.texts != panelBefore.texts ||
              slotsBefore != f.editor->generatorSlots);

  const std::size_t steps = f.editor->history.UndoCount();
  ASSERT_TRUE(UndoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.editor->history.UndoCount(), steps - 1);
  EXPECT_TRUE(f.game->caves.bytes == before.bytes);
  EXPECT_EQ(f.editor->panel.texts, panelBefore.texts);
  EXPECT_EQ(f.editor->generatorSlots, slotsBefore);
  EXPECT_EQ(f.Modified(), modifiedBefore);

  ASSERT_TRUE(RedoEdit(*f.game, *f.editor));
  EXPECT_TRUE(f.game->caves.bytes == after.bytes);
  EXPECT_EQ(f.editor->panel.texts, panelAfter.texts);
  EXPECT_EQ(f.Modified(), 1);
  EXPECT_FALSE(RedoEdit(*f.game, *f.editor));
}

TEST(EditorUndo, EveryActionKindIsOneStep) {
  EditorFixture f(3, 1);
  f.editor->paletteIndex = 3;
  ExpectUndoable(f, [&] {  // a stroke from button down to up
    MouseButtonDown(*f.game, *f.editor, MouseButton::Left, Px(2), Px(2));
    MouseMovement(*f.game, *f.editor, kHeldLeft, Px(3), Px(2));
    MouseMovement(*f.game, *f.editor, kHeldLeft, Px(4), Px(2));
    MouseButtonUp(*f.game, *f.editor, MouseButton::Left, Px(4), Px(2));
  });
  ExpectUndoable(f, [&] {
    MouseButtonDown(*f.game, *f.editor, MouseButton::Right, Px(6), Px(6));
    MouseButtonUp(*f.game, *f.editor, MouseButton::Right, Px(9), Px(8));
  });
  f.Cell(12, 12) = 24;
  ExpectUndoable(f, [&] {
    MouseButtonDown(*f.game, *f.editor, MouseButton::Middle, Px(12), Px(12));
    ChoosePopupItem(*f.game, *f.editor, PopupItem::Falling);
  });
  ExpectUndoable(f, [&] { RandomClick(*f.game, *f.editor); });
  ExpectUndoable(f, [&] { MouseButtonDown(*f.game, *f.editor, MouseButton::Left, 640, 450); });  // a slot
  f.editor->panel.texts[FieldRandElement1] = "90";
  f.editor->generatorSlots = {1, 3, 0, 0, 0};
  ExpectUndoable(f, [&] { GenerateCaveCommand(*f.game, *f.editor); });
  ExpectUndoable(f, [&] { ClearLevel(*f.game, *f.editor); });
  CopyLevel(*f.game, *f.editor);
  ASSERT_TRUE(StepEditorLevel(*f.game, *f.editor, +1));
  f.editor->panel.texts[FieldCaveTime] = "33";
  ExpectUndoable(f, [&] { PasteLevel(*f.game, *f.editor); });
  EXPECT_EQ(f.editor->panel.texts[FieldCaveTime], "120");  // redone: the pasted values show
  ASSERT_TRUE(UndoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.editor->panel.texts[FieldCaveTime], "33");  // the typed text comes back with the undo
}

TEST(EditorUndo, AnActionThatChangesNothingIsNoStep) {
  EditorFixture f;
  BeginEditStep(*f.game, *f.editor);
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, Px(5), Px(5));  // nothing selected
  EXPECT_FALSE(EndEditStep(*f.game, *f.editor));
  EXPECT_FALSE(f.editor->history.CanUndo());
}

TEST(EditorUndo, GoesBackToTheStepsLevelAndANewStepEndsRedo) {
  EditorFixture f(1, 0);
  f.editor->paletteIndex = 3;
  BeginEditStep(*f.game, *f.editor);
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, Px(5), Px(5));
  EndEditStep(*f.game, *f.editor);
  f.editor->panel.texts[FieldCaveTime] = "111";
  ASSERT_TRUE(StepEditorCave(*f.game, *f.editor, +1));
  f.editor->panel.texts[FieldCaveTime] = "99";
  ASSERT_TRUE(UndoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.game->play.caveNo, 1);
  EXPECT_EQ(f.Cell(5, 5), 1);
  EXPECT_EQ(f.game->caves.PropertyAt(2, 0, PropCaveTime), 99);  // the level left was stored, as navigation does
  EXPECT_EQ(f.editor->panel.texts[FieldCaveTime], "111");       // and the step's level shows what it holds
  ASSERT_TRUE(f.editor->history.CanRedo());
  BeginEditStep(*f.game, *f.editor);
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, Px(6), Px(6));
  EndEditStep(*f.game, *f.editor);
  EXPECT_FALSE(f.editor->history.CanRedo());
}

TEST(EditorUndo, KeepsChangesMadeOutsideTheStepsUnsaved) {
  EditorFixture f;
  f.editor->paletteIndex = 3;
  BeginEditStep(*f.game, *f.editor);
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, Px(5), Px(5));
  EndEditStep(*f.game, *f.editor);
  f.game->caveSet.cavesModified = 0;  // saved
  NoteSetSavedOrChanged(*f.editor);
  ASSERT_TRUE(UndoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.Modified(), 1);  // the file holds the stroke, the set no longer does
  ASSERT_TRUE(RedoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.Modified(), 1);

  EditorFixture g;
  g.editor->paletteIndex = 3;
  BeginEditStep(*g.game, *g.editor);
  MouseButtonDown(*g.game, *g.editor, MouseButton::Left, Px(5), Px(5));
  EndEditStep(*g.game, *g.editor);
  StepUpDown(g.editor->panel, FieldCaveTime, +1);  // an arrow, not a step
  CaveChanges(*g.game, *g.editor);
  ASSERT_TRUE(UndoEdit(*g.game, *g.editor));
  EXPECT_EQ(g.Modified(), 1);
  EXPECT_EQ(g.editor->panel.texts[FieldCaveTime], "121");
}

TEST(EditorUndo, AStepBegunWhileAnotherIsOpenClosesItWithWhatStandsNow) {
  EditorFixture f;
  f.editor->paletteIndex = 3;
  PressOnSurface(*f.game, *f.editor, MouseButton::Left, Px(5), Px(5), 0);
  PressOnSurface(*f.game, *f.editor, MouseButton::Right, Px(8), Px(8), 0);  // during the stroke
  MoveOnSurface(*f.game, *f.editor, kHeldLeft | kHeldRight, Px(6), Px(5));
  ReleaseOnSurface(*f.game, *f.editor, MouseButton::Right, Px(9), Px(9));
  MoveOnSurface(*f.game, *f.editor, kHeldLeft, Px(7), Px(5));
  ReleaseOnSurface(*f.game, *f.editor, MouseButton::Left, Px(7), Px(5));
  const CaveSet after = f.game->caves;
  while (UndoEdit(*f.game, *f.editor)) {
  }
  for (int x = 5; x <= 9; ++x) EXPECT_EQ(f.Cell(x, 5), 1) << x;
  EXPECT_EQ(f.Cell(9, 9), 1);
  EXPECT_EQ(f.Modified(), 0);
  ASSERT_TRUE(RedoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.Cell(5, 5), 24);
  EXPECT_EQ(f.Modified(), 1) << "the first step ended with the set modified";
  while (RedoEdit(*f.game, *f.editor)) {
  }
  EXPECT_TRUE(f.game->caves.bytes == after.bytes);
}

TEST(EditorUndo, AStrokeFromThePaletteOrAnUnseenPressIsAStepToo) {
  EditorFixture f;
  PressOnSurface(*f.game, *f.editor, MouseButton::Left, 26 * 3 + 10, 450, 0);  // the boulder entry
  MoveOnSurface(*f.game, *f.editor, kHeldLeft, Px(4), Px(4));
  MoveOnSurface(*f.game, *f.editor, kHeldLeft, Px(5), Px(4));
  ReleaseOnSurface(*f.game, *f.editor, MouseButton::Left, Px(5), Px(4));
  // the second press of a double click that never arrived: only moves and the release
  MoveOnSurface(*f.game, *f.editor, kHeldLeft, Px(8), Px(8));
  ReleaseOnSurface(*f.game, *f.editor, MouseButton::Left, Px(8), Px(8));
  EXPECT_EQ(f.editor->history.UndoCount(), 2u);
  ASSERT_TRUE(UndoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.Cell(8, 8), 1);
  EXPECT_EQ(f.Modified(), 1) << "the first stroke is still there";
  ASSERT_TRUE(UndoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.Cell(4, 4), 1);
  EXPECT_EQ(f.Modified(), 0);
}

TEST(EditorUndo, TheHistoryKeepsOnlyItsNewestSteps) {
  EditorFixture f;
  f.editor->paletteIndex = 3;
  for (std::size_t i = 0; i < UndoHistory::kMaxSteps + 5; ++i) {
    BeginEditStep(*f.game, *f.editor);
    uint8_t& cell = f.Cell(1 + int(i % 38), 1 + int(i / 38 % 20));
    cell = uint8_t(cell + 1);
    EndEditStep(*f.game, *f.editor);
  }
  EXPECT_EQ(f.editor->history.UndoCount(), UndoHistory::kMaxSteps);
  f.editor->history.Clear();
  EXPECT_FALSE(UndoEdit(*f.game, *f.editor));
}

}  // namespace
}  // namespace quarrion
