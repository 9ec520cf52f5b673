#include <gtest/gtest.h>

#include <algorithm>

#include "core/cave_set_file.h"
#include "core/elements.h"
#include "tests/core/game_run.h"

namespace quarrion {
namespace {

using test::GameRun;

// Inbox next to the exit: with no diamond needed the player is born in pass 4 and walks into
// the exit in pass 5 (keys "....R"); the time bonus starts in pass 6.
const std::vector<std::string> kExitCave = {"####", "#IX#", "####"};
const std::string kWalkIn = "....R";

class PhasesTest : public ::testing::Test {
 protected:
  void DrawExitCave(int cave, int level, int storedTime = 119) {
    run.Draw(cave, level, kExitCave);
    run.Property(cave, level, PropCaveTime) = uint8_t(storedTime);
    run.Property(cave, level, PropDiamondsNeeded) = 0;
  }
  GameRun run;
};

TEST_F(PhasesTest, CoverTakesEightyTicksAndUncoverEightyMoreBeforeTheFirstPass) {
  DrawExitCave(0, 0);
  run.StartAt(0, 0);
  EXPECT_EQ(run.play().phase, PhaseCover);
  run.Tick(79);
  EXPECT_EQ(run.play().phase, PhaseCover);
  run.Tick();
  EXPECT_EQ(run.play().phase, PhaseUncover);
  int covered = 0;
  for (int x = 1; x <= kMapWidth; ++x)
    for (int y = 1; y <= kMapHeight; ++y) covered += run.game().grids.playfield(x, y) == CoverTile;
  EXPECT_EQ(covered, kMapWidth * kMapHeight) << "the cover ends with every cell covered";
  EXPECT_EQ(run.shell.Count(16), 2) << "cave start and the end of the cover";
  EXPECT_NE(std::find(run.shell.stopped.begin(), run.shell.stopped.end(), 16), run.shell.stopped.end());
  run.Tick(79);
  EXPECT_EQ(run.play().phase, PhaseUncover);
  run.Tick();
  EXPECT_EQ(run.play().phase, PhasePlay);
  EXPECT_EQ(run.Picture(4, 3), "####\n#IX#\n####\n");
  EXPECT_EQ(run.shell.Passes(), 0) << "no pass runs while covering or uncovering";
  run.Tick();
  EXPECT_EQ(run.shell.Passes(), 1) << "the tick after the uncover is the first pass";
  run.Tick(7);
  EXPECT_EQ(run.shell.Passes(), 1) << "one pass every eighth tick";
  run.Tick();
  EXPECT_EQ(run.shell.Passes(), 2);
  EXPECT_EQ(run.shell.framesDrawn, 169) << "every tick draws one frame";
  EXPECT_EQ(run.shell.cameraUpdates, 169);
}

TEST_F(PhasesTest, ClockWaitsForTheBirthWithInboxDelayTen) {
  run.Draw(0, 0, {"######", "#I  X#", "######"});
  run.Property(0, 0, PropInboxDelay) = 10;
  run.Property(0, 0, PropCaveTime) = 5;
  run.StartAt(0, 0);
  run.SkipToPlay();
  ASSERT_TRUE(run.TickUntil([](const GameState& g) { return g.play.playerBorn == 1; }));
  EXPECT_EQ(run.shell.Passes(), 14) << "inbox opens in pass D + 1, the player is there in D + 4";
  EXPECT_GE(run.time.ClockTicks(), 2) << "clock ticks came before the birth";
  EXPECT_EQ(run.game().params.caveTime, 6) << "the full time is shown until the player is born";
  const int64_t ticksBefore = run.time.ClockTicks();
  ASSERT_TRUE(run.TickUntil([](const GameState& g) { return g.params.caveTime == 5; }, 100));
  EXPECT_EQ(run.time.ClockTicks(), ticksBefore + 1) << "the first clock tick after the birth counts";
}

TEST_F(PhasesTest, TimeBonusAtLevelFourAddsFourPointsPerTickWithTheShortSoundAtFifty) {
  DrawExitCave(0, 3);
  run.StartAt(0, 3, kWalkIn);
  ASSERT_TRUE(run.TickUntilPhase(PhaseTimeBonus));
  EXPECT_EQ(run.game().params.caveTime, 120);
  EXPECT_EQ(run.play().score, 0);
  EXPECT_EQ(run.shell.Count(19), 1) << "the exit sound";
  EXPECT_EQ(run.shell.Count(18), 0) << "more than 50 units left";

  for (int tick = 1; tick <= 120; ++tick) {
    run.Tick();
    ASSERT_EQ(run.play().score, 4 * tick) << "one unit per tick, worth LevelNo + 1";
    ASSERT_EQ(run.shell.Count(18), tick >= 70 ? 1 : 0) << "item 18 exactly when 50 units are left";
  }
  EXPECT_EQ(run.game().params.caveTime, 0);
  EXPECT_EQ(run.play().phase, PhaseTimeBonus);
  EXPECT_NE(std::find(run.shell.stopped.begin(), run.shell.stopped.end(), 19), run.shell.stopped.end());
  EXPECT_EQ(StoredHiScore(run.game().caves), 480u) << "the hi-score goes into the record row";
  EXPECT_EQ(run.play().lives, 3) << "480 does not reach the first extra life";
  run.Tick();
  EXPECT_EQ(run.play().phase, PhaseNextCaveWait);
  EXPECT_EQ(run.play().score, 480);
}

TEST_F(PhasesTest, TimeBonusGivesExtraLivesUpToNineAndAlwaysMovesTheNextLifeScore) {
  for (int lives : {3, 9}) {
    DrawExitCave(0, 3);
    CaveSet& caves = run.game().caves;
    caves.Record(kSavedCaveColumn) = 0;
    caves.Record(kSavedLevelColumn) = 3;
    caves.Record(kSavedLivesColumn) = uint8_t(lives);
    StoreSavedScore(caves, 300);
    ReturnToTitle(run.game());
    run.shell.played.clear();
    run.StartAt(0, 3, kWalkIn);
    ASSERT_EQ(run.play().score, 300) << "the saved game continues";
    ASSERT_TRUE(run.TickUntilPhase(PhaseNextCaveWait));
    EXPECT_EQ(run.play().score, 780);
    EXPECT_EQ(run.play().nextLifeScore, 1000);
    EXPECT_EQ(run.play().lives, std::min(lives + 1, 9));
    EXPECT_EQ(run.shell.Count(17), lives < 9 ? 1 : 0);
  }
}

TEST_F(PhasesTest, CompletingASmallCaveGivesALifeWithoutSound) {
  DrawExitCave(16, 0, 9);
  DrawExitCave(4, 0);
  run.StartAt(16, 0, kWalkIn);
  ASSERT_TRUE(run.TickUntilPhase(PhaseNextCaveWait));
  EXPECT_EQ(run.play().lives, 4);
  EXPECT_EQ(run.shell.Count(17), 0);
  ASSERT_TRUE(run.TickUntilPhase(PhaseCover));
  EXPECT_EQ(run.play().caveNo, 4) << "cave 4 follows small cave 16";
}

TEST_F(PhasesTest, EscInASmallCaveLeadsOnWithoutCostingALife) {
  DrawExitCave(16, 0);
  DrawExitCave(4, 0);
  run.StartAt(16, 0);
  run.SkipToPlay();
  run.Tick(40);
  ESC(run.game(), run.shell);
  EXPECT_EQ(run.play().phase, PhaseNextCaveWait);
  EXPECT_EQ(run.play().lives, 3);
  run.Tick();
  EXPECT_EQ(run.play().phase, PhaseCover);
  EXPECT_EQ(run.play().caveNo, 4);
  EXPECT_EQ(run.play().lives, 3);
}

TEST_F(PhasesTest, EscInANormalCaveCostsALifeAndRestartsTheCave) {
  DrawExitCave(2, 1);
  run.StartAt(2, 1);
  run.SkipToPlay();
  run.Tick(20);
  ESC(run.game(), run.shell);
  EXPECT_EQ(run.play().lives, 2);
  EXPECT_EQ(run.play().phase, PhaseCover);
  EXPECT_EQ(run.play().caveNo, 2);
  EXPECT_EQ(run.play().levelNo, 1);
}

TEST_F(PhasesTest, EscDuringTheTimeBonusOrTheWaitDoesNothing) {
  DrawExitCave(0, 0);
  run.StartAt(0, 0, kWalkIn);
  ASSERT_TRUE(run.TickUntilPhase(PhaseTimeBonus));
  ESC(run.game(), run.shell);
  PauseKey(run.game(), run.shell);
  EXPECT_EQ(run.play().phase, PhaseTimeBonus);
  ASSERT_TRUE(run.TickUntilPhase(PhaseNextCaveWait));
  ESC(run.game(), run.shell);
  PauseKey(run.game(), run.shell);
  EXPECT_EQ(run.play().phase, PhaseNextCaveWait);
  EXPECT_EQ(run.play().lives, 3);
}

TEST_F(PhasesTest, AfterCaveNineteenOfTheLastLevelComesCaveZeroOfTheSameLevel) {
  const std::pair<int, int> levels[] = {{4, 4}, {2, 3}};
  for (auto [level, next] : levels) {
    DrawExitCave(19, level);
    DrawExitCave(0, next);
    run.StartAt(19, level, kWalkIn);
    ASSERT_TRUE(run.TickUntilPhase(PhaseNextCaveWait));
    ASSERT_TRUE(run.TickUntilPhase(PhaseCover));
    EXPECT_EQ(run.play().caveNo, 0);
    EXPECT_EQ(run.play().levelNo, next) << "from level " << level;
  }
}

TEST_F(PhasesTest, AnUnplayableNextCaveIsReplacedByCaveZeroLevelZero) {
  DrawExitCave(5, 2);
  run.Draw(6, 2, {"####", "#I #", "####"});  // no exit
  run.StartAt(5, 2, kWalkIn);
  ASSERT_TRUE(run.TickUntilPhase(PhaseNextCaveWait));
  run.Tick(87);
  EXPECT_EQ(run.play().phase, PhaseNextCaveWait) << "the wait is 88 ticks";
  run.Tick();
  ASSERT_EQ(run.play().phase, PhaseCover);
  EXPECT_EQ(run.play().caveNo, 0);
  EXPECT_EQ(run.play().levelNo, 0);
}

TEST_F(PhasesTest, TheWaitsFreezeTheAnimationAtTheirEntryNotAtAnOldPause) {
  DrawExitCave(0, 0);
  run.StartAt(0, 0, kWalkIn);
  run.SkipToPlay();
  run.Tick(5);
  PauseKey(run.game(), run.shell);
  ASSERT_EQ(run.play().savedSubFrame, 5);
  const uint8_t pausedToggle = run.play().animToggle;
  run.Tick(30);
  EXPECT_EQ(run.play().subFrame, 6) << "the pause puts the counters back at every tick";
  EXPECT_EQ(run.play().animToggle, pausedToggle);
  PauseKey(run.game(), run.shell);
  EXPECT_EQ(run.play().phase, PhasePlay);
  EXPECT_EQ(run.play().subFrame, 5);
  ASSERT_TRUE(run.TickUntilPhase(PhaseTimeBonus));
  EXPECT_EQ(run.play().savedSubFrame, 0) << "the pass that entered the bonus ran at SubFrame 0";
  const uint8_t toggle = run.play().animToggle;
  run.Tick(20);
  EXPECT_EQ(run.play().subFrame, 1);
  EXPECT_EQ(run.play().animToggle, toggle);
}

TEST_F(PhasesTest, OutOfTimeStopsPlayAndFireCostsALife) {
  run.Draw(0, 0, {"######", "#I  X#", "######"});
  run.Property(0, 0, PropCaveTime) = 0;  // one unit
  run.StartAt(0, 0);
  ASSERT_TRUE(run.TickUntilPhase(PhaseOutOfTime));
  EXPECT_EQ(run.game().params.caveTime, 0);
  run.Tick();
  EXPECT_EQ(run.play().playerAlive, 0);
  const int passes = run.shell.Passes();
  run.Tick(50);
  EXPECT_EQ(run.shell.Passes(), passes) << "the world stands still out of time";
  ESC(run.game(), run.shell);
  EXPECT_EQ(run.play().lives, 2);
  EXPECT_EQ(run.play().phase, PhaseCover);
}

TEST_F(PhasesTest, GameOverWritesNoLivesLeftToTheFileAndReturnsToTheTitle) {
  const std::string path = ::testing::TempDir() + "/phases_game_over.qcv";
  DrawExitCave(1, 0);
  run.game().caveSet.caveSetFileName = path;
  ASSERT_TRUE(WriteCaveSetFile(path, run.game().caves));
  run.StartAt(1, 0);
  for (int lives = 3; lives >= 1; --lives) {
    run.SkipToPlay();
    CaveSet onDisk;
    ASSERT_TRUE(ReadCaveSetFile(path, onDisk));
    EXPECT_EQ(onDisk.Record(kSavedLivesColumn), lives) << "every cave start saves the position";
    ESC(run.game(), run.shell);
  }
  EXPECT_EQ(run.play().phase, PhaseGameOver);
  EXPECT_EQ(run.play().lives, 0);
  CaveSet onDisk;
  ASSERT_TRUE(ReadCaveSetFile(path, onDisk));
  EXPECT_EQ(onDisk.Record(kSavedLivesColumn), 0);

  run.Tick(99);
  EXPECT_EQ(run.play().inGame, 1);
  run.Tick();
  EXPECT_EQ(run.play().inGame, 0) << "game over covers for 100 ticks";
  EXPECT_EQ(run.shell.musicRestarts, 1);
  EXPECT_EQ(run.play().caveNo, 1);
  run.StartAt(1, 0);
  EXPECT_EQ(run.play().lives, 3) << "the next start at the saved cave is a new game";
}

TEST_F(PhasesTest, CaveTestsGoBackToTheEditorAtTheirEnds) {
  DrawExitCave(3, 0);
  run.play().editorActive = 1;
  run.StartAt(3, 0, kWalkIn);
  EXPECT_EQ(run.play().lives, 1);
  ASSERT_TRUE(run.TickUntil([](const GameState& g) { return g.play.nextCaveDelay == 0; }));
  EXPECT_EQ(run.shell.editorReturns, 1);
  EXPECT_EQ(run.play().caveNo, 3) << "no next cave after a test";
  run.StartAt(3, 0);
  run.SkipToPlay();
  ESC(run.game(), run.shell);
  EXPECT_EQ(run.shell.editorReturns, 2);
}

TEST(PassSoundsTest, PlaysTheEventsInTheirOrderAndDrawsVariantsEvenWhenMuted) {
  GameState loud;
  GameState quiet;
  test::GameWatch loudShell(loud);
  test::GameWatch quietShell(quiet);
  quietShell.muted = true;
  for (GameState* g : {&loud, &quiet}) {
    g->sounds = SoundEvents{1, 1, 1, 1, 2, 1, 1, 1, 1};
    g->random.SetState(777);
  }
  PlayPassSounds(loud, loudShell);
  PlayPassSounds(quiet, quietShell);
  EXPECT_EQ(loud.random.State(), quiet.random.State()) << "muting must not change the game";
  EXPECT_TRUE(quietShell.played.empty());
  ASSERT_EQ(loudShell.played.size(), 9u);
  EXPECT_LE(loudShell.played[0], 2);
  EXPECT_TRUE(loudShell.played[1] == 5 || loudShell.played[1] == 6);
  EXPECT_TRUE(loudShell.played[2] == 11 || loudShell.played[2] == 12);
  EXPECT_EQ(std::vector<int>(loudShell.played.begin() + 3, loudShell.played.end()),
            (std::vector<int>{22, 10, 15, 19, 18, 9}));
}

TEST_F(PhasesTest, SoundsOfAPassPlayInTheTickOfThatPassOnly) {
  run.Draw(0, 0, {"######", "#I.. #", "#   X#", "######"});
  run.StartAt(0, 0, "....R");
  run.SkipToPlay();
  run.shell.played.clear();
  run.Tick(8 * 4);
  EXPECT_EQ(run.shell.Count(15), 1) << "the chime of the birth";
  run.shell.played.clear();
  run.Tick();
  EXPECT_EQ(run.shell.played, std::vector<int>{7}) << "digging dirt, played right after the pass";
  run.Tick(7);
  EXPECT_EQ(run.shell.played.size(), 1u) << "events are cleared at every tick";
}

}  // namespace
}  // namespace quarrion
