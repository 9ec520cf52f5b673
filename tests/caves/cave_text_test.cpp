#include "tools/caves/cave_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/elements.h"
#include "editor/next_random.h"
#include "tools/caves/cave_set_builder.h"

namespace quarrion {
namespace {

const char* kHeader =
    "level time diamonds value bonus magic amoeba-time amoeba-max amoeba-slow amoeba-fast slime inbox push seed "
    "boulders random-diamonds\n";

std::string LevelLines(const std::string& tail = "0 0 0") {
  std::string lines = kHeader;
  for (int level = 1; level <= 5; ++level)
    lines += std::to_string(level) + " 50 5 10 20 20 50 200 32 4 18 5 4 " + tail + "\n";
  return lines;
}

// A small cave: steel frame, inbox top left, outbox bottom right, dirt that takes the random fill.
std::vector<std::string> SmallRows() {
  std::vector<std::string> rows(12, "#" + std::string(18, ';') + "#");
  rows[0] = rows[11] = std::string(20, '#');
  rows[1][1] = 'P';
  rows[10][18] = 'X';
  rows[5][5] = 'o';
  rows[5][6] = '*';
  rows[6][7] = ' ';
  return rows;
}

std::string SmallCave(const std::vector<std::string>& rows, const std::string& levels = LevelLines()) {
  std::string text =
      "# a test cave\ncave Q\nname Test\nteaches nothing\nlegend\n'#' steel-wall\n';' random-dirt\n"
      "'P' inbox\n'X' outbox\n'o' boulder\n'*' diamond\n' ' space\nend\nmap\n";
  for (const std::string& r : rows) text += r + "\n";
  return text + "end\n" + levels;
}

std::optional<CaveText> Parse(const std::string& text, std::vector<std::string>& errors) {
  return ParseCaveText("test.cave", text, errors);
}

bool AnyErrorContains(const std::vector<std::string>& errors, const std::string& part) {
  for (const std::string& e : errors)
    if (e.find(part) != std::string::npos) return true;
  return false;
}

TEST(CaveText, ValidCaveGivesTheLegendsElementsAndTheLevelProperties) {
  std::vector<std::string> errors;
  const auto cave = Parse(SmallCave(SmallRows()), errors);
  ASSERT_TRUE(cave) << (errors.empty() ? "" : errors[0]);
  EXPECT_EQ(cave->cave, 16);
  EXPECT_EQ(cave->name, "Test");
  const LevelMap map = BuildLevelMap(*cave, 0);
  ASSERT_EQ(map.width, 20);
  ASSERT_EQ(map.height, 12);
  EXPECT_EQ(map.At(1, 1), InBox);
  EXPECT_EQ(map.At(18, 10), OutBox);
  EXPECT_EQ(map.At(5, 5), Boulder);
  EXPECT_EQ(map.At(6, 5), Diamond);
  EXPECT_EQ(map.At(7, 6), Space);
  EXPECT_EQ(map.At(2, 2), Dirt);  // random dirt with no chance set stays dirt
  EXPECT_EQ(map.At(0, 0), SteelWall);
  EXPECT_EQ(cave->levels[2].properties[PropCaveTime], 50);
  EXPECT_EQ(cave->levels[2].properties[PropInboxDelay], 5);
}

TEST(CaveText, RowOfWrongWidthIsABadMapSize) {
  std::vector<std::string> rows = SmallRows();
  rows[3].pop_back();
  std::vector<std::string> errors;
  EXPECT_FALSE(Parse(SmallCave(rows), errors));
  EXPECT_TRUE(AnyErrorContains(errors, "test.cave:18: bad map size"));
}

TEST(CaveText, MissingAndExtraRowsAreBadMapSizes) {
  std::vector<std::string> rows = SmallRows();
  rows.pop_back();
  std::vector<std::string> errors;
  EXPECT_FALSE(Parse(SmallCave(rows), errors));
  EXPECT_TRUE(AnyErrorContains(errors, "bad map size: 11 rows"));

  rows = SmallRows();
  rows.push_back(rows.back());
  errors.clear();
  EXPECT_FALSE(Parse(SmallCave(rows), errors));
  EXPECT_TRUE(AnyErrorContains(errors, "bad map size: more than 12 rows"));
}

TEST(CaveText, LetterOutsideTheLegendIsRefused) {
  std::vector<std::string> rows = SmallRows();
  rows[4][9] = 'Z';
  std::vector<std::string> errors;
  EXPECT_FALSE(Parse(SmallCave(rows), errors));
  EXPECT_TRUE(AnyErrorContains(errors, "unknown letter 'Z' in column 10"));
}

TEST(CaveText, LegendWithUnknownElementOrDoubledLetterIsRefused) {
  std::string text = SmallCave(SmallRows());
  std::vector<std::string> errors;
  EXPECT_FALSE(Parse(std::string(text).replace(text.find("'o' boulder"), 11, "'o' pebble"), errors));
  EXPECT_TRUE(AnyErrorContains(errors, "unknown element \"pebble\""));
  errors.clear();
  EXPECT_FALSE(Parse(std::string(text).replace(text.find("'o' boulder"), 11, "'*' boulder"), errors));
  EXPECT_TRUE(AnyErrorContains(errors, "letter '*' is given twice"));
}

TEST(CaveText, PropertiesOutsideTheEditorsRangesAreRefused) {
  std::string levels = LevelLines();
  levels.replace(levels.find(" 5 4 0 0 0"), 10, " 0 9 0 0 0");  // inbox delay 0, push 9
  std::vector<std::string> errors;
  EXPECT_FALSE(Parse(SmallCave(SmallRows(), levels), errors));
  EXPECT_TRUE(AnyErrorContains(errors, "inbox must be a number 1..40"));
  EXPECT_TRUE(AnyErrorContains(errors, "push must be a number 1..8"));
}

TEST(CaveText, HeaderInAnotherOrderAndMissingLevelAreRefused) {
  std::string levels = LevelLines();
  levels.replace(levels.find("time diamonds"), 13, "diamonds time");
  std::vector<std::string> errors;
  EXPECT_FALSE(Parse(SmallCave(SmallRows(), levels), errors));
  EXPECT_TRUE(AnyErrorContains(errors, "the header line must read"));

  levels = LevelLines();
  levels.erase(levels.find("\n4 ") + 1);
  errors.clear();
  EXPECT_FALSE(Parse(SmallCave(SmallRows(), levels), errors));
  EXPECT_TRUE(AnyErrorContains(errors, "no properties for level 4"));
  EXPECT_TRUE(AnyErrorContains(errors, "no properties for level 5"));
}

TEST(CaveText, RandomFillFollowsTheGeneratorsStreamOnRandomDirtOnly) {
  std::vector<std::string> errors;
  const auto cave = Parse(SmallCave(SmallRows(), LevelLines("7 100 30")), errors);
  ASSERT_TRUE(cave);
  const LevelMap map = BuildLevelMap(*cave, 0);
  uint8_t seed1 = 0;
  uint8_t seed2 = 7;
  int boulders = 0;
  int diamonds = 0;
  for (int y = 1; y <= 21; ++y) {
    for (int x = 0; x < 40; ++x) {
      NextRandom(seed1, seed2);
      if (x >= 20 || y >= 12) continue;
      const char letter = SmallRows()[std::size_t(y)][std::size_t(x)];
      if (letter != ';') {
        // drawn cells keep their element whatever the stream says
        EXPECT_EQ(map.At(x, y), cave->legend[std::size_t(letter)]) << x << "," << y;
        continue;
      }
      const uint8_t expected = seed1 < 30 ? Diamond : seed1 < 100 ? Boulder : Dirt;
      EXPECT_EQ(map.At(x, y), expected) << x << "," << y;
      boulders += expected == Boulder;
      diamonds += expected == Diamond;
    }
  }
  EXPECT_GT(boulders, 0);
  EXPECT_GT(diamonds, 0);
}

TEST(CaveText, SmallCavePlacedIntoTheSetLeavesTheDemoRowsAlone) {
  std::vector<std::string> errors;
  const auto cave = Parse(SmallCave(SmallRows(), LevelLines("3 255 0")), errors);
  ASSERT_TRUE(cave);
  auto caves = std::make_unique<CaveSet>();
  for (uint8_t& b : caves->bytes) b = 99;
  PlaceCave(*cave, *caves);
  for (int level = 0; level < kLevelCount; ++level) {
    for (int y = 0; y < kMapHeight; ++y) {
      for (int x = 0; x < kMapWidth; ++x) {
        if (x < kSmallMapWidth && y < kSmallMapHeight) continue;
        ASSERT_EQ(caves->Cell(16, level, x, y), 99) << level << ": " << x << "," << y;
      }
    }
    EXPECT_EQ(caves->Cell(16, level, 1, 1), InBox);
    EXPECT_EQ(caves->PropertyAt(16, level, PropGeneratorSeed), 3);
    EXPECT_EQ(caves->PropertyAt(16, level, PropGeneratorProbability1), 255);
    // the demo header columns of the property row are not the level's to write
    for (int column = DemoFlagColumn; column <= DemoLengthLowColumn; ++column)
      EXPECT_EQ(caves->PropertyAt(16, level, column), 99);
  }
}

TEST(CaveSetBuilder, MissingCaveAndUnplayableLevelAreReported) {
  std::vector<std::string> rows = SmallRows();
  rows[10][18] = ';';  // no outbox
  std::vector<std::string> errors;
  const auto cave = Parse(SmallCave(rows), errors);
  ASSERT_TRUE(cave);
  auto caves = std::make_unique<CaveSet>();
  BuildCaveSet({*cave, *cave}, *caves, errors);
  EXPECT_TRUE(AnyErrorContains(errors, "cave Q is also drawn in test.cave"));
  EXPECT_TRUE(AnyErrorContains(errors, "cave A has no file"));
  EXPECT_TRUE(AnyErrorContains(errors, "test.cave: level 3 needs at least one inbox and one outbox"));
}

}  // namespace
}  // namespace quarrion
