#include <gtest/gtest.h>

#include "core/cave_set.h"
#include "core/elements.h"

namespace quarrion {
namespace {

TEST(CaveSet, IsColumnMajorWithBlocksOfTwentyFourRows) {
  CaveSet caves;
  caves.Cell(3, 2, 5, 7) = 99;  // cave D level 3: block 17, first row 408
  EXPECT_EQ(caves.bytes[5 * 2400 + 408 + 7], 99);
  caves.PropertyAt(19, 4, 11) = 77;  // last block's property row is row 2398
  EXPECT_EQ(caves.bytes[11 * 2400 + 2398], 77);
  caves.Record(9) = 55;
  EXPECT_EQ(caves.bytes[9 * 2400 + 23], 55);
}

TEST(CaveSet, DemoStorageLiesInTheLowerRowsOfTheSmallCaveBlocks) {
  CaveSet caves;
  // cave 7's demo is block 87: cave R (17), level 2
  caves.DemoByte(7, 0) = 1;
  caves.DemoByte(7, 399) = 2;
  caves.DemoHeaderAt(7, DemoFlagColumn) = kDemoPresent;
  EXPECT_EQ(caves.Cell(17, 2, 0, 12), 1);
  EXPECT_EQ(caves.Cell(17, 2, 39, 21), 2);
  EXPECT_EQ(caves.PropertyAt(17, 2, 22), kDemoPresent);
}

TEST(CaveSet, ScoresBeyondThreeBytesAreKeptAtTheLargestValue) {
  CaveSet caves;
  StoreHiScore(caves, 0x123456);
  EXPECT_EQ(caves.Record(1), 0x12);
  EXPECT_EQ(caves.Record(2), 0x34);
  EXPECT_EQ(caves.Record(3), 0x56);
  EXPECT_EQ(StoredHiScore(caves), 0x123456u);
  StoreSavedScore(caves, 16777216);
  EXPECT_EQ(SavedScore(caves), 16777215u) << "must not wrap round to 0";
  StoreSavedScore(caves, 16777215);
  EXPECT_EQ(SavedScore(caves), 16777215u);
}

TEST(ResetCaves, WritesTheDefaultPropertiesAndSteelFramedDirt) {
  CaveSet caves;
  caves.bytes.fill(0xAB);
  ResetCaves(caves);
  const uint8_t expected[22] = {120, 10, 5, 10, 20, 50, 200, 32, 4, 18, 21, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int cave = 0; cave < kCaveCount; ++cave)
    for (int level = 0; level < kLevelCount; ++level)
      for (int column = 0; column < 40; ++column)
        ASSERT_EQ(caves.PropertyAt(cave, level, column), column < 22 ? expected[column] : 0)
            << "cave " << cave << " level " << level << " column " << column;
  EXPECT_EQ(caves.Cell(0, 0, 0, 0), SteelWall);
  EXPECT_EQ(caves.Cell(0, 0, 39, 21), SteelWall);
  EXPECT_EQ(caves.Cell(0, 0, 1, 1), Dirt);
  EXPECT_EQ(caves.Cell(0, 0, 38, 20), Dirt);
  EXPECT_EQ(caves.Cell(16, 0, 19, 11), SteelWall);
  EXPECT_EQ(caves.Cell(16, 0, 18, 10), Dirt);
  EXPECT_EQ(caves.Cell(16, 0, 20, 5), SteelWall);
  EXPECT_EQ(caves.Cell(19, 4, 5, 15), SteelWall) << "demo rows of a small cave are steel too";
  for (int demo = 0; demo < kCaveCount; ++demo) EXPECT_EQ(caves.DemoHeaderAt(demo, DemoFlagColumn), 0);
  EXPECT_EQ(StoredHiScore(caves), 0u);
  EXPECT_EQ(caves.Record(kSavedLivesColumn), 0);
}

TEST(IsCavePlayable, NeedsAnInboxAndAClosedOutbox) {
  CaveSet caves;
  ResetCaves(caves);
  EXPECT_FALSE(IsCavePlayable(caves, 2, 1));
  caves.Cell(2, 1, 4, 4) = InBox;
  EXPECT_FALSE(IsCavePlayable(caves, 2, 1));
  caves.Cell(2, 1, 9, 9) = OutBoxOpen;
  EXPECT_FALSE(IsCavePlayable(caves, 2, 1)) << "an open exit does not count";
  caves.Cell(2, 1, 9, 9) = OutBox;
  EXPECT_TRUE(IsCavePlayable(caves, 2, 1));
  EXPECT_FALSE(IsCavePlayable(caves, 2, 2)) << "levels are separate";
}

}  // namespace
}  // namespace quarrion
