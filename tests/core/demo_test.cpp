#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "core/demo.h"
#include "core/elements.h"
#include "tests/core/game_run.h"

namespace quarrion {
namespace {

using test::GameRun;

TEST(DemoCodeTest, EveryRunOfEveryMoveDecodesToItself) {
  const int maxRuns[kDemoMoveCount] = {50, 30, 20, 30, 20, 40, 10, 40, 10};
  int expectedByte = 0;
  for (int move = 0; move < kDemoMoveCount; ++move) {
    EXPECT_EQ(MaxRunOf(move), maxRuns[move]);
    for (int count = 1; count <= MaxRunOf(move); ++count) {
      const uint8_t byte = DemoByteFor(move, count);
      EXPECT_EQ(byte, expectedByte++) << "the ranges follow one another without a gap";
      const DemoRun run = DecodeDemoByte(byte);
      EXPECT_EQ(run.move, move);
      EXPECT_EQ(run.count, count);
    }
  }
  EXPECT_EQ(expectedByte, 250);
  for (int byte = 250; byte <= 255; ++byte) EXPECT_EQ(DecodeDemoByte(uint8_t(byte)).count, 0);
}

TEST(DemoCodeTest, MovesComeFromTheKeysAndGoBackIntoThem) {
  for (int move = 0; move < kDemoMoveCount; ++move) {
    KeyFlags keys;
    SetKeysOfMove(keys, move);
    EXPECT_EQ(DemoMoveOf(keys), move);
  }
  KeyFlags keys;
  keys.keyFire = 1;
  keys.keyLeft = 1;
  SetKeysOfMove(keys, 0);
  EXPECT_EQ(keys.keyLeft, 0);
  EXPECT_EQ(keys.keyFire, 1) << "move 0 leaves the fire flag as it was";
  SetKeysOfMove(keys, 2);
  EXPECT_EQ(keys.keyFire, 0) << "moves 1 to 4 clear fire";
}

class DemoTest : public ::testing::Test {
 protected:
  // Writes a demo for a cave from its bytes; the playback ends when it reaches length.
  void StoreDemo(int cave, int level, const std::vector<uint8_t>& bytes, int length,
                 int amoebaPass = 0xFFFF) {
    CaveSet& caves = run.game().caves;
    for (std::size_t i = 0; i < bytes.size(); ++i) caves.DemoByte(cave, int(i)) = bytes[i];
    caves.DemoHeaderAt(cave, DemoFlagColumn) = kDemoPresent;
    caves.DemoHeaderAt(cave, DemoLevelColumn) = uint8_t(level);
    caves.DemoHeaderAt(cave, DemoAmoebaHighColumn) = uint8_t(amoebaPass >> 8);
    caves.DemoHeaderAt(cave, DemoAmoebaLowColumn) = uint8_t(amoebaPass & 0xFF);
    caves.DemoHeaderAt(cave, DemoLengthHighColumn) = uint8_t(length >> 8);
    caves.DemoHeaderAt(cave, DemoLengthLowColumn) = uint8_t(length & 0xFF);
  }
  void Record(int cave, int level, const std::string& keys) {
    run.Select(cave, level);
    run.HoldKeys(keys);
    RecordDemoCommand(run.game(), run.shell);
  }
  void Play(GameRun& player, int cave) {
    player.Select(cave, 0);
    player.HoldKeys("");
    PlayDemoCommand(player.game(), player.shell);
  }
  bool RunToDemoEnd(GameRun& r) { return r.TickUntilPhase(PhaseDemoEnd); }

  GameRun run;
};

TEST_F(DemoTest, AnIdleRunOf120PassesIsStoredAsThreeBytes) {
  const std::string path = ::testing::TempDir() + "/demo_idle.qcv";
  run.game().caveSet.caveSetFileName = path;
  run.Draw(3, 2, {"####", "#IX#", "####"});
  run.Property(3, 2, PropDiamondsNeeded) = 0;
  Record(3, 2, std::string(120, '.') + "R");
  ASSERT_TRUE(RunToDemoEnd(run));
  EXPECT_EQ(run.shell.Passes(), 122) << "the exit is reached in pass 121 and visited in 122";
  const CaveSet& caves = run.game().caves;
  EXPECT_EQ(caves.DemoByte(3, 0), 49);
  EXPECT_EQ(caves.DemoByte(3, 1), 49);
  EXPECT_EQ(caves.DemoByte(3, 2), 19);
  EXPECT_EQ(caves.DemoByte(3, 3), 50) << "the last run is one pass to the right";
  EXPECT_EQ(DemoLength(caves, 3), 3);
  EXPECT_EQ(caves.DemoHeaderAt(3, DemoFlagColumn), kDemoPresent);
  EXPECT_EQ(caves.DemoHeaderAt(3, DemoLevelColumn), 2);
  EXPECT_EQ(caves.DemoHeaderAt(3, DemoAmoebaHighColumn), 255);
  EXPECT_EQ(caves.DemoHeaderAt(3, DemoAmoebaLowColumn), 255);
  EXPECT_EQ(run.play().demoRecording, 0);
  EXPECT_EQ(run.play().coverCounter, 114);
  CaveSet onDisk;
  ASSERT_TRUE(ReadCaveSetFile(path, onDisk));
  EXPECT_EQ(onDisk.DemoHeaderAt(3, DemoFlagColumn), kDemoPresent) << "the demo is written to the file";
  EXPECT_EQ(onDisk.Record(kSavedCaveColumn), 0) << "a recording never saves its position";

  run.Tick(113);
  EXPECT_EQ(run.play().inGame, 1);
  run.Tick();
  EXPECT_EQ(run.play().inGame, 0) << "the demo end covers for 114 ticks, then the title";
}

TEST_F(DemoTest, RecordingStopsByItselfWhen400RunsAreUsed) {
  run.Draw(0, 0, {"#####", "#OIO#", "#####"});  // the player is boxed in and goes nowhere
  std::string keys;
  for (int i = 0; i < 500; ++i) keys += i % 2 ? 'R' : 'L';
  Record(0, 0, keys);
  ASSERT_TRUE(RunToDemoEnd(run));
  EXPECT_EQ(run.shell.Passes(), 401) << "the move after the 400th run ends it";
  const CaveSet& caves = run.game().caves;
  EXPECT_EQ(DemoLength(caves, 0), 399);
  EXPECT_EQ(caves.DemoByte(0, 0), 0) << "the unrecorded first pass is the opening idle run";
  EXPECT_EQ(caves.DemoByte(0, 1), 50);
  EXPECT_EQ(caves.DemoByte(0, 2), 100);
  EXPECT_EQ(caves.DemoByte(0, 399), 50) << "pass 400 went right";
}

// The player walks to the exit, digging, taking two diamonds and pushing a boulder with chance
// 1/4 per pass; the last move (down into the exit) starts a run of its own.
const std::vector<std::string> kWalkCave = {"############", "#I.*O ......#", "#....*......#",
                                            "#.........X.#", "############"};
const std::string kWalkKeys = "........RR" + std::string(12, 'R') + "D" + std::string(6, 'R') + "D.";

TEST_F(DemoTest, ARecordedDemoReplaysToTheSameEndAndScoreAtEverySpeed) {
  run.Draw(0, 0, kWalkCave);
  run.Property(0, 0, PropDiamondsNeeded) = 2;
  run.Property(0, 0, PropPushProbability) = 4;
  run.CapturePasses(12, 5);
  Record(0, 0, kWalkKeys);
  ASSERT_TRUE(RunToDemoEnd(run));
  const std::vector<std::string> recorded = run.pictures;
  ASSERT_NE(recorded.back().find('Q'), std::string::npos) << "the recording ends in the exit";
  const int32_t score = run.play().demoEndScore;
  EXPECT_EQ(score, 10);
  EXPECT_EQ(run.play().score, 0) << "the score of a recording is dropped";

  for (int speed : {10, 14, 16}) {
    GameRun player(speed);
    player.game().caves = run.game().caves;
    player.CapturePasses(12, 5);
    Play(player, 0);
    ASSERT_TRUE(RunToDemoEnd(player)) << "speed " << speed;
    EXPECT_EQ(player.play().demoEndScore, score) << "speed " << speed;
    ASSERT_EQ(player.pictures.size() + 1, recorded.size())
        << "the playback ends with the pass into the exit, one before the visit that ended the recording";
    for (std::size_t i = 0; i < player.pictures.size(); ++i)
      ASSERT_EQ(player.pictures[i], recorded[i]) << "speed " << speed << " pass " << i + 1;
    EXPECT_NE(player.pictures.back().find('Q'), std::string::npos);
  }
}

TEST_F(DemoTest, TheAmoebaSwitchReplaysAtItsRecordedPassWhateverTheClock) {
  const std::vector<std::string> cave = {"####################", "#I.......X#........#",
                                         "#.........#........#", "#.........#....A...#",
                                         "#.........#........#", "####################"};
  const std::string keys = std::string(50, '.') + "RRRRRRDRUR.";
  run.Draw(1, 0, cave);
  run.Property(1, 0, PropDiamondsNeeded) = 0;
  run.Property(1, 0, PropAmoebaSlowTime) = 2;
  run.Property(1, 0, PropAmoebaSlowProb) = 40;
  run.Property(1, 0, PropAmoebaFastProb) = 2;
  run.CapturePasses(20, 6);
  Record(1, 0, keys);
  ASSERT_TRUE(RunToDemoEnd(run));
  const CaveSet& caves = run.game().caves;
  const int switchFrame = caves.DemoHeaderAt(1, DemoAmoebaHighColumn) * 256 +
                          caves.DemoHeaderAt(1, DemoAmoebaLowColumn);
  ASSERT_LT(switchFrame, 50) << "the switch came during the recording";
  ASSERT_EQ(run.amoebaFastAfterPass[std::size_t(switchFrame)], 0);
  ASSERT_EQ(run.amoebaFastAfterPass[std::size_t(switchFrame) + 1], 1)
      << "the recording's first fast pass is pass DemoFrame + 2";

  for (int speed : {10, 16}) {
    GameRun player(speed);
    player.game().caves = caves;
    player.CapturePasses(20, 6);
    Play(player, 1);
    ASSERT_TRUE(RunToDemoEnd(player));
    ASSERT_EQ(player.pictures.size() + 1, run.pictures.size());
    EXPECT_EQ(player.amoebaFastAfterPass,
              std::vector<uint8_t>(run.amoebaFastAfterPass.begin(), run.amoebaFastAfterPass.end() - 1));
    for (std::size_t i = 0; i < player.pictures.size(); ++i)
      ASSERT_EQ(player.pictures[i], run.pictures[i]) << "speed " << speed << " pass " << i + 1;

    // the same keys played as a game switch with the clock, at another pass
    GameRun game(speed);
    game.game().caves = caves;
    game.CapturePasses(20, 6);
    game.StartAt(1, 0, keys);
    game.SkipToPlay();
    game.Tick(8 * 60);
    EXPECT_NE(game.amoebaFastAfterPass, run.amoebaFastAfterPass) << "a test that could not fail";
  }
}

TEST_F(DemoTest, EscDuringARecordingLeavesTheCaveWithoutADemo) {
  const std::string path = ::testing::TempDir() + "/demo_esc.qcv";
  run.game().caveSet.caveSetFileName = path;
  run.Draw(4, 0, {"#####", "#I X#", "#####"});
  StoreDemo(4, 0, {49, 49}, 1);
  ASSERT_TRUE(WriteCaveSetFile(path, run.game().caves));
  Record(4, 0, "......RRRR");
  run.SkipToPlay();
  run.Tick(8 * 10);
  ESC(run.game(), run.shell);
  EXPECT_EQ(run.play().inGame, 0) << "straight to the title, without the demo end cover";
  EXPECT_EQ(run.play().demoRecording, 0);
  EXPECT_EQ(run.game().caves.DemoHeaderAt(4, DemoFlagColumn), 0);
  EXPECT_FALSE(HasDemo(run.game().caves, 4));
  CaveSet onDisk;
  ASSERT_TRUE(ReadCaveSetFile(path, onDisk));
  EXPECT_EQ(onDisk.DemoHeaderAt(4, DemoFlagColumn), kDemoPresent) << "the file is not written";
}

TEST_F(DemoTest, ARecordingEndsAtTheFirstPassThatFindsOneTimeUnitLeft) {
  run.Draw(0, 0, {"#####", "#I X#", "#####"});
  run.Property(0, 0, PropCaveTime) = 1;  // two units
  Record(0, 0, "");
  ASSERT_TRUE(RunToDemoEnd(run));
  EXPECT_EQ(run.game().params.caveTime, 1);
  EXPECT_TRUE(HasDemo(run.game().caves, 0));
  run.Tick(200);
  EXPECT_EQ(run.play().inGame, 0) << "never out of time: the cover ends on the title";
}

TEST_F(DemoTest, TimeRunningOutDuringARecordingEndsItInsteadOfStrandingItOutOfTime) {
  run.Draw(0, 0, {"#####", "#I X#", "#####"});
  Record(0, 0, "");
  run.SkipToPlay();
  run.Tick(8 * 6);
  run.game().params.caveTime = 0;  // two clock ticks between passes
  run.Tick();
  EXPECT_EQ(run.play().phase, PhaseDemoEnd);
  EXPECT_TRUE(HasDemo(run.game().caves, 0));
  run.Tick(114);
  EXPECT_EQ(run.play().inGame, 0);
}

TEST_F(DemoTest, ASecondEndInTheSamePassIsIgnored) {
  run.Draw(2, 0, {"#####", "#I X#", "#####"});
  StoreDemo(2, 0, {9, 9}, 1);
  Play(run, 2);
  run.play().attractMode = 1;
  run.SkipToPlay();
  run.shell.played.clear();
  EndDemoPlayback(run.game(), run.shell);
  ASSERT_EQ(run.play().attractMode, 0) << "the only demo: the chain comes around to the saved cave";
  EndDemoPlayback(run.game(), run.shell);
  EXPECT_EQ(run.shell.Count(16), 1);
  EXPECT_EQ(run.play().demoPlaying, 1) << "the second end must not take the title's position back early";
}

TEST_F(DemoTest, TheClockEndsAPlaybackAtOneTimeUnitLeft) {
  run.Draw(0, 0, {"#####", "#I X#", "#####"});
  run.Property(0, 0, PropCaveTime) = 2;
  StoreDemo(0, 0, std::vector<uint8_t>(400, 49), 500);  // a length never reached
  Play(run, 0);
  ASSERT_TRUE(RunToDemoEnd(run));
  EXPECT_EQ(run.game().params.caveTime, 0) << "the ending clock tick still counts";
  EXPECT_EQ(run.play().demoPlaying, 0);
}

TEST_F(DemoTest, ADamagedDemoByteEndsThePlayback) {
  run.Draw(0, 0, {"#####", "#I X#", "#####"});
  StoreDemo(0, 0, {9, 252, 50, 50}, 30);
  Play(run, 0);
  ASSERT_TRUE(RunToDemoEnd(run));
  EXPECT_EQ(run.shell.Passes(), 11) << "ten idle passes, then the byte 252";
  EXPECT_EQ(run.game().keys.keyRight, 0);
}

TEST_F(DemoTest, ThePlaybackEndsInThePassThatReachesTheStoredLength) {
  run.Draw(0, 0, {"#####", "#I X#", "#####"});
  StoreDemo(0, 0, {9, 9, 9}, 2);
  Play(run, 0);
  ASSERT_TRUE(RunToDemoEnd(run));
  EXPECT_EQ(run.shell.Passes(), 21);
}

TEST_F(DemoTest, PastTheLastByteTheKeysStayAsTheyWere) {
  PlayState& s = run.play();
  StoreDemo(0, 0, std::vector<uint8_t>(400, 50), 1000);  // one pass right per byte
  s.demoPlaying = 1;
  s.demoPos = kLastDemoPos - 1;
  s.demoRepeat = 0;
  DemoStep(run.game(), run.shell);
  EXPECT_EQ(s.demoPos, kLastDemoPos);
  run.game().keys = KeyFlags{};
  run.game().keys.keyUp = 1;
  DemoStep(run.game(), run.shell);
  EXPECT_EQ(run.game().keys.keyUp, 1);
  EXPECT_EQ(run.game().keys.keyRight, 0);
}

TEST_F(DemoTest, WithoutADemoThePlayCommandDoesNothing) {
  Play(run, 0);
  EXPECT_EQ(run.play().inGame, 0);
  EXPECT_EQ(run.play().demoPlaying, 0);
  run.game().caves.DemoHeaderAt(6, DemoFlagColumn) = kDemoPresent;
  run.game().caves.DemoHeaderAt(6, DemoLevelColumn) = 7;
  EXPECT_FALSE(HasDemo(run.game().caves, 6)) << "a level outside the set is no demo";
  Play(run, 0);
  EXPECT_EQ(run.play().inGame, 0);
}

TEST_F(DemoTest, ThePlayCommandFindsTheNextDemoInCaveOrderAndItsLevel) {
  run.Draw(4, 3, {"#####", "#I X#", "#####"});
  StoreDemo(4, 3, {9}, 0);
  Play(run, 2);
  EXPECT_EQ(run.play().caveNo, 4) << "from cave 2: 2, 3, 16, then 4";
  EXPECT_EQ(run.play().levelNo, 3);
  EXPECT_EQ(run.play().demoPlaying, 1);
}

TEST_F(DemoTest, RecordingInTheEditorMarksTheSetModifiedAndWritesNoFile) {
  const std::string path = ::testing::TempDir() + "/demo_editor_never_written.qcv";
  std::filesystem::remove(path);
  run.game().caveSet.caveSetFileName = path;
  run.play().editorActive = 1;
  run.Draw(0, 0, {"####", "#IX#", "####"});
  run.Property(0, 0, PropDiamondsNeeded) = 0;
  Record(0, 0, "....R");
  EXPECT_EQ(run.game().caveSet.cavesModified, 1);
  ASSERT_TRUE(RunToDemoEnd(run));
  EXPECT_TRUE(HasDemo(run.game().caves, 0));
  EXPECT_FALSE(std::filesystem::exists(path));
  run.Tick(114);
  EXPECT_EQ(run.shell.editorReturns, 1);
}

class AttractTest : public DemoTest {
 protected:
  // Runs the idle, muted title until the chain is back on the title; the caves played in order.
  std::vector<int> RunChain() {
    run.shell.muted = true;
    run.play().idleCounter = 24;
    std::vector<int> played;
    uint8_t phase = run.play().phase;
    bool started = false;
    for (int tick = 0; tick < 100000; ++tick) {
      run.Tick();
      if (run.play().inGame == 1) started = true;
      if (started && run.play().inGame == 0) break;
      if (run.play().phase == PhaseCover && phase != PhaseCover) played.push_back(run.play().caveNo);
      phase = run.play().phase;
    }
    return played;
  }
  void TwoDemos() {
    for (int cave : {2, 5}) {
      run.Draw(cave, 1, {"#####", "#I X#", "#####"});
      StoreDemo(cave, 1, {9, 9}, 1);
    }
  }
};

TEST_F(AttractTest, TheChainPlaysTheDemosInCaveOrderUntilItComesToTheSavedCave) {
  TwoDemos();
  ReturnToTitle(run.game());
  EXPECT_EQ(RunChain(), (std::vector<int>{2, 5}));
  EXPECT_EQ(run.play().caveNo, 0);
  EXPECT_EQ(run.play().attractMode, 0);
  EXPECT_EQ(run.play().demoPlaying, 0);
}

TEST_F(AttractTest, ASmallSavedCaveStopsTheChainWhenItIsPassed) {
  TwoDemos();
  run.game().caves.Record(kSavedCaveColumn) = 16;
  run.game().caves.Record(kSavedLivesColumn) = 2;
  ReturnToTitle(run.game());
  ASSERT_EQ(run.play().caveNo, 4);
  EXPECT_EQ(RunChain(), (std::vector<int>{5, 2})) << "after cave 2 the look-ahead meets cave 16";
  EXPECT_EQ(run.play().caveNo, 4);
  EXPECT_EQ(run.play().lives, 2);
}

TEST_F(AttractTest, EscDuringTheChainGoesStraightToTheTitle) {
  TwoDemos();
  ReturnToTitle(run.game());
  run.shell.muted = true;
  run.play().idleCounter = 10;
  ASSERT_TRUE(run.TickUntil([](const GameState& g) { return g.play.demoPlaying == 1; }, 200));
  ASSERT_TRUE(run.TickUntilPhase(PhasePlay));
  ESC(run.game(), run.shell);
  EXPECT_EQ(run.play().inGame, 0);
  EXPECT_EQ(run.play().attractMode, 0);
}

TEST_F(AttractTest, NDuringAPlaybackSkipsToTheNextDemo) {
  TwoDemos();
  StoreDemo(2, 1, std::vector<uint8_t>(20, 49), 19);
  Play(run, 2);
  run.SkipToPlay();
  run.Tick(8);
  NextCaveKey(run.game(), run.shell);
  EXPECT_EQ(run.play().caveNo, 5);
  EXPECT_EQ(run.play().phase, PhaseCover);
  EXPECT_EQ(run.play().demoPlaying, 1);
}

}  // namespace
}  // namespace quarrion
