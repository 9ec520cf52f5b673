#include <gtest/gtest.h>

#include "tests/core/cave_text.h"

namespace quarrion {
namespace {

using test::CaveText;
using test::Keys;
using test::Rows;

TEST(CreaturesTest, FireflyInADeadEndTurnsTwiceThenLeaves) {
  CaveText cave({"#####",
                 "#<  #",
                 "#####"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#^  #", "#####"}));
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#>  #", "#####"}));
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "# > #", "#####"}))
      << "moved right once: the marked firefly does not move again in the pass";
  EXPECT_EQ(cave.Motion(2, 1), 2);
}

TEST(CreaturesTest, FireflyFollowsTheWallRoundTheCornerAtOnce) {
  CaveText cave({"########",
                 "#      #",
                 "#    < #",
                 "### ####",
                 "#      #",
                 "########"});
  cave.Pass(2);
  EXPECT_EQ(cave.Code(3, 2), FireflyLeft);
  cave.Pass();
  EXPECT_EQ(cave.Code(3, 3), FireflyDown) << "turns down into the gap, not on past it";
  EXPECT_EQ(cave.Motion(3, 3), 1);
}

TEST(CreaturesTest, InOpenSpaceFirefliesCircleAnticlockwiseButterfliesClockwise) {
  const std::vector<std::string> open = {"######", "#    #", "#    #", "#    #", "#    #", "######"};
  CaveText firefly(open);
  firefly.At(2, 2) = FireflyLeft;
  const char* fireflyPath[] = {"v", ">", "^", "<"};
  const int fireflyAt[][2] = {{2, 3}, {3, 3}, {3, 2}, {2, 2}};
  for (int i = 0; i < 4; ++i) {
    firefly.Pass();
    EXPECT_EQ(firefly.Code(fireflyAt[i][0], fireflyAt[i][1]), test::CodeOf(fireflyPath[i][0])) << i;
  }

  CaveText butterfly(open);
  butterfly.At(2, 2) = ButterflyDown;
  const char* butterflyPath[] = {"l", "u", "r", "d"};
  const int butterflyAt[][2] = {{1, 2}, {1, 1}, {2, 1}, {2, 2}};
  for (int i = 0; i < 4; ++i) {
    butterfly.Pass();
    EXPECT_EQ(butterfly.Code(butterflyAt[i][0], butterflyAt[i][1]), test::CodeOf(butterflyPath[i][0]))
        << i;
  }
}

TEST(CreaturesTest, CreaturesMoveOnlyIntoSpace) {
  CaveText cave({"#####",
                 "#.*.#",
                 "#1u4#",
                 "#.O.#",
                 "#####"});
  cave.Pass();
  EXPECT_EQ(cave.Code(2, 2), ButterflyLeft) << "blocked on all sides it turns on the spot";
}

TEST(CreaturesTest, FireflyTouchingThePlayerExplodesToSpace) {
  CaveText cave({"######",
                 "#    #",
                 "# <P #",
                 "#    #",
                 "######"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"######", "#111 #", "#111 #", "#111 #", "######"}));
  EXPECT_EQ(cave.game().sounds.sndKilled, 1);
}

TEST(CreaturesTest, ButterflyTouchingAmoebaLeavesDiamondsAndDestroysTheAmoebaInTheBlock) {
  CaveText cave({"######",
                 "#.A..#",
                 "#.dA.#",
                 "#....#",
                 "######"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"######", "#555.#", "#555.#", "#555.#", "######"}));
  EXPECT_EQ(cave.game().sounds.sndKilled, 0) << "nobody died";
}

TEST(CreaturesTest, PlayerWhoJustMovedAlongsideIsTouchedOnlyNextPass) {
  CaveText cave({"#####",
                 "#.P.#",
                 "#< .#",
                 "#####"});
  cave.Pass(1, Keys('D'));
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#. .#", "#^P.#", "#####"}))
      << "the player arrived as a marked player and was not touched";
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#11.#", "#11.#", "#####"}));
  EXPECT_EQ(cave.game().sounds.sndKilled, 1);
}

TEST(CreaturesTest, TouchingADummyKillsThePlayerElsewhere) {
  CaveText cave({"#########",
                 "#.p<.#  #",
                 "#....# P#",
                 "#########"});
  cave.Pass();
  EXPECT_EQ(cave.game().play.dummyKilled, 1);
  EXPECT_EQ(cave.game().play.playerAlive, 0) << "the player in the other room is gone too";
  EXPECT_EQ(cave.Count(Player), 0);
}

}  // namespace
}  // namespace quarrion
