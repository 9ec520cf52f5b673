#include <gtest/gtest.h>

#include "tests/core/cave_text.h"

namespace quarrion {
namespace {

using test::CaveText;
using test::Rows;

TEST(MagicWallTest, BoulderThroughAFreshWallComesOutAsAFallingDiamond) {
  CaveText cave({"#####",
                 "# o #",
                 "# M #",
                 "#   #",
                 "#   #",
                 "#####"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#   #", "# M #", "# + #", "#   #", "#####"}));
  EXPECT_EQ(cave.Motion(2, 3), 5);
  EXPECT_EQ(cave.game().play.magicWallState, 1) << "the first object wakes the wall";
  EXPECT_EQ(cave.game().sounds.sndFall, 1);
  EXPECT_EQ(cave.shell.looped, std::vector<int>{20}) << "the wall below hums from the same pass";
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#   #", "# M #", "#   #", "# + #", "#####"}))
      << "the new diamond goes on falling";
  EXPECT_EQ(cave.shell.looped.size(), 1u) << "the hum is started once";
}

TEST(MagicWallTest, DiamondThroughAnActiveWallBecomesABoulder) {
  CaveText cave({"#####",
                 "# + #",
                 "# M #",
                 "#   #",
                 "#####"});
  cave.game().play.magicWallState = 1;
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#   #", "# M #", "# o #", "#####"}));
  EXPECT_EQ(cave.game().sounds.sndFall, 2);
}

TEST(MagicWallTest, ObjectIsLostWhenTheCellBelowTheWallIsTaken) {
  CaveText cave({"#####",
                 "# o #",
                 "# M #",
                 "# . #",
                 "#####"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#   #", "# M #", "# . #", "#####"}));
  EXPECT_EQ(cave.Motion(2, 2), 1) << "a boulder sinking into the wall";
}

TEST(MagicWallTest, ExpiredWallDestroysWhatFallsInAndStopsItsHum) {
  CaveText cave({"#####",
                 "# + #",
                 "# M #",
                 "#   #",
                 "#####"});
  cave.game().play.magicWallState = 2;
  cave.game().play.magicWallSoundOn = 1;
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#   #", "# M #", "#   #", "#####"}));
  EXPECT_EQ(cave.Motion(2, 2), 2) << "a diamond sinking into the wall";
  EXPECT_EQ(cave.game().sounds.sndFall, 1) << "the expired wall's sound for a diamond";
  EXPECT_EQ(cave.game().play.magicWallState, 2) << "expired stays expired";
  EXPECT_EQ(cave.shell.stopped, std::vector<int>{20});
  EXPECT_EQ(cave.game().play.magicWallSoundOn, 0);
}

TEST(MagicWallTest, ObjectsAtRestOnTheWallNeitherWakeNorEnterIt) {
  CaveText cave({"#####",
                 "# O #",
                 "# M #",
                 "#   #",
                 "#####"});
  cave.Pass(3);
  EXPECT_EQ(cave.Picture(), Rows({"#####", "# O #", "# M #", "#   #", "#####"}));
  EXPECT_EQ(cave.game().play.magicWallState, 0);
  EXPECT_TRUE(cave.shell.looped.empty()) << "a dormant wall is silent";
}

TEST(MagicWallTest, WakingTheWallTurnsASlowlyGrowingAmoebaIntoDiamonds) {
  const std::vector<std::string> rows = {"######", "# o  #", "# M  #", "#    #", "#  A.#", "######"};
  CaveText slow(rows);
  slow.game().play.amoebaActive = 1;
  slow.Pass();
  EXPECT_EQ(slow.game().play.amoebaToDiamonds, 1);
  EXPECT_EQ(slow.Code(3, 4), Diamond) << "the amoeba below the wall turns in the same pass";

  CaveText fast(rows);
  fast.game().play.amoebaActive = 1;
  fast.game().params.amoebaSlowTime = 0;
  fast.Pass();
  EXPECT_EQ(fast.Code(3, 4), Amoeba) << "once the slow time is over the wall leaves the amoeba alone";
}

}  // namespace
}  // namespace quarrion
