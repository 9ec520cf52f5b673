#include <gtest/gtest.h>

#include "core/random.h"
#include "tests/core/cave_text.h"

namespace quarrion {
namespace {

using test::CaveText;
using test::Keys;
using test::Rows;

TEST(PlayerTest, InboxOpensAfterItsDelayAndThePlayerActsFourPassesLater) {
  CaveText cave({"#####",
                 "#I  #",
                 "#####"});
  cave.game().params.inboxDelay = 2;
  cave.Pass(2);
  EXPECT_EQ(cave.Code(1, 1), InBox);
  EXPECT_EQ(cave.game().play.playerAlive, 1) << "a waiting inbox counts as a player";
  cave.Pass();
  EXPECT_EQ(cave.Code(1, 1), PlayerBirth1) << "delay D opens in pass D + 1";
  cave.Pass();
  EXPECT_EQ(cave.Code(1, 1), PlayerBirth2);
  EXPECT_EQ(cave.game().sounds.sndChime, 1);
  cave.Pass();
  EXPECT_EQ(cave.Code(1, 1), PlayerBirth3);
  EXPECT_EQ(cave.game().play.playerBorn, 0);
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.Code(1, 1), Player) << "the newborn player does not move in its birth pass";
  EXPECT_EQ(cave.game().play.playerBorn, 1);
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.Picture(), Rows({"#####", "# P #", "#####"}));
}

TEST(PlayerTest, DelayIsCountedOncePerPassAndEveryInboxOpens) {
  CaveText cave({"######",
                 "#I  I#",
                 "######"});
  cave.game().params.inboxDelay = 1;
  cave.Pass();
  EXPECT_EQ(cave.game().params.inboxDelay, 0) << "two inboxes must not count the delay twice";
  cave.Pass();
  EXPECT_EQ(cave.Code(1, 1), PlayerBirth1);
  EXPECT_EQ(cave.Code(4, 1), PlayerBirth1);
}

TEST(PlayerTest, WalkingMovesOneCellPerPassWithMotionAndSound) {
  CaveText cave({"#######",
                 "#P .* #",
                 "#######"});
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.Picture(), Rows({"#######", "# P.* #", "#######"}))
      << "a player moved right is marked and not moved again by the same pass";
  EXPECT_EQ(cave.Motion(2, 1), 2);
  EXPECT_EQ(cave.game().sounds.sndPlayer, 1);
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.Motion(3, 1), 6) << "through dirt";
  EXPECT_EQ(cave.game().sounds.sndPlayer, 2);
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.Motion(4, 1), 10) << "onto a diamond";
  EXPECT_EQ(cave.game().sounds.sndPlayer, 3);
  EXPECT_EQ(cave.game().play.diamondsCollected, 1);
  EXPECT_EQ(cave.game().play.playerX, 4) << "cave coordinates follow the move";
  EXPECT_EQ(cave.game().play.playerY, 1);
  cave.Pass(1, Keys('L'));
  EXPECT_EQ(cave.Picture(), Rows({"#######", "#  P  #", "#######"}));
  EXPECT_EQ(cave.Motion(3, 1), 3);
}

TEST(PlayerTest, WalkingUpAndDownUsesTheDownAndUpMotionCodes) {
  CaveText cave({"###",
                 "# #",
                 "#P#",
                 "#.#",
                 "###"});
  cave.Pass(1, Keys('U'));
  EXPECT_EQ(cave.Code(1, 1), Player);
  EXPECT_EQ(cave.Motion(1, 1), 4);
  cave.Pass(2, Keys('D'));
  EXPECT_EQ(cave.Code(1, 3), Player);
  EXPECT_EQ(cave.Motion(1, 3), 5);
}

TEST(PlayerTest, BlockedWalkStillShowsTheWalkingLookAndFacing) {
  CaveText cave({"###",
                 "#P#",
                 "###"});
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.game().play.playerAnim, 12);
  EXPECT_EQ(cave.game().play.playerMoving, 1);
  cave.Pass(1, Keys('L'));
  EXPECT_EQ(cave.game().play.playerAnim, 11);
  EXPECT_EQ(cave.game().play.playerFacingRight, 0);
  cave.Pass(1, Keys('U'));
  EXPECT_EQ(cave.game().play.playerAnim, 11) << "up keeps the last sideways facing";
}

TEST(PlayerTest, PushWithChanceOneMovesTheBoulderEveryPass) {
  CaveText cave({"#########",
                 "#PO     #",
                 "#########"});
  cave.Pass(3, Keys('R'));
  EXPECT_EQ(cave.Picture(), Rows({"#########", "#   PO  #", "#########"}));
  EXPECT_EQ(cave.game().sounds.sndPlayer, 4);
  EXPECT_EQ(cave.Motion(5, 1), 2);
  cave.Pass(1, Keys('L'));
  EXPECT_EQ(cave.Picture(), Rows({"#########", "#  P O  #", "#########"}))
      << "stepping back does not pull the boulder";
}

TEST(PlayerTest, PushWithChanceEightFollowsTheDrawsOfTheGenerator) {
  CaveText cave({"########################################",
                 "#PO                                    #"});
  cave.game().params.pushProbability = 8;
  Random expected;
  expected.SetState(Random::kStartState);
  int boulderAt = 2;
  int pushes = 0;
  for (int pass = 0; pass < 60; ++pass) {
    cave.Pass(1, Keys('R'));
    if (expected.Chance(8)) {
      ++boulderAt;
      ++pushes;
    }
    ASSERT_EQ(cave.Code(boulderAt, 1), Boulder) << "pass " << pass;
    ASSERT_EQ(cave.Code(boulderAt - 1, 1), Player) << "pass " << pass;
  }
  EXPECT_GT(pushes, 2);
  EXPECT_LT(pushes, 20) << "about one pass in eight";
}

TEST(PlayerTest, BlockedPushDrawsNothing) {
  CaveText cave({"#####",
                 "#PO.#",
                 "#####"});
  cave.game().params.pushProbability = 8;
  cave.Pass(5, Keys('R'));
  EXPECT_EQ(cave.game().random.State(), Random::kStartState) << "no draw without space beyond";
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#PO.#", "#####"}));
}

TEST(PlayerTest, BouldersAreNotPushedUpOrDown) {
  CaveText cave({"###",
                 "#P#",
                 "#O#",
                 "# #",
                 "###"});
  cave.At(1, 3) = Dirt;
  cave.Pass(1, Keys('D'));
  EXPECT_EQ(cave.Code(1, 1), Player);
  EXPECT_EQ(cave.Code(1, 2), Boulder);
}

TEST(PlayerTest, WalkingPushOverAHoleDropsAtOnceFirePushRestsFirst) {
  const std::vector<std::string> rows = {"######", "#PO  #", "### ##", "### ##", "######"};
  CaveText walk(rows);
  walk.Pass(1, Keys('R'));
  EXPECT_EQ(walk.Picture(), Rows({"######", "# Po #", "### ##", "### ##", "######"}))
      << "the walking push leaves a falling boulder";
  walk.Pass();
  EXPECT_EQ(walk.Code(3, 2), BoulderFalling);

  CaveText fire(rows);
  fire.Pass(1, Keys('r'));
  EXPECT_EQ(fire.Picture(), Rows({"######", "#P O #", "### ##", "### ##", "######"}))
      << "a push with fire leaves the player in place and the boulder at rest";
  EXPECT_EQ(fire.game().play.boulderPushed, 0);
  EXPECT_EQ(fire.Motion(3, 1), 2);
}

TEST(PlayerTest, FireTakesDirtAndDiamondsWithoutMoving) {
  CaveText cave({"#####",
                 "#.P*#",
                 "#####"});
  cave.Pass(1, Keys('l'));
  EXPECT_EQ(cave.Picture(), Rows({"#####", "# P*#", "#####"}));
  EXPECT_EQ(cave.Motion(1, 1), 2);
  EXPECT_EQ(cave.game().sounds.sndPlayer, 2);
  cave.Pass(1, Keys('r'));
  EXPECT_EQ(cave.Picture(), Rows({"#####", "# P #", "#####"}));
  EXPECT_EQ(cave.Motion(3, 1), 1);
  EXPECT_EQ(cave.game().sounds.sndPlayer, 3);
  EXPECT_EQ(cave.game().play.score, 5) << "taken like walked onto";
  EXPECT_EQ(cave.game().play.playerX, 2);
  cave.Pass(1, Keys('r'));
  EXPECT_EQ(cave.Picture(), Rows({"#####", "# P #", "#####"})) << "fire into space does nothing";
}

TEST(PlayerTest, FireIntoTheOpenExitCountsAsEnteringIt) {
  CaveText cave({"#####",
                 "#PE #",
                 "#####"});
  cave.Pass(1, Keys('r'));
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#Q  #", "#####"}));
  cave.Pass();
  EXPECT_EQ(cave.game().play.phase, 5);
  EXPECT_EQ(cave.game().sounds.sndExitLong, 1);
  EXPECT_EQ(cave.game().sounds.sndExitShort, 0) << "plenty of time left";
}

TEST(PlayerTest, WalkingIntoTheExitEndsTheCaveInTheNextPass) {
  CaveText cave({"#####",
                 "#PE #",
                 "#####"});
  cave.game().params.caveTime = 50;
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.Code(2, 1), PlayerInExit);
  EXPECT_EQ(cave.game().play.phase, 0) << "the exit is reached in a later pass";
  cave.Pass();
  EXPECT_EQ(cave.game().play.phase, 5);
  EXPECT_EQ(cave.game().sounds.sndExitShort, 1);
}

TEST(PlayerTest, ExitDuringADemoEndsTheDemoInsteadOfTheCave) {
  CaveText cave({"####",
                 "#Q #",
                 "####"});
  cave.game().play.demoRecording = 1;
  cave.Pass();
  EXPECT_EQ(cave.game().play.phase, 8) << "the recording ends and covers the screen";
  EXPECT_EQ(cave.game().play.demoRecording, 0);
  EXPECT_EQ(cave.game().sounds.sndExitLong, 0) << "no time bonus for a demo";
}

TEST(PlayerTest, IdlePlayerDrawsBlinkThenTapEveryPass) {
  CaveText cave({"###",
                 "#P#",
                 "###"});
  Random expected;
  expected.SetState(Random::kStartState);
  bool tapping = false;
  int tapsSeen = 0;
  for (int pass = 0; pass < 80; ++pass) {
    cave.Pass();
    const bool blink = expected(4) == 0;
    if (expected(16) == 0) {
      tapping = !tapping;
      ++tapsSeen;
    }
    const int anim = tapping ? (blink ? 10 : 9) : (blink ? 8 : 7);
    ASSERT_EQ(cave.game().play.playerAnim, anim) << "pass " << pass;
    ASSERT_EQ(cave.game().play.playerBlinking, blink ? 1 : 0);
    ASSERT_EQ(cave.game().play.playerTapping, tapping ? 1 : 0);
  }
  EXPECT_GT(tapsSeen, 0);
  EXPECT_EQ(cave.game().random.State(), expected.State());
}

TEST(PlayerTest, MovingPlayerMakesNoIdleDrawAndStopsTapping) {
  CaveText cave({"####",
                 "#P #",
                 "####"});
  cave.game().play.playerTapping = 1;
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.game().random.State(), Random::kStartState);
  EXPECT_EQ(cave.game().play.playerTapping, 0);
}

TEST(PlayerTest, DummyDeathExplodesThePlayerWhereverItIs) {
  CaveText cave({"#####",
                 "#   #",
                 "# P #",
                 "#   #",
                 "#####"});
  cave.game().play.dummyKilled = 1;
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#111#", "#111#", "#111#", "#####"}));
  EXPECT_EQ(cave.game().sounds.sndKilled, 1);
  EXPECT_EQ(cave.game().play.playerAlive, 0);
}

}  // namespace
}  // namespace quarrion
