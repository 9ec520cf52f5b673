#include "editor/drawing_tools.h"

#include <gtest/gtest.h>

#include "tests/editor/editor_test_support.h"

namespace quarrion {
namespace {

using testing::EditorFixture;

constexpr int kBoulderEntry = 3;
constexpr int kInboxEntry = 5;
constexpr int kAmoebaEntry = 12;

// Surface pixel at the middle of a cell.
int Px(int cell) { return cell * 20 + 10; }

void Rectangle(EditorFixture& f, int x0, int y0, int x1, int y1) {
  MouseButtonDown(*f.game, *f.editor, MouseButton::Right, Px(x0), Px(y0));
  MouseMovement(*f.game, *f.editor, kHeldRight, Px(x1), Px(y1));
  MouseButtonUp(*f.game, *f.editor, MouseButton::Right, Px(x1), Px(y1));
}

int CountCode(EditorFixture& f, uint8_t code) {
  int n = 0;
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) n += f.Cell(x, y) == code;
  return n;
}

TEST(EditorRectangle, NeedsTwoColumnsAndTwoRowsDraggedDownRight) {
  EditorFixture f;
  f.editor->paletteIndex = kBoulderEntry;
  Rectangle(f, 5, 5, 5, 9);
  EXPECT_EQ(CountCode(f, 24), 0);
  EXPECT_EQ(f.Modified(), 0);
  Rectangle(f, 5, 5, 6, 9);
  EXPECT_EQ(CountCode(f, 24), 10);
  for (int y = 5; y <= 9; ++y) {
    EXPECT_EQ(f.Cell(5, y), 24);
    EXPECT_EQ(f.Cell(6, y), 24);
  }
  EXPECT_EQ(f.Modified(), 1);
  EXPECT_EQ(f.editor->rectDrag, CellPos{});  // the release ends the preview
}

TEST(EditorRectangle, DraggedUpOrLeftDrawsNothingAndLeavesTheFlag) {
  EditorFixture f;
  f.editor->paletteIndex = kBoulderEntry;
  Rectangle(f, 10, 10, 8, 12);
  Rectangle(f, 10, 10, 12, 8);
  EXPECT_EQ(CountCode(f, 24), 0);
  EXPECT_EQ(f.Modified(), 0);
}

TEST(EditorRectangle, IsClippedToASmallCaveAndToTheRightEdge) {
  EditorFixture f(16, 0);
  const CaveSet before = f.game->caves;
  f.editor->paletteIndex = kBoulderEntry;
  MouseButtonDown(*f.game, *f.editor, MouseButton::Right, Px(15), Px(8));
  MouseMovement(*f.game, *f.editor, kHeldRight, Px(25), Px(15));
  EXPECT_EQ(f.editor->rectDrag, (CellPos{25, 15}));  // the preview covers the whole rectangle
  MouseButtonUp(*f.game, *f.editor, MouseButton::Right, Px(25), Px(15));
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const bool inside = x >= 15 && x <= 19 && y >= 8 && y <= 11;
      EXPECT_EQ(f.Cell(x, y), inside ? 24 : before.Cell(16, 0, x, y)) << x << "," << y;
    }
  }

  EditorFixture full;
  full.editor->paletteIndex = kBoulderEntry;
  MouseButtonDown(*full.game, *full.editor, MouseButton::Right, Px(37), Px(3));
  MouseButtonUp(*full.game, *full.editor, MouseButton::Right, 860, Px(4));  // released right of the window
  EXPECT_EQ(CountCode(full, 24), 6);  // columns 37..39 only
  EXPECT_EQ(full.Cell(39, 4), 24);
}

TEST(EditorPaint, LeftClickAndTrailWriteCellsEvenOnTheBorderButNotOutsideASmallCave) {
  EditorFixture f;
  f.editor->paletteIndex = kBoulderEntry;
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, 5, 5);
  EXPECT_EQ(f.Cell(0, 0), 24);  // the border is not protected
  MouseMovement(*f.game, *f.editor, kHeldLeft, Px(3), Px(3));
  MouseMovement(*f.game, *f.editor, kHeldLeft, Px(4), Px(3));
  MouseMovement(*f.game, *f.editor, 0, Px(8), Px(3));  // no button held: nothing
  EXPECT_EQ(f.Cell(3, 3), 24);
  EXPECT_EQ(f.Cell(4, 3), 24);
  EXPECT_EQ(f.Cell(8, 3), 1);

  EditorFixture small(17, 1);
  small.editor->paletteIndex = kBoulderEntry;
  const uint8_t demoByte = small.Cell(25, 5);
  MouseButtonDown(*small.game, *small.editor, MouseButton::Left, Px(25), Px(5));
  EXPECT_EQ(small.Cell(25, 5), demoByte);
  EXPECT_EQ(small.Modified(), 0);
}

TEST(EditorPaint, WithoutSelectionNothingButTheMiddleButtonAndPaletteWork) {
  EditorFixture f;
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, Px(5), Px(5));
  Rectangle(f, 2, 2, 6, 6);
  RandomClick(*f.game, *f.editor);
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, 580, 450);  // slot 0
  EXPECT_EQ(CountCode(f, 1), 38 * 20);
  EXPECT_EQ(f.Modified(), 0);
  EXPECT_EQ(f.editor->generatorSlots[0], 0);
  f.Cell(5, 5) = 24;
  EXPECT_EQ(MouseButtonDown(*f.game, *f.editor, MouseButton::Middle, Px(5), Px(5)).menu, PopupMenu::StoneDiamond);
}

TEST(EditorPalette, ClicksPickEntriesAndTheKeysStopBeforeTheDummy) {
  EditorFixture f;
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, 390, 450);
  EXPECT_EQ(f.editor->paletteIndex, 14);
  MouseButtonDown(*f.game, *f.editor, MouseButton::Right, 2, 469);
  EXPECT_EQ(f.editor->paletteIndex, 0);
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, 100, 470);  // below the row
  EXPECT_EQ(f.editor->paletteIndex, 0);
  f.editor->paletteIndex = 12;
  PaletteKey(*f.editor, +1);
  PaletteKey(*f.editor, +1);
  EXPECT_EQ(f.editor->paletteIndex, 13);
  f.editor->paletteIndex = kNoPalette;
  PaletteKey(*f.editor, -1);
  EXPECT_EQ(f.editor->paletteIndex, kNoPalette);
  PaletteKey(*f.editor, +1);
  EXPECT_EQ(f.editor->paletteIndex, 0);
}

TEST(EditorPalette, SlotsTakeTheSelectionAndReachTheLevelAtOnce) {
  EditorFixture f;
  f.editor->paletteIndex = kAmoebaEntry;
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, 640, 450);  // slot 1
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, 766, 450);  // the gap before slot 4
  EXPECT_EQ(f.editor->generatorSlots[1], 12);
  EXPECT_EQ(f.editor->generatorSlots[4], 0);
  EXPECT_EQ(f.Modified(), 1);
  EXPECT_EQ(f.Property(PropGeneratorElement1), 12);  // no later bad text can lose it
  MouseButtonDown(*f.game, *f.editor, MouseButton::Left, 792, 450);
  EXPECT_EQ(f.editor->generatorSlots[4], 12);
}

TEST(EditorPopups, CheckTheCellsStateAndChangeOnlyMatchingElements) {
  EditorFixture f;
  f.Cell(4, 4) = 19;  // butterfly facing left
  PopupRequest request = MouseButtonDown(*f.game, *f.editor, MouseButton::Middle, Px(4), Px(4));
  EXPECT_EQ(request.menu, PopupMenu::Flies);
  EXPECT_EQ(request.checkedItem, int(PopupItem::FacingLeft));
  ChoosePopupItem(*f.game, *f.editor, PopupItem::FacingDown);
  EXPECT_EQ(f.Cell(4, 4), 18);

  f.Cell(6, 6) = 24;
  request = MouseButtonDown(*f.game, *f.editor, MouseButton::Middle, Px(6), Px(6));
  EXPECT_EQ(request.checkedItem, int(PopupItem::Stationary));
  ChoosePopupItem(*f.game, *f.editor, PopupItem::Falling);
  EXPECT_EQ(f.Cell(6, 6), 26);

  f.Cell(7, 7) = 58;
  request = MouseButtonDown(*f.game, *f.editor, MouseButton::Middle, Px(7), Px(7));
  EXPECT_EQ(request.menu, PopupMenu::ExWalls);
  EXPECT_EQ(request.checkedItem, int(PopupItem::Vertical));
  ChoosePopupItem(*f.game, *f.editor, PopupItem::Horizontal);
  EXPECT_EQ(f.Cell(7, 7), 8);

  EXPECT_EQ(MouseButtonDown(*f.game, *f.editor, MouseButton::Middle, Px(9), Px(9)).menu, PopupMenu::None);  // dirt
  EditorFixture small(18, 0);
  EXPECT_EQ(MouseButtonDown(*small.game, *small.editor, MouseButton::Middle, Px(30), Px(3)).menu, PopupMenu::None);
}

TEST(EditorPopups, AChoiceThatFitsNothingStillMarksTheSetModified) {
  EditorFixture f;
  f.Cell(3, 3) = 12;
  MouseButtonDown(*f.game, *f.editor, MouseButton::Middle, Px(3), Px(3));
  ChoosePopupItem(*f.game, *f.editor, PopupItem::Falling);  // a firefly has no falling state
  EXPECT_EQ(f.Cell(3, 3), 12);
  EXPECT_EQ(f.Modified(), 1);
}

TEST(EditorRandom, ScattersTenCellsInsideTheBorder) {
  EditorFixture f;
  f.editor->paletteIndex = kInboxEntry;
  RandomClick(*f.game, *f.editor);
  const int placed = CountCode(f, 50);
  EXPECT_GE(placed, 1);
  EXPECT_LE(placed, 10);
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) {
      if (f.Cell(x, y) != 50) continue;
      {
        EXPECT_GE(x, 1);
        EXPECT_LE(x, 38);
        EXPECT_GE(y, 1);
        EXPECT_LE(y, 20);
      }
    }
  EXPECT_EQ(f.Modified(), 1);

  EditorFixture small(19, 4);
  small.editor->paletteIndex = kInboxEntry;
  const CaveSet before = small.game->caves;
  RandomClick(*small.game, *small.editor);
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) {
      if (x >= 1 && x <= 18 && y >= 1 && y <= 10) continue;
      EXPECT_EQ(small.Cell(x, y), before.Cell(19, 4, x, y));
    }
}

}  // namespace
}  // namespace quarrion
