#include <gtest/gtest.h>

#include "tests/core/cave_text.h"

namespace quarrion {
namespace {

using test::CaveText;
using test::Keys;
using test::Rows;

TEST(FallingTest, PlayerStepsOutFromUnderABoulderBeforeItFalls) {
  CaveText cave({"#####",
                 "# O #",
                 "# P #",
                 "#   #",
                 "#####"});
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.Picture(), Rows({"#####", "# O #", "#  P#", "#   #", "#####"}))
      << "a resting boulder does not fall on the player standing below it";
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#   #", "# oP#", "#   #", "#####"}));
  EXPECT_EQ(cave.game().sounds.sndFall, 2) << "a boulder starting to fall";
  EXPECT_EQ(cave.game().play.playerAlive, 1);
}

TEST(FallingTest, FallingBoulderLandingOnThePlayerKillsIt) {
  CaveText cave({"#####",
                 "# o #",
                 "# P #",
                 "#   #",
                 "#####"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#111#", "#111#", "#111#", "#####"}))
      << "the trigger below the boulder explodes in the same pass and takes the boulder";
  EXPECT_EQ(cave.game().sounds.sndKilled, 1);
  EXPECT_EQ(cave.game().sounds.sndExplosion, 1);
  EXPECT_EQ(cave.game().play.playerAlive, 0);
}

TEST(FallingTest, RestingBoulderOnARoundObjectRollsLeftFirst) {
  CaveText cave({"#######",
                 "#  O  #",
                 "#  =  #",
                 "#######"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#######", "# o   #", "#  =  #", "#######"}))
      << "both sides are free: left wins and the rolled boulder is falling";
  EXPECT_EQ(cave.Motion(2, 1), 3);
  EXPECT_EQ(cave.game().sounds.sndFall, 2);
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#######", "#     #", "# o=  #", "#######"}));
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#######", "#     #", "# O=  #", "#######"}));
  EXPECT_EQ(cave.game().sounds.sndFall, 3) << "a falling boulder landing";
}

TEST(FallingTest, RollsRightOnlyWhenLeftIsBlockedAndActsOncePerPass) {
  CaveText cave({"#######",
                 "# .*  #",
                 "#  O  #",
                 "#######"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#######", "# . + #", "#  O  #", "#######"}))
      << "the diamond rolled right is marked and does not fall again in the same pass";
  EXPECT_EQ(cave.Motion(4, 1), 2);
  EXPECT_EQ(cave.game().sounds.sndFall, 1);
}

TEST(FallingTest, ObjectThatCannotRollStaysQuietlyAtRest) {
  CaveText cave({"#####",
                 "#.O.#",
                 "# * #",
                 "#####"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#.O.#", "# * #", "#####"}));
  EXPECT_EQ(cave.game().sounds.sndFall, 0);
}

TEST(FallingTest, FallingBoulderOnAFallingBoulderWaitsWithoutLanding) {
  CaveText cave({"#####",
                 "# o #",
                 "# o #",
                 "#   #",
                 "#   #",
                 "#####"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "# o #", "#   #", "# o #", "#   #", "#####"}));
  EXPECT_EQ(cave.game().sounds.sndFall, 0) << "waiting is not landing";
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#   #", "# o #", "#   #", "# o #", "#####"}));
}

TEST(FallingTest, FallingObjectsComeToRestOnWhatStopsThem) {
  CaveText cave({"###########",
                 "#o+o+o+o+o#",
                 "#.X#HAIV14#",
                 "###########"});
  cave.Pass();
  EXPECT_EQ(cave.Picture().substr(12, 11), "#O*O*O*O*O#")
      << "dirt, exit, steel, walls, amoeba, inbox and explosions all stop a fall";
}

TEST(FallingTest, FallingObjectOnATransientOrUnknownCodeWaits) {
  CaveText cave({"#####",
                 "#ooo#",
                 "#   #",
                 "#####"});
  cave.At(1, 2) = 29;
  cave.At(2, 2) = 200;
  cave.At(3, 2) = BoulderPushedRight;
  cave.Pass();
  EXPECT_EQ(cave.Code(1, 1), BoulderFalling);
  EXPECT_EQ(cave.Code(2, 1), BoulderFalling);
  EXPECT_EQ(cave.Code(3, 1), BoulderFalling);
  EXPECT_EQ(cave.Code(2, 2), 200) << "an unknown code is left alone";
}

TEST(FallingTest, BoulderCarriesItsLookWhenFallingAndRolling) {
  CaveText cave({"####",
                 "#O #",
                 "#  #",
                 "####"});
  cave.Variant(1, 1) = 3;
  cave.Variant(1, 2) = 0;
  cave.Pass();
  EXPECT_EQ(cave.Variant(1, 2), 3);
}

TEST(FallingTest, FallingOnAFireflyExplodesToSpaceOnAButterflyToNineDiamonds) {
  CaveText firefly({"#####",
                    "# o #",
                    "#.<.#",
                    "#...#",
                    "#####"});
  firefly.Pass();
  EXPECT_EQ(firefly.Picture(), Rows({"#####", "#111#", "#111#", "#111#", "#####"}));
  firefly.Pass(4);
  EXPECT_EQ(firefly.Picture(), Rows({"#####", "#   #", "#   #", "#   #", "#####"}));

  CaveText butterfly({"#####",
                      "# o #",
                      "#.d.#",
                      "#...#",
                      "#####"});
  butterfly.Pass();
  EXPECT_EQ(butterfly.Picture(), Rows({"#####", "#555#", "#555#", "#555#", "#####"}));
  butterfly.Pass(3);
  EXPECT_EQ(butterfly.Picture(), Rows({"#####", "#888#", "#888#", "#888#", "#####"}));
  butterfly.Pass();
  EXPECT_EQ(butterfly.Picture(), Rows({"#####", "#***#", "#***#", "#***#", "#####"}))
      << "nine diamonds, also where the boulder was";
}

TEST(FallingTest, DiamondFallingOnADummyIsCollected) {
  CaveText cave({"#####",
                 "# + #",
                 "# p #",
                 "#####"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#   #", "# p #", "#####"}));
  EXPECT_EQ(cave.Motion(2, 2), 1);
  EXPECT_EQ(cave.game().sounds.sndPlayer, 3);
  EXPECT_EQ(cave.game().play.diamondsCollected, 1);
  EXPECT_EQ(cave.game().play.score, 5);
  EXPECT_EQ(cave.game().play.dummyKilled, 0);
}

TEST(FallingTest, BoulderFallingOnADummyKillsThePlayerElsewhere) {
  CaveText cave({"########",
                 "# o    #",
                 "# p  P #",
                 "#      #",
                 "########"});
  cave.Pass();
  EXPECT_EQ(cave.game().play.dummyKilled, 1);
  EXPECT_EQ(cave.Picture(), Rows({"########", "#111111#", "#111111#", "#111111#", "########"}));
  EXPECT_EQ(cave.game().sounds.sndKilled, 1);
  EXPECT_EQ(cave.game().play.playerAlive, 0);
}

TEST(FallingTest, PushedRightBoulderSettlesAndDropsOnlyAfterAWalkingPush) {
  CaveText cave({"#####",
                 "#   #",
                 "#####"});
  cave.At(1, 1) = BoulderPushedRight;
  cave.game().play.boulderPushed = 1;
  cave.Pass();
  EXPECT_EQ(cave.Code(1, 1), Boulder) << "nothing below: rests, whatever the flag says";
  cave.At(2, 2) = Space;
  cave.At(2, 1) = BoulderPushedRight;
  cave.Pass();
  EXPECT_EQ(cave.Code(2, 1), BoulderFalling);
  EXPECT_EQ(cave.game().play.boulderPushed, 0);
}

}  // namespace
}  // namespace quarrion
