#include "editor/cave_clipboard.h"

#include <gtest/gtest.h>

#include "editor/editor_fields.h"
#include "tests/editor/editor_test_support.h"

namespace quarrion {
namespace {

using testing::EditorFixture;

void Pattern(EditorFixture& f, uint8_t base) {
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) f.Cell(x, y) = uint8_t(base + (x * 7 + y) % 50);
  for (int column = 0; column < 28; ++column) f.Property(column) = uint8_t(base + column);
  LoadEditorFields(*f.game, *f.editor);  // the panel shows the level, as navigation would leave it
}

void GoTo(EditorFixture& f, int cave, int level) {
  f.game->play.caveNo = uint8_t(cave);
  f.game->play.levelNo = uint8_t(level);
}

TEST(CaveClipboard, FullCaveIntoSmallCaveTakesOnlyItsCorner) {
  EditorFixture f(2, 0);
  Pattern(f, 100);
  CopyLevel(*f.game, *f.editor);
  const CaveSet source = f.game->caves;
  GoTo(f, 16, 3);
  const CaveSet before = f.game->caves;
  ASSERT_TRUE(PasteLevel(*f.game, *f.editor));
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x)
      EXPECT_EQ(f.Cell(x, y), x < 20 && y < 12 ? source.Cell(2, 0, x, y) : before.Cell(16, 3, x, y));
  // the twelve play properties and the generator settings come along, the demo header does not
  for (int column = 0; column < 22; ++column) EXPECT_EQ(f.Property(column), uint8_t(100 + column));
  for (int column = 23; column < 28; ++column) EXPECT_EQ(f.Property(column), before.PropertyAt(16, 3, column));
}

TEST(CaveClipboard, SmallCaveIntoFullCaveLandsTopLeftInSteel) {
  EditorFixture f(18, 1);
  Pattern(f, 10);
  CopyLevel(*f.game, *f.editor);
  const CaveSet source = f.game->caves;
  GoTo(f, 4, 4);
  ASSERT_TRUE(PasteLevel(*f.game, *f.editor));
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) EXPECT_EQ(f.Cell(x, y), x < 20 && y < 12 ? source.Cell(18, 1, x, y) : 7);
}

TEST(CaveClipboard, PasteBackDropsTypingSinceTheCopyAndClearsTheDemo) {
  EditorFixture f(5, 2);
  f.DemoFlag() = 255;
  f.editor->panel.texts[FieldDiamonds] = "44";
  CopyLevel(*f.game, *f.editor);
  EXPECT_EQ(f.Property(PropDiamondsNeeded), 44);  // the panel was stored first
  EXPECT_EQ(f.Modified(), 1);  // which changed a byte; the copy itself changes nothing
  f.game->caveSet.cavesModified = 0;
  CopyLevel(*f.game, *f.editor);
  EXPECT_EQ(f.Modified(), 0);
  const CaveSet atCopy = f.game->caves;
  f.Cell(3, 3) = 24;
  f.editor->panel.texts[FieldDiamonds] = "99";
  ASSERT_TRUE(PasteLevel(*f.game, *f.editor));
  EXPECT_EQ(f.Cell(3, 3), atCopy.Cell(5, 2, 3, 3));
  EXPECT_EQ(f.editor->panel.texts[FieldDiamonds], "44");
  EXPECT_EQ(f.Modified(), 1);
  EXPECT_EQ(f.DemoFlag(), 0);
  // the clipboard holds values: later edits of the copied level do not reach it
  f.Cell(4, 4) = 28;
  ASSERT_TRUE(PasteLevel(*f.game, *f.editor));
  EXPECT_EQ(f.Cell(4, 4), atCopy.Cell(5, 2, 4, 4));
}

TEST(CaveClipboard, PasteWithNothingCopiedOrAfterReenteringDoesNothing) {
  EditorFixture f;
  const CaveSet before = f.game->caves;
  EXPECT_FALSE(PasteLevel(*f.game, *f.editor));
  CopyLevel(*f.game, *f.editor);
  f.game->play.editorActive = 0;  // left: entering again empties the clipboard
  EnterEditor(*f.game, *f.editor);
  EXPECT_FALSE(PasteLevel(*f.game, *f.editor));
  EXPECT_EQ(f.game->caves.bytes, before.bytes);
  EXPECT_EQ(f.Modified(), 0);
}

TEST(CaveClipboard, ClearGivesTheNewSetLevelAndKeepsASmallCavesOutside) {
  EditorFixture f;
  Pattern(f, 60);
  f.DemoFlag() = 255;
  ClearLevel(*f.game, *f.editor);
  const uint8_t expected[22] = {120, 10, 5, 10, 20, 50, 200, 32, 4, 18, 21, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int column = 0; column < 22; ++column) EXPECT_EQ(f.Property(column), expected[column]);
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) EXPECT_EQ(f.Cell(x, y), x == 0 || y == 0 || x == 39 || y == 21 ? 7 : 1);
  EXPECT_EQ(f.DemoFlag(), 0);
  EXPECT_EQ(f.Modified(), 1);
  EXPECT_EQ(f.editor->panel.texts[FieldCaveTime], "120");

  EditorFixture small(19, 0);
  Pattern(small, 60);
  const CaveSet before = small.game->caves;
  ClearLevel(*small.game, *small.editor);
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) {
      const bool outside = x >= 20 || y >= 12;
      const bool frame = x == 0 || y == 0 || x == 19 || y == 11;
      EXPECT_EQ(small.Cell(x, y), outside ? before.Cell(19, 0, x, y) : frame ? 7 : 1);
    }
}

}  // namespace
}  // namespace quarrion
