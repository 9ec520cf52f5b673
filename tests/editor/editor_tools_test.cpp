// The designer's own tools beside the ones of the palette: flood fill, straight lines and pick,
// each worked through the surface as the window does, so each is checked as one undo step.
#include <gtest/gtest.h>

#include "editor/drawing_tools.h"
#include "editor/editor_session.h"
#include "tests/editor/editor_test_support.h"

namespace quarrion {
namespace {

using testing::EditorFixture;

constexpr int kSteelEntry = 0;
constexpr int kSpaceEntry = 2;
constexpr int kBoulderEntry = 3;

int Px(int cell) { return cell * 20 + 10; }

void Click(EditorFixture& f, int x, int y, int modifiers, MouseButton button = MouseButton::Left) {
  PressOnSurface(*f.game, *f.editor, button, Px(x), Px(y), modifiers);
  ReleaseOnSurface(*f.game, *f.editor, button, Px(x), Px(y));
}

// Undo takes back exactly one step and gives the bytes and the flag as they were.
void ExpectOneStepUndone(EditorFixture& f, const CaveSet& before, uint8_t modifiedBefore) {
  ASSERT_EQ(f.editor->history.UndoCount(), 1u);
  ASSERT_TRUE(UndoEdit(*f.game, *f.editor));
  EXPECT_TRUE(f.game->caves.bytes == before.bytes);
  EXPECT_EQ(f.Modified(), modifiedBefore);
  EXPECT_FALSE(f.editor->history.CanUndo());
}

TEST(EditorFloodFill, FillsTheConnectedAreaOnlyAsOneStep) {
  EditorFixture f;
  // a steel wall across column 10 cuts the dirt in two; a diagonal gap does not connect
  for (int y = 1; y <= 20; ++y) f.Cell(10, y) = 7;
  f.Cell(10, 5) = 1;
  f.Cell(11, 4) = 7;
  const CaveSet before = f.game->caves;
  f.editor->paletteIndex = kSpaceEntry;
  Click(f, 3, 3, kWithCtrl);
  EXPECT_EQ(f.Cell(3, 3), 0);
  EXPECT_EQ(f.Cell(38, 20), 0) << "through the gap at (10, 5)";
  EXPECT_EQ(f.Cell(10, 6), 7);
  EXPECT_EQ(f.Cell(0, 0), 7) << "the frame is another element";
  int dirt = 0;
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) dirt += f.Cell(x, y) == 1;
  EXPECT_EQ(dirt, 0);
  EXPECT_EQ(f.Modified(), 1);
  ExpectOneStepUndone(f, before, 0);
}

TEST(EditorFloodFill, StaysInsideASmallCaveAndIgnoresTheSameElement) {
  EditorFixture f(16, 0);
  f.Cell(25, 5) = 1;  // a demo byte that happens to equal dirt, beside the small cave's area
  f.Cell(19, 5) = 1;  // and an opening in the small cave's right frame
  f.editor->paletteIndex = kBoulderEntry;
  EXPECT_EQ(FloodFill(*f.game, *f.editor, 5, 5), 18 * 10 + 1);
  EXPECT_EQ(f.Cell(25, 5), 1);
  EXPECT_EQ(FloodFill(*f.game, *f.editor, 5, 5), 0) << "boulders filled with boulders";
  f.editor->paletteIndex = kNoPalette;
  EXPECT_EQ(FloodFill(*f.game, *f.editor, 5, 5), 0);
}

TEST(EditorLine, ShiftDragPreviewsAndTheReleaseDrawsOneStep) {
  EditorFixture f;
  f.editor->paletteIndex = kSteelEntry;
  const CaveSet before = f.game->caves;
  PressOnSurface(*f.game, *f.editor, MouseButton::Left, Px(2), Px(2), kWithShift);
  MoveOnSurface(*f.game, *f.editor, kHeldLeft, Px(6), Px(4));
  EXPECT_EQ(f.editor->stroke, StrokeTool::Line);
  EXPECT_EQ(f.editor->lineDrag, (CellPos{6, 4}));
  EXPECT_TRUE(f.game->caves.bytes == before.bytes) << "the drag only previews";
  MoveOnSurface(*f.game, *f.editor, kHeldLeft, Px(10), Px(4));
  ReleaseOnSurface(*f.game, *f.editor, MouseButton::Left, Px(10), Px(4));
  EXPECT_EQ(f.editor->stroke, StrokeTool::None);
  EXPECT_EQ(f.Cell(2, 2), 7);
  EXPECT_EQ(f.Cell(10, 4), 7);
  int lastRow = 2;
  for (int x = 2; x <= 10; ++x) {  // one cell a column, never going back up
    int cells = 0;
    for (int y = 1; y <= 20; ++y) {
      if (f.Cell(x, y) != 7) continue;
      ++cells;
      EXPECT_GE(y, lastRow) << x;
      lastRow = y;
    }
    EXPECT_EQ(cells, 1) << x;
  }
  ExpectOneStepUndone(f, before, 0);
}

TEST(EditorLine, CellsRunFromEndToEndInEveryDirection) {
  const std::vector<CellPos> up = LineCells({5, 9}, {5, 6});
  ASSERT_EQ(up.size(), 4u);
  EXPECT_EQ(up.front(), (CellPos{5, 9}));
  EXPECT_EQ(up.back(), (CellPos{5, 6}));
  const std::vector<CellPos> diagonal = LineCells({7, 1}, {3, 5});
  ASSERT_EQ(diagonal.size(), 5u);
  for (std::size_t i = 0; i < diagonal.size(); ++i) EXPECT_EQ(diagonal[i], (CellPos{int16_t(7 - i), int16_t(1 + i)}));
  EXPECT_EQ(LineCells({4, 4}, {4, 4}).size(), 1u);
}

TEST(EditorPick, AltOrTheMiddleButtonTakesTheElementWithoutAStep) {
  EditorFixture f;
  f.Cell(4, 4) = 26;  // a falling boulder is painted by the boulder entry
  f.Cell(6, 6) = 50;
  f.Cell(8, 8) = 13;  // a firefly facing up
  f.Cell(9, 9) = 22;  // a player, which no entry paints
  const CaveSet before = f.game->caves;
  Click(f, 4, 4, kWithAlt);
  EXPECT_EQ(f.editor->paletteIndex, kBoulderEntry);
  Click(f, 6, 6, 0, MouseButton::Middle);  // no popup for the inbox
  EXPECT_EQ(f.editor->paletteIndex, 5);
  const PopupRequest popup = PressOnSurface(*f.game, *f.editor, MouseButton::Middle, Px(8), Px(8), 0);
  EXPECT_EQ(popup.menu, PopupMenu::Flies);
  EXPECT_EQ(f.editor->paletteIndex, 5) << "a popup element opens its popup instead";
  Click(f, 8, 8, kWithAlt);
  EXPECT_EQ(f.editor->paletteIndex, 7);
  Click(f, 9, 9, kWithAlt);
  EXPECT_EQ(f.editor->paletteIndex, 7) << "nothing to pick";
  EXPECT_TRUE(f.game->caves.bytes == before.bytes);
  EXPECT_FALSE(f.editor->history.CanUndo());
  EXPECT_EQ(f.Modified(), 0);
}

TEST(EditorExits, AreLookedForInTheLevelsOwnCellsOnly) {
  EditorFixture f(16, 2);
  MissingExits missing = FindMissingExits(*f.game);
  EXPECT_TRUE(missing.inbox && missing.outbox);
  f.Cell(30, 3) = 50;  // demo bytes of a small cave
  f.Cell(30, 4) = 4;
  EXPECT_TRUE(FindMissingExits(*f.game).Any());
  f.Cell(3, 3) = 50;
  missing = FindMissingExits(*f.game);
  EXPECT_FALSE(missing.inbox);
  EXPECT_TRUE(missing.outbox);
  f.Cell(5, 5) = 5;  // an open exit is not the closed outbox a level starts with
  EXPECT_TRUE(FindMissingExits(*f.game).outbox);
  f.Cell(5, 5) = 4;
  EXPECT_FALSE(FindMissingExits(*f.game).Any());
}

}  // namespace
}  // namespace quarrion
