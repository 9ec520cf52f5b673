#include <gtest/gtest.h>

#include "tests/core/cave_text.h"

namespace quarrion {
namespace {

using test::CaveText;
using test::Rows;

TEST(ExpandingWallTest, HorizontalWallGrowsThreeThenFiveWide) {
  CaveText cave({"#########",
                 "#   H   #",
                 "#########"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#########", "#  HHH  #", "#########"}));
  EXPECT_EQ(cave.Motion(3, 1), 3);
  EXPECT_EQ(cave.Motion(5, 1), 2);
  EXPECT_EQ(cave.game().sounds.sndWall, 1);
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#########", "# HHHHH #", "#########"}))
      << "the piece grown right is marked and waits for the next pass";
}

TEST(ExpandingWallTest, VerticalWallGrowsThreeThenFiveHigh) {
  CaveText cave({"###",
                 "# #",
                 "# #",
                 "#V#",
                 "# #",
                 "# #",
                 "###"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"###", "# #", "#V#", "#V#", "#V#", "# #", "###"}));
  EXPECT_EQ(cave.Motion(1, 2), 4);
  EXPECT_EQ(cave.Motion(1, 4), 1);
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"###", "#V#", "#V#", "#V#", "#V#", "#V#", "###"}));
}

TEST(ExpandingWallTest, WallsGrowOnlyIntoSpaceAndOnlyAlongTheirAxis) {
  CaveText cave({"#####",
                 "#. .#",
                 "#.H.#",
                 "#. .#",
                 "#####"});
  cave.Pass(3);
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#. .#", "#.H.#", "#. .#", "#####"}));
  EXPECT_EQ(cave.game().sounds.sndWall, 0);
}

TEST(ExpandingWallTest, ExpandingWallIsNotRound) {
  CaveText cave({"#####",
                 "# O #",
                 "##H##",
                 "#   #",
                 "#####"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "# O #", "##H##", "#   #", "#####"}));
}

}  // namespace
}  // namespace quarrion
