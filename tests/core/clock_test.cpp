#include <gtest/gtest.h>

#include "core/demo.h"
#include "core/game_clock.h"
#include "tests/core/game_run.h"

namespace quarrion {
namespace {

using test::GameRun;

TEST(SimTimeTest, FramesComeEverySpeedMillisecondsAndTheClockEvery1250) {
  GameState game;
  ShellHooks shell;
  SimTime time(14);
  for (int i = 0; i < 1000; ++i) time.Tick(game, shell);
  EXPECT_EQ(time.NowMs(), 14000);
  EXPECT_EQ(time.Frames(), 1000);
  EXPECT_EQ(time.ClockTicks(), 11);

  SimTime fastest(0);
  for (int i = 0; i < 1250; ++i) fastest.Tick(game, shell);
  EXPECT_EQ(fastest.SpeedMs(), 1) << "speed 0 still lets simulated time pass";
  EXPECT_EQ(fastest.ClockTicks(), 1);
}

TEST(SimTimeTest, ExtraLifeFlashCountsDownOnEveryFrame) {
  GameState game;
  ShellHooks shell;
  SimTime time;
  game.play.extraLifeFlash = 3;
  for (int i = 0; i < 5; ++i) time.Tick(game, shell);
  EXPECT_EQ(game.play.extraLifeFlash, 0);
}

class ClockTest : public ::testing::Test {
 protected:
  // A cave in play with the player born, for calling the clock directly.
  void InPlay() {
    run.Draw(0, 0, {"#####", "#I X#", "#####"});
    run.Property(0, 0, PropCaveTime) = 11;  // 12 units
    run.StartAt(0, 0);
    run.SkipToPlay();
    ASSERT_TRUE(run.TickUntil([](const GameState& g) { return g.play.playerBorn == 1; }));
  }
  void Clock(int n = 1) {
    for (int i = 0; i < n; ++i) GameClock(run.game(), run.shell);
  }
  GameRun run;
};

TEST_F(ClockTest, CountsTheCaveTimeOnlyInPlayAndSoundsBelowTen) {
  InPlay();
  ASSERT_EQ(run.game().params.caveTime, 12);
  Clock(2);
  EXPECT_EQ(run.game().params.caveTime, 10);
  EXPECT_EQ(run.shell.Count(23), 0);
  Clock();
  EXPECT_EQ(run.game().params.caveTime, 9);
  EXPECT_EQ(run.shell.Count(23), 1);
  PauseKey(run.game(), run.shell);
  Clock(3);
  EXPECT_EQ(run.game().params.caveTime, 9) << "the clock stands still in the pause";
  PauseKey(run.game(), run.shell);
  Clock(20);
  EXPECT_EQ(run.game().params.caveTime, 0);
}

TEST_F(ClockTest, MagicWallTimeRunsOnlyWhileActiveAndEndsItInTheExpiredState) {
  InPlay();
  PlayState& s = run.play();
  run.game().params.magicWallTime = 2;
  Clock(3);
  EXPECT_EQ(run.game().params.magicWallTime, 2) << "a dormant wall keeps its time";
  s.magicWallState = 1;
  Clock();
  EXPECT_EQ(s.magicWallState, 1);
  Clock();
  EXPECT_EQ(s.magicWallState, 2);

  s.magicWallState = 1;
  run.game().params.magicWallTime = 0;
  Clock(5);
  EXPECT_EQ(s.magicWallState, 1) << "a magic wall time of 0 never expires";
}

TEST_F(ClockTest, AmoebaGrowsFastOnceItsSlowTimeHasRunOutWhileActive) {
  InPlay();
  PlayState& s = run.play();
  CaveParams& p = run.game().params;
  p.amoebaSlowTime = 2;
  p.amoebaFastProb = 3;
  s.amoebaGrowthProb = 40;
  Clock();
  EXPECT_EQ(p.amoebaSlowTime, 2) << "the slow time waits for an active amoeba";
  s.amoebaActive = 1;
  const uint8_t timeBefore = p.caveTime;
  Clock(2);
  EXPECT_EQ(p.amoebaSlowTime, 0);
  EXPECT_EQ(s.amoebaGrowthProb, 40) << "the tick that counts the slow time ends there";
  EXPECT_EQ(p.caveTime, timeBefore - 2) << "the cave time counts before the amoeba";
  Clock();
  EXPECT_EQ(s.amoebaGrowthProb, 3);
  EXPECT_EQ(s.amoebaFast, 0) << "outside a demo the switch is not remembered";
}

TEST_F(ClockTest, DoesNotCountBeforeTheBirthOrOutsideAGame) {
  run.Draw(0, 0, {"#####", "#I X#", "#####"});
  run.Property(0, 0, PropInboxDelay) = 200;
  run.StartAt(0, 0);
  run.SkipToPlay();
  const uint8_t full = run.game().params.caveTime;
  Clock(5);
  EXPECT_EQ(run.game().params.caveTime, full);
  run.play().inGame = 0;
  run.play().playerBorn = 1;
  Clock(5);
  EXPECT_EQ(run.game().params.caveTime, full);
}

TEST_F(ClockTest, AMutedIdleTitleStartsTheDemosWhenTheIdleCounterRunsDown) {
  run.Draw(2, 0, {"#####", "#I X#", "#####"});
  CaveSet& caves = run.game().caves;
  caves.DemoHeaderAt(2, DemoFlagColumn) = kDemoPresent;
  caves.DemoHeaderAt(2, DemoLevelColumn) = 0;
  run.play().idleCounter = 24;
  Clock(13);
  EXPECT_EQ(run.play().inGame, 0);
  run.shell.muted = false;
  Clock(5);
  EXPECT_EQ(run.play().inGame, 0) << "with sound on the clock never starts the demos";
  run.shell.muted = true;
  Clock();
  EXPECT_EQ(run.play().inGame, 1);
  EXPECT_EQ(run.play().demoPlaying, 1);
  EXPECT_EQ(run.play().attractMode, 1);
  EXPECT_EQ(run.play().caveNo, 2);
}

TEST_F(ClockTest, TheEndOfTheTitleTuneStartsTheDemosOnlyWhenLeftAlone) {
  run.Draw(2, 0, {"#####", "#I X#", "#####"});
  run.game().caves.DemoHeaderAt(2, DemoFlagColumn) = kDemoPresent;
  run.play().idleCounter = 24;
  TitleMusicEnded(run.game(), run.shell);
  EXPECT_EQ(run.shell.musicRestarts, 1) << "someone is at the keys: the tune plays again";
  EXPECT_EQ(run.play().inGame, 0);
  run.play().idleCounter = 10;
  TitleMusicEnded(run.game(), run.shell);
  EXPECT_EQ(run.play().demoPlaying, 1);
}

TEST_F(ClockTest, WithoutADemoTheIdleTitleStaysPut) {
  run.shell.muted = true;
  run.play().idleCounter = 10;
  Clock();
  EXPECT_EQ(run.play().inGame, 0);
  EXPECT_EQ(run.play().attractMode, 0);
  EXPECT_EQ(run.play().idleCounter, 24);
}

}  // namespace
}  // namespace quarrion
