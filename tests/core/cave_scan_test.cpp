#include <gtest/gtest.h>

#include "core/cave_scan.h"
#include "core/random.h"
#include "tests/core/cave_text.h"

namespace quarrion {
namespace {

using test::CaveText;
using test::Keys;
using test::Rows;

TEST(CaveScanTest, TransientCodesSettleWithoutActingAgain) {
  CaveText cave({"############",
                 "#          #",
                 "#          #",
                 "############"});
  const uint8_t marked[] = {HExpandingWallNew, FireflyRightMoved, FireflyDownMoved, ButterflyDownMoved,
                            ButterflyRightMoved, PlayerMoved, BoulderFallingMoved, DiamondFallingMoved,
                            AmoebaNew, VExpandingWallNew};
  const uint8_t settled[] = {HExpandingWall, FireflyRight, FireflyDown, ButterflyDown, ButterflyRight,
                             Player, BoulderFalling, DiamondFalling, Amoeba, VExpandingWall};
  for (int i = 0; i < 10; ++i) cave.At(1 + i, 1) = marked[i];
  const uint32_t before = cave.game().random.State();
  cave.Pass();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(cave.Code(1 + i, 1), settled[i]) << "cell " << i;
  EXPECT_EQ(cave.Count(Space), 10) << "nothing moved or grew in the settling pass";
  EXPECT_EQ(cave.game().random.State(), before);
}

TEST(CaveScanTest, CodesWithoutARuleStayAsTheyAre) {
  CaveText cave({"##########",
                 "#        #",
                 "##########"});
  const uint8_t inert[] = {6, 29, 47, 48, 49, 54, 57, 61, 128, 255};
  for (int i = 0; i < 8; ++i) cave.At(1 + i, 1) = inert[i];
  cave.At(1, 2) = inert[8];
  cave.At(2, 2) = inert[9];
  cave.Pass(3);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(cave.Code(1 + i, 1), inert[i]);
  EXPECT_EQ(cave.Code(1, 2), 128);
  EXPECT_EQ(cave.Code(2, 2), 255);
}

TEST(CaveScanTest, MotionMapHoldsOnlyTheLastPass) {
  CaveText cave({"#####",
                 "#P  #",
                 "#####"});
  cave.Pass(1, Keys('R'));
  EXPECT_EQ(cave.Motion(2, 1), 2);
  cave.Pass();
  EXPECT_EQ(cave.Motion(2, 1), 0);
}

TEST(CaveScanTest, ControlsArePolledOncePerRow) {
  CaveText cave({"###",
                 "#P#",
                 "###"});
  cave.Pass(2);
  EXPECT_EQ(cave.shell.polls, 2 * kMapHeight);
}

TEST(CaveScanTest, PassWithoutAPlayerLosesIt) {
  CaveText cave({"####",
                 "#  #",
                 "####"});
  cave.Pass();
  EXPECT_EQ(cave.game().play.playerAlive, 0);
}

TEST(CaveScanTest, BirthStagesCountAsAPlayerButTheExitDoesNot) {
  CaveText birth({"####",
                  "#  #",
                  "####"});
  birth.At(1, 1) = PlayerBirth2;
  birth.Pass();
  EXPECT_EQ(birth.game().play.playerAlive, 1);

  CaveText exit({"####",
                 "#Q #",
                 "####"});
  exit.Pass();
  EXPECT_EQ(exit.game().play.playerAlive, 0);
  EXPECT_EQ(exit.game().play.phase, 5);
}

TEST(CaveScanTest, ExitOpensThePassAfterTheNeededDiamondUnlessItComesLater) {
  CaveText before({"######",
                   "#X   #",
                   "#P*  #",
                   "######"});
  before.game().params.diamondsNeeded = 1;
  before.Pass(1, Keys('R'));
  EXPECT_EQ(before.Code(1, 1), OutBox) << "visited before the diamond was collected";
  before.Pass();
  EXPECT_EQ(before.Code(1, 1), OutBoxOpen);

  CaveText after({"######",
                  "#P*  #",
                  "#X   #",
                  "######"});
  after.game().params.diamondsNeeded = 1;
  after.Pass(1, Keys('R'));
  EXPECT_EQ(after.Code(1, 2), OutBoxOpen) << "the exit below the player opens in the same pass";
}

TEST(CaveScanTest, NoDiamondsNeededOpensTheExitAtTheFirstPass) {
  CaveText cave({"####",
                 "#XP#",
                 "####"});
  cave.game().params.diamondsNeeded = 0;
  cave.Pass();
  EXPECT_EQ(cave.Code(1, 1), OutBoxOpen);
}

TEST(CaveScanTest, EnclosedVerdictNeedsAnActiveAmoeba) {
  CaveText cave({"####",
                 "#P #",
                 "####"});
  cave.Pass();
  EXPECT_EQ(cave.game().play.amoebaToDiamonds, 0);
  cave.game().play.amoebaActive = 1;
  cave.Pass();
  EXPECT_EQ(cave.game().play.amoebaToDiamonds, 1) << "an active amoeba that could not grow is enclosed";
}

TEST(CaveScanTest, RecordingSkipsItsFirstPassThenRecordsEveryPass) {
  CaveText cave({"####",
                 "#P #",
                 "####"});
  cave.game().play.demoRecording = 1;
  cave.game().play.demoRecStarted = 0;
  cave.game().play.demoRepeat = 1;
  cave.Pass();
  EXPECT_EQ(cave.game().play.demoFrame, 0) << "the first pass is the opening run's first pass";
  EXPECT_EQ(cave.game().play.demoRecStarted, 1);
  cave.Pass(3);
  EXPECT_EQ(cave.game().play.demoFrame, 3);
}

TEST(CaveScanTest, LosingThePlayerEndsADemo) {
  CaveText cave({"####",
                 "#  #",
                 "####"});
  cave.game().play.demoRecording = 1;
  cave.Pass();
  EXPECT_EQ(cave.game().play.demoRecording, 0);
  EXPECT_EQ(cave.game().play.phase, 8);
}

TEST(CaveScanTest, BrokenBorderIsSteelAgainBeforeAnyRuleReadsIt) {
  CaveText cave({"####",
                 "#<v#",
                 "#O #",
                 "####"});
  for (int y = 0; y < kGridHeight; ++y) {
    cave.game().grids.playfield(0, y) = FireflyLeft;
    cave.game().grids.playfield(kGridWidth - 1, y) = Boulder;
  }
  for (int x = 0; x < kGridWidth; ++x) {
    cave.game().grids.playfield(x, 0) = Space;
    cave.game().grids.playfield(x, kGridHeight - 1) = BoulderFalling;
  }
  cave.Pass();
  for (int y = 0; y < kGridHeight; ++y) {
    EXPECT_EQ(cave.game().grids.playfield(0, y), SteelWall);
    EXPECT_EQ(cave.game().grids.playfield(kGridWidth - 1, y), SteelWall);
  }
}

TEST(CaveScanTest, SameStartAndKeysGiveTheSamePasses) {
  const std::vector<std::string> rows = {"##########", "#P.O*A  <#", "#..*O... #", "#.S.O.rE #", "#      . #",
                                         "##########"};
  CaveText a(rows);
  CaveText b(rows);
  a.game().params.pushProbability = 3;
  b.game().params.pushProbability = 3;
  const std::string keys = "RRDDLLUrdl..FRRDD";
  for (char k : keys) {
    a.Pass(1, Keys(k));
    b.Pass(1, Keys(k));
  }
  EXPECT_EQ(a.Picture(), b.Picture());
  EXPECT_EQ(a.game().random.State(), b.game().random.State());
  EXPECT_EQ(a.game().play.score, b.game().play.score);
}

}  // namespace
}  // namespace quarrion
