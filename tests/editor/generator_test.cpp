#include "editor/generator.h"

#include <gtest/gtest.h>

#include "editor/editor_fields.h"
#include "tests/editor/editor_test_support.h"

namespace quarrion {
namespace {

using testing::EditorFixture;

constexpr uint8_t kDirtEntry = 1;
constexpr uint8_t kBoulderEntry = 3;
constexpr uint8_t kDiamondEntry = 4;

TEST(Generator, SeedZeroWithBouldersAtSixtyGivesTheKnownFirstRow) {
  EditorFixture f;
  f.editor->panel.texts[FieldRandElement0] = "0";
  f.editor->panel.texts[FieldRandElement1] = "60";
  f.editor->generatorSlots = {kDirtEntry, kBoulderEntry, 0, 0, 0};
  GenerateLevel(*f.game, *f.editor);
  const uint8_t expected[7] = {24, 1, 24, 1, 1, 1, 24};
  for (int x = 1; x <= 7; ++x) EXPECT_EQ(f.Cell(x, 1), expected[x - 1]) << "x " << x;
  EXPECT_EQ(f.Cell(0, 1), 7);  // drew a boulder, then the frame took it
  for (int x = 0; x < 40; ++x) EXPECT_EQ(f.Cell(x, 0), 7);
  for (int x = 0; x < 40; ++x) EXPECT_EQ(f.Cell(x, 21), 7);
}

TEST(Generator, AllSettingsZeroMakeTheWholeLevelSteel) {
  EditorFixture f;
  for (int field = FieldRandElement0; field <= FieldRandElement4; ++field) f.editor->panel.texts[std::size_t(field)] = "0";
  GenerateLevel(*f.game, *f.editor);
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) EXPECT_EQ(f.Cell(x, y), 7);
}

TEST(Generator, LaterElementsWinAndUnreadableTextsCountAsZero) {
  EditorFixture f;
  f.editor->panel.texts[FieldRandElement0] = "9";
  f.editor->panel.texts[FieldRandElement1] = "255";
  f.editor->panel.texts[FieldRandElement2] = "255";
  f.editor->panel.texts[FieldRandElement3] = "x";
  f.editor->generatorSlots = {kDirtEntry, kBoulderEntry, kDiamondEntry, 12, 0};
  GenerateLevel(*f.game, *f.editor);
  int diamonds = 0, boulders = 0, amoeba = 0;
  for (int y = 1; y <= 20; ++y)
    for (int x = 1; x <= 38; ++x) {
      diamonds += f.Cell(x, y) == 28;
      boulders += f.Cell(x, y) == 24;
      amoeba += f.Cell(x, y) == 44;
    }
  EXPECT_GT(diamonds, 38 * 20 - 10);  // only a draw of 255 escapes both
  EXPECT_EQ(boulders, 0);             // element 2 wins wherever element 1 does
  EXPECT_EQ(amoeba, 0);               // element 3's text was unreadable: probability 0
}

TEST(Generator, IsRepeatableAndKeepsASmallCavesDemoArea) {
  EditorFixture f(17, 2);
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x)
      if (x >= 20 || y >= 12) f.Cell(x, y) = uint8_t(x + y);
  const CaveSet before = f.game->caves;
  f.editor->panel.texts[FieldRandElement0] = "77";
  f.editor->panel.texts[FieldRandElement1] = "100";
  f.editor->generatorSlots = {kDirtEntry, kDiamondEntry, 0, 0, 0};
  GenerateLevel(*f.game, *f.editor);
  const CaveSet first = f.game->caves;
  GenerateLevel(*f.game, *f.editor);
  EXPECT_EQ(first.bytes, f.game->caves.bytes);
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) {
      if (x >= 20 || y >= 12) {
        EXPECT_EQ(f.Cell(x, y), before.Cell(17, 2, x, y));
      } else if (x == 0 || y == 0 || x == 19 || y == 11) {
        EXPECT_EQ(f.Cell(x, y), 7);
      }
    }
  // no other level and no property changes
  for (int column = 0; column < 22; ++column) EXPECT_EQ(f.Property(column), before.PropertyAt(17, 2, column));
  EXPECT_EQ(f.game->caves.Cell(17, 3, 5, 5), before.Cell(17, 3, 5, 5));
}

TEST(Generator, ASmallCaveGetsTheFullCavesPatternInItsCorner) {
  EditorFixture full;
  EditorFixture small(16, 0);
  for (EditorFixture* f : {&full, &small}) {
    f->editor->panel.texts[FieldRandElement0] = "5";
    f->editor->panel.texts[FieldRandElement1] = "128";
    f->editor->generatorSlots = {kDirtEntry, kBoulderEntry, 0, 0, 0};
    GenerateLevel(*f->game, *f->editor);
  }
  for (int y = 1; y <= 10; ++y)
    for (int x = 1; x <= 18; ++x) EXPECT_EQ(small.Cell(x, y), full.Cell(x, y));
}

TEST(Generator, ASlotAboveTheLastEntryCountsAsSteel) {
  EXPECT_EQ(SlotElement(14), 60);
  EXPECT_EQ(SlotElement(15), 7);
  EXPECT_EQ(SlotElement(255), 7);
}

TEST(Generator, TheCommandStoresFirstMarksTheSetAndDropsTheDemo) {
  EditorFixture f(2, 1);
  f.DemoFlag() = 255;
  f.editor->panel.texts[FieldCaveTime] = "150";
  f.editor->panel.texts[FieldRandElement1] = "40";
  f.editor->generatorSlots = {kDirtEntry, kBoulderEntry, 0, 0, 0};
  GenerateCaveCommand(*f.game, *f.editor);
  EXPECT_EQ(f.Property(PropCaveTime), 150);
  EXPECT_EQ(f.Property(PropGeneratorProbability1), 40);
  EXPECT_EQ(f.Property(PropGeneratorElement1), kBoulderEntry);
  EXPECT_EQ(f.Modified(), 1);
  EXPECT_EQ(f.DemoFlag(), 0);
  EXPECT_EQ(ShowCaveLevel(*f.game).demo, false);
}

}  // namespace
}  // namespace quarrion
