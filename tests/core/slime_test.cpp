#include <gtest/gtest.h>

#include "core/random.h"
#include "tests/core/cave_text.h"

namespace quarrion {
namespace {

using test::CaveText;
using test::Rows;

TEST(SlimeTest, PermeabilityOneLetsEveryObjectPassAtTheFirstPass) {
  CaveText cave({"#######",
                 "# O + #",
                 "# S S #",
                 "#     #",
                 "#     #",
                 "#######"});
  cave.Variant(2, 1) = 2;
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#######", "#     #", "# S S #", "# o + #", "#     #", "#######"}));
  EXPECT_EQ(cave.Motion(2, 3), 9);
  EXPECT_EQ(cave.Motion(4, 3), 9);
  EXPECT_EQ(cave.game().sounds.sndOoze, 2);
  EXPECT_EQ(cave.Variant(2, 3), 2) << "the boulder keeps its look";
}

TEST(SlimeTest, DrawIsMadeEveryPassAlsoWhenTheCellBelowIsTaken) {
  CaveText cave({"#####",
                 "# O #",
                 "# S #",
                 "# . #",
                 "#####"});
  cave.game().params.slimePermeability = 3;
  cave.Pass(4);
  Random expected;
  expected.SetState(Random::kStartState);
  for (int i = 0; i < 4; ++i) expected(12);
  EXPECT_EQ(cave.game().random.State(), expected.State()) << "one draw per pass, even for nothing";
  EXPECT_EQ(cave.Code(2, 1), Boulder);
}

TEST(SlimeTest, ObjectPassesAtThePassTheDrawAllows) {
  CaveText cave({"#####",
                 "# O #",
                 "# S #",
                 "#   #",
                 "#####"});
  cave.game().params.slimePermeability = 6;
  Random expected;
  expected.SetState(Random::kStartState);
  int passes = 1;
  while (!expected.Chance(6)) ++passes;
  ASSERT_GT(passes, 1) << "the case needs at least one failed draw";
  cave.Pass(passes - 1);
  EXPECT_EQ(cave.Code(2, 1), Boulder) << "a resting object waits on the slime";
  cave.Pass();
  EXPECT_EQ(cave.Code(2, 1), Space);
  EXPECT_EQ(cave.Code(2, 3), BoulderFalling);
}

TEST(SlimeTest, FallingObjectThatDoesNotPassComesToRest) {
  CaveText cave({"#####",
                 "# o #",
                 "# S #",
                 "#   #",
                 "#####"});
  cave.game().params.slimePermeability = 255;
  Random expected;
  expected.SetState(Random::kStartState);
  ASSERT_FALSE(expected.Chance(255));
  cave.Pass();
  EXPECT_EQ(cave.Code(2, 1), Boulder);
  EXPECT_EQ(cave.game().sounds.sndFall, 3) << "with its landing sound";
}

TEST(SlimeTest, SlimeIsAWallForCreaturesAndAmoeba) {
  CaveText cave({"#####",
                 "#S<S#",
                 "#SSS#",
                 "#SAS#",
                 "#SSS#",
                 "#####"});
  cave.Pass(3);
  EXPECT_EQ(cave.Code(2, 1), FireflyDown) << "turned on the spot three times";
  EXPECT_EQ(cave.Code(2, 3), Amoeba);
  EXPECT_EQ(cave.Count(Slime), 10);
}

}  // namespace
}  // namespace quarrion
