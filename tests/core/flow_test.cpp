#include <gtest/gtest.h>

#include "core/demo.h"
#include "tests/core/game_run.h"

namespace quarrion {
namespace {

using test::GameRun;

TEST(CaveOrderTest, SmallCavesFollowEveryFourthCaveAndTheOrderComesAround) {
  const int order[] = {0, 1, 2, 3, 16, 4, 5, 6, 7, 17, 8, 9, 10, 11, 18, 12, 13, 14, 15, 19, 0};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i)
    EXPECT_EQ(NextCaveInOrder(order[i]), order[i + 1]) << "after cave " << order[i];
  EXPECT_EQ(NextCaveInOrder(200), 0) << "a cave number from a damaged file leads to cave 0";
}

class FlowTest : public ::testing::Test {
 protected:
  void SaveRecord(int cave, int level, int lives, int32_t score) {
    CaveSet& caves = run.game().caves;
    caves.Record(kSavedCaveColumn) = uint8_t(cave);
    caves.Record(kSavedLevelColumn) = uint8_t(level);
    caves.Record(kSavedLivesColumn) = uint8_t(lives);
    StoreSavedScore(caves, score);
  }
  GameRun run;
};

TEST_F(FlowTest, ReturnToTitleTakesTheSavedPositionAndTheNextLifeScoreFromIt) {
  SaveRecord(6, 2, 4, 1234);
  run.play().demoPlaying = 1;
  run.play().attractMode = 1;
  ReturnToTitle(run.game());
  EXPECT_EQ(run.play().caveNo, 6);
  EXPECT_EQ(run.play().levelNo, 2);
  EXPECT_EQ(run.play().lives, 4);
  EXPECT_EQ(run.play().score, 1234);
  EXPECT_EQ(run.play().nextLifeScore, 1500);
  EXPECT_EQ(run.play().demoPlaying, 0);
  EXPECT_EQ(run.play().attractMode, 0);

  SaveRecord(6, 2, 4, 0);
  ReturnToTitle(run.game());
  EXPECT_EQ(run.play().nextLifeScore, 500);
  SaveRecord(6, 2, 0, 900);
  ReturnToTitle(run.game());
  EXPECT_EQ(run.play().lives, 0);
  EXPECT_EQ(run.play().score, 0) << "no lives saved: a new game";
}

TEST_F(FlowTest, ReturnToTitleReplacesASmallCaveByTheOneAfterIt) {
  const int cases[][4] = {{16, 1, 4, 1}, {17, 0, 8, 0}, {18, 3, 12, 3}, {19, 2, 0, 3}, {19, 4, 0, 4}};
  for (const auto& c : cases) {
    SaveRecord(c[0], c[1], 3, 0);
    ReturnToTitle(run.game());
    EXPECT_EQ(run.play().caveNo, c[2]) << "saved cave " << c[0];
    EXPECT_EQ(run.play().levelNo, c[3]) << "saved cave " << c[0] << " level " << c[1];
  }
}

TEST_F(FlowTest, ADamagedRecordRowNeverPointsOutsideTheSet) {
  SaveRecord(77, 9, 200, 50);
  ReturnToTitle(run.game());
  EXPECT_EQ(run.play().caveNo, 0);
  EXPECT_EQ(run.play().levelNo, 0);
  EXPECT_EQ(run.play().lives, 9);
  run.Draw(0, 0, {"####", "#IX#", "####"});
  Start(run.game(), run.shell);
  run.Tick(200);
  EXPECT_EQ(run.play().phase, PhasePlay);
}

TEST_F(FlowTest, StartContinuesOnlyTheSavedPositionWithLivesLeft) {
  run.Draw(5, 1, {"####", "#IX#", "####"});
  SaveRecord(5, 1, 2, 700);
  ReturnToTitle(run.game());
  Start(run.game(), run.shell);
  EXPECT_EQ(run.play().lives, 2);
  EXPECT_EQ(run.play().score, 700);
  EXPECT_EQ(run.play().nextLifeScore, 1000);

  ReturnToTitle(run.game());
  run.Select(5, 2);
  Start(run.game(), run.shell);
  EXPECT_EQ(run.play().lives, 3) << "another level is a new game";
  EXPECT_EQ(run.play().score, 0);
  EXPECT_EQ(run.play().nextLifeScore, 500);
}

TEST_F(FlowTest, TheFirstStartOnlyLeavesTheTitleIntro) {
  run.play().titleIntro = 1;
  Start(run.game(), run.shell);
  EXPECT_EQ(run.play().titleIntro, 0);
  EXPECT_EQ(run.play().inGame, 0);
  Start(run.game(), run.shell);
  EXPECT_EQ(run.play().inGame, 1);
}

TEST_F(FlowTest, AGameStartedInsideTheDemoChainEndsOnTheTitle) {
  run.play().attractMode = 1;
  run.play().demoPlaying = 1;
  run.Draw(0, 0, {"####", "#IX#", "####"});
  run.StartAt(0, 0);
  EXPECT_EQ(run.play().attractMode, 0);
  EXPECT_EQ(run.play().demoPlaying, 0);
}

TEST_F(FlowTest, StopWithMoreLivesGoesToTheTitleOneLifeShort) {
  run.Draw(5, 1, {"#####", "#I X#", "#####"});
  SaveRecord(5, 1, 3, 100);
  ReturnToTitle(run.game());
  Start(run.game(), run.shell);
  run.SkipToPlay();
  Stop(run.game(), run.shell);
  EXPECT_EQ(run.play().inGame, 0);
  EXPECT_EQ(run.play().lives, 2);
  EXPECT_EQ(run.play().score, 100);
  EXPECT_EQ(run.shell.Count(21), 1);
  EXPECT_EQ(run.shell.musicRestarts, 1);
  EXPECT_EQ(run.game().caves.Record(kSavedLivesColumn), 3) << "the saved position keeps its lives";
}

TEST_F(FlowTest, StopWithOneLifeIsTheReplayCommand) {
  run.Draw(5, 1, {"#####", "#I X#", "#####"});
  run.StartAt(5, 1);
  run.play().lives = 1;
  run.SkipToPlay();
  Stop(run.game(), run.shell);
  EXPECT_EQ(run.play().phase, PhaseGameOver);
  EXPECT_EQ(run.play().inGame, 1) << "the game over cover runs first";
}

TEST_F(FlowTest, NextCaveKeyStartsTheNextCaveWithAFreshScore) {
  run.Draw(2, 0, {"#####", "#I X#", "#####"});
  run.Draw(3, 0, {"#####", "#I X#", "#####"});
  run.StartAt(2, 0);
  run.SkipToPlay();
  run.play().score = 321;
  run.play().lives = 5;
  NextCaveKey(run.game(), run.shell);
  EXPECT_EQ(run.play().phase, PhaseNextCaveWait);
  EXPECT_EQ(run.play().score, 0);
  EXPECT_EQ(run.play().lives, 3);
  run.Tick();
  EXPECT_EQ(run.play().caveNo, 3);
  EXPECT_EQ(run.play().phase, PhaseCover);
  NextCaveKey(run.game(), run.shell);
  EXPECT_EQ(run.play().phase, PhaseCover) << "N acts only in play";
}

TEST_F(FlowTest, HelpPausesPlayAndOnlyPResumesIt) {
  run.Draw(2, 0, {"#####", "#I X#", "#####"});
  run.StartAt(2, 0);
  run.SkipToPlay();
  run.Tick(3);
  PauseForHelp(run.game(), run.shell);
  EXPECT_EQ(run.play().phase, PhasePause);
  PauseForHelp(run.game(), run.shell);
  EXPECT_EQ(run.play().phase, PhasePause);
  const int passes = run.shell.Passes();
  run.Tick(40);
  EXPECT_EQ(run.shell.Passes(), passes);
  PauseKey(run.game(), run.shell);
  EXPECT_EQ(run.play().phase, PhasePlay);
}

}  // namespace
}  // namespace quarrion
