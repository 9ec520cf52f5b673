#include <gtest/gtest.h>

#include "core/random.h"
#include "tests/core/cave_text.h"

namespace quarrion {
namespace {

using test::CaveText;
using test::Rows;

TEST(AmoebaTest, WithChanceOneAndFourFreeSidesACellGrowsEveryPass) {
  CaveText cave({"#####",
                 "#   #",
                 "# A #",
                 "#   #",
                 "#####"});
  cave.Pass();
  EXPECT_EQ(cave.Count(Amoeba), 2) << "one cell grown, and the grown cell does not grow again";
  EXPECT_EQ(cave.game().play.amoebaActive, 1);
  EXPECT_EQ(cave.game().play.amoebaCount, 2);
  EXPECT_EQ(cave.game().sounds.sndOoze, 1);
  Random expected;
  expected.SetState(Random::kStartState);
  expected(4);
  expected(4);
  EXPECT_EQ(cave.game().random.State(), expected.State()) << "a direction draw, then the chance";
}

TEST(AmoebaTest, GrowthIntoDirtAndSpaceUsesTheirMotionCodes) {
  CaveText cave({"#####",
                 "#...#",
                 "#.A.#",
                 "#...#",
                 "#####"});
  cave.Pass();
  Random expected;
  expected.SetState(Random::kStartState);
  const int dir = int(expected(4));
  const int dx[] = {0, -1, 1, 0};
  const int dy[] = {-1, 0, 0, 1};
  const int motion[] = {8, 7, 6, 5};
  EXPECT_EQ(cave.Code(2 + dx[dir], 2 + dy[dir]), Amoeba);
  EXPECT_EQ(cave.Motion(2 + dx[dir], 2 + dy[dir]), motion[dir]);
}

TEST(AmoebaTest, BlockedDirectionDrawMakesNoSecondDraw) {
  CaveText cave({"#####",
                 "##.##",
                 "#=A=#",
                 "##=##",
                 "#####"});
  cave.game().params.amoebaSlowProb = 2;
  cave.game().play.amoebaGrowthProb = 2;
  Random expected;
  expected.SetState(Random::kStartState);
  for (int pass = 0; pass < 30 && cave.Count(Amoeba) == 1; ++pass) {
    cave.Pass();
    if (expected(4) == 0) expected(8);
  }
  EXPECT_EQ(cave.Count(Amoeba), 2);
  EXPECT_EQ(cave.game().random.State(), expected.State());
}

TEST(AmoebaTest, AmoebaThatReachedItsMaxSizeTurnsIntoBouldersInOnePass) {
  CaveText cave({"#######",
                 "#.....#",
                 "#..A..#",
                 "#.....#",
                 "#######"});
  cave.game().params.amoebaMaxSize = 4;
  int grownTo = 0;
  for (int pass = 0; pass < 40 && cave.game().play.amoebaCount < 4; ++pass) cave.Pass();
  grownTo = cave.Count(Amoeba);
  ASSERT_GE(grownTo, 4);
  cave.Pass();
  EXPECT_EQ(cave.Count(Amoeba), 0);
  EXPECT_EQ(cave.Count(Boulder), grownTo) << "every cell, checked against the previous count";
}

TEST(AmoebaTest, MaxSizeZeroTurnsAmoebaIntoBouldersAtOnce) {
  CaveText cave({"#####",
                 "# A #",
                 "#####"});
  cave.game().params.amoebaMaxSize = 0;
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "# O #", "#####"}));
}

TEST(AmoebaTest, EnclosedActiveAmoebaTurnsIntoDiamondsThePassAfter) {
  CaveText cave({"#####",
                 "##.##",
                 "#AAA#",
                 "#####"});
  int pass = 0;
  while (cave.game().play.amoebaToDiamonds == 0 && pass < 60) {
    cave.Pass();
    ++pass;
  }
  ASSERT_EQ(cave.game().play.amoebaToDiamonds, 1);
  EXPECT_EQ(cave.Picture(), Rows({"#####", "##A##", "#AAA#", "#####"}))
      << "the pass that found no free side still leaves amoeba";
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "##*##", "#***#", "#####"}));
}

TEST(AmoebaTest, AmoebaEnclosedFromTheStartIsNeverActive) {
  CaveText cave({"#####",
                 "#=A=#",
                 "#AA=#",
                 "#####"});
  cave.Pass(20);
  EXPECT_EQ(cave.Count(Amoeba), 3) << "neither diamonds nor boulders";
  EXPECT_EQ(cave.game().play.amoebaActive, 0);
  EXPECT_EQ(cave.game().play.amoebaToDiamonds, 0);
  EXPECT_EQ(cave.game().random.State(), Random::kStartState) << "an enclosed cell draws nothing";
  EXPECT_TRUE(cave.shell.looped.empty()) << "no amoeba sound for an amoeba that never woke";
}

TEST(AmoebaTest, SoundLoopsWhileActiveAmoebaLivesAndStopsWhenNoneIsLeft) {
  CaveText cave({"######",
                 "#A   #",
                 "######"});
  cave.Pass();
  EXPECT_TRUE(cave.shell.looped.empty()) << "the amoeba wakes during its first visit";
  cave.Pass();
  EXPECT_EQ(cave.shell.looped, std::vector<int>{13});
  cave.game().params.amoebaMaxSize = 0;
  cave.Pass();
  EXPECT_EQ(cave.shell.stopped, std::vector<int>{13});
  EXPECT_EQ(cave.game().play.amoebaSoundOn, 0);
}

TEST(AmoebaTest, FallingBoulderComesToRestOnAmoeba) {
  CaveText cave({"###",
                 "#o#",
                 "#A#",
                 "###"});
  cave.Pass();
  EXPECT_EQ(cave.Code(1, 1), Boulder);
}

}  // namespace
}  // namespace quarrion
