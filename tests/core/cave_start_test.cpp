#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "core/cave_set_file.h"
#include "core/cave_start.h"
#include "core/elements.h"
#include "tests/temp_path.h"

namespace quarrion {
namespace {

struct WatchingShell : ShellHooks {
  std::vector<int> played;
  std::vector<int> stopped;
  int storeFields = 0;
  int musicStops = 0;
  void PlaySound(int item) override { played.push_back(item); }
  void StopSound(int item) override { stopped.push_back(item); }
  void StoreEditorFields() override { ++storeFields; }
  void StopMusic() override { ++musicStops; }
};

class CaveStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<GameState>();
    ResetCaves(game_->caves);
  }
  GameState& game() { return *game_; }
  std::unique_ptr<GameState> game_;
  WatchingShell shell_;
};

TEST_F(CaveStartTest, TheLastInboxInReadingOrderPlacesThePlayer) {
  game().caves.Cell(0, 0, 30, 3) = InBox;
  game().caves.Cell(0, 0, 5, 9) = InBox;
  game().caves.Cell(0, 0, 12, 9) = InBox;
  game().caves.Cell(0, 0, 20, 9) = OutBox;
  CaveStart(game(), shell_);
  EXPECT_EQ(game().play.playerX, 12);
  EXPECT_EQ(game().play.playerY, 9);
  EXPECT_EQ(game().grids.caveCopy(13, 10), InBox);
  EXPECT_EQ(game().grids.caveCopy(31, 4), InBox) << "the other inboxes stay in the cave";
}

TEST_F(CaveStartTest, CaveTimeIsOneMoreThanStoredButNeverWraps) {
  const std::pair<int, int> cases[] = {{0, 1}, {119, 120}, {254, 255}, {255, 255}};
  for (auto [stored, taken] : cases) {
    game().caves.PropertyAt(0, 0, PropCaveTime) = uint8_t(stored);
    CaveStart(game(), shell_);
    EXPECT_EQ(game().params.caveTime, taken) << "stored " << stored;
  }
}

TEST_F(CaveStartTest, TakesTheOtherPropertiesAsStoredAndSeedsAmoebaGrowth) {
  for (int column = 1; column < kPropertyCount; ++column)
    game().caves.PropertyAt(3, 2, column) = uint8_t(column * 3);
  game().play.caveNo = 3;
  game().play.levelNo = 2;
  CaveStart(game(), shell_);
  const CaveParams& p = game().params;
  EXPECT_EQ(p.diamondsNeeded, 3);
  EXPECT_EQ(p.diamondValue, 6);
  EXPECT_EQ(p.bonusValue, 9);
  EXPECT_EQ(p.magicWallTime, 12);
  EXPECT_EQ(p.amoebaSlowTime, 15);
  EXPECT_EQ(p.amoebaMaxSize, 18);
  EXPECT_EQ(p.amoebaSlowProb, 21);
  EXPECT_EQ(p.amoebaFastProb, 24);
  EXPECT_EQ(p.slimePermeability, 27);
  EXPECT_EQ(p.inboxDelay, 30);
  EXPECT_EQ(p.pushProbability, 33);
  EXPECT_EQ(game().play.amoebaGrowthProb, 21);
  EXPECT_EQ(game().play.caveStyle, 3);
}

TEST_F(CaveStartTest, ResetsPerCaveStateAndLeavesPhaseOneWithRandomAtTen) {
  PlayState& s = game().play;
  s.diamondsCollected = 9;
  s.magicWallState = 2;
  s.playerAlive = 0;
  s.dummyKilled = 1;
  s.phase = 5;
  game().grids.motionMap.Fill(7);
  game().camera.offsetX = 33;
  game().random.SetState(12345);
  game().caves.Record(1) = 1;  // hi-score 65536 + 2
  game().caves.Record(3) = 2;
  CaveStart(game(), shell_);
  EXPECT_EQ(s.diamondsCollected, 0);
  EXPECT_EQ(s.magicWallState, 0);
  EXPECT_EQ(s.playerAlive, 1);
  EXPECT_EQ(s.dummyKilled, 0);
  EXPECT_EQ(s.phase, 1);
  EXPECT_EQ(s.subFrame, 0);
  EXPECT_EQ(s.animToggle, 1);
  EXPECT_EQ(s.coverCounter, 80);
  EXPECT_EQ(s.nextCaveDelay, 88);
  EXPECT_EQ(s.playerAnim, 7);
  EXPECT_EQ(s.inGame, 1);
  EXPECT_EQ(s.hiScore, 65538);
  EXPECT_EQ(game().camera.offsetX, 0);
  EXPECT_EQ(game().grids.motionMap(1, 1), 0);
  EXPECT_EQ(game().grids.motionMap(41, 23), 0);
  EXPECT_EQ(game().grids.motionMap(0, 0), 7) << "only cells 1..41 × 1..23 are cleared";
  EXPECT_EQ(game().random.State(), 10u);
  EXPECT_EQ(shell_.played, std::vector<int>{16});
  EXPECT_EQ(shell_.stopped, (std::vector<int>{13, 20}));
  EXPECT_EQ(shell_.musicStops, 1);
}

TEST_F(CaveStartTest, RandomSequenceAfterTheStartIgnoresWhatCameBefore) {
  CaveStart(game(), shell_);
  std::vector<uint32_t> first;
  for (int i = 0; i < 20; ++i) first.push_back(game().random(1000));
  for (int i = 0; i < 77; ++i) game().random(5);
  CaveStart(game(), shell_);
  std::vector<uint32_t> second;
  for (int i = 0; i < 20; ++i) second.push_back(game().random(1000));
  EXPECT_EQ(first, second);
}

TEST_F(CaveStartTest, TileVariantsAreDrawnInReadingOrderBeforeTheReset) {
  game().random.SetState(10);
  Random expected;
  CaveStart(game(), shell_);
  for (int cy = 0; cy < kMapHeight; ++cy)
    for (int cx = 0; cx < kMapWidth; ++cx)
      ASSERT_EQ(game().grids.tileVariant(cx + 1, cy + 1), expected(4)) << cx << "," << cy;
}

TEST_F(CaveStartTest, TheEditorsTestStartsWithOneLifeAndStoresThePanel) {
  game().play.editorActive = 1;
  game().play.score = 900;
  game().play.lives = 5;
  CaveStart(game(), shell_);
  EXPECT_EQ(shell_.storeFields, 1);
  EXPECT_EQ(game().play.score, 0);
  EXPECT_EQ(game().play.lives, 1);
  EXPECT_EQ(game().play.nextLifeScore, 500);
}

TEST_F(CaveStartTest, ThePlayfieldKeepsTheOldPictureUntilCovered) {
  game().grids.playfield.Fill(Diamond);
  CaveStart(game(), shell_);
  EXPECT_EQ(game().grids.playfield(5, 5), Diamond);
}

class SavedPositionTest : public CaveStartTest {
 protected:
  void SetUp() override {
    CaveStartTest::SetUp();
    path_ = testing_support::UniqueTempPath("quarrion-saved", ".qcv");
    std::filesystem::remove(path_);
    game().caveSet.caveSetFileName = path_;
    game().play.caveNo = 7;
    game().play.levelNo = 3;
    game().play.lives = 4;
    game().play.score = 0x010203;
  }
  void TearDown() override { std::filesystem::remove(path_); }
  std::string path_;
};

TEST_F(SavedPositionTest, AGameStartSavesThePositionAndWritesTheFile) {
  CaveStart(game(), shell_);
  EXPECT_EQ(game().caves.Record(kSavedCaveColumn), 7);
  EXPECT_EQ(game().caves.Record(kSavedLevelColumn), 3);
  EXPECT_EQ(game().caves.Record(kSavedLivesColumn), 4);
  EXPECT_EQ(SavedScore(game().caves), 0x010203u);
  CaveSet onDisk;
  ASSERT_TRUE(ReadCaveSetFile(path_, onDisk));
  EXPECT_EQ(onDisk.bytes, game().caves.bytes);
}

TEST_F(SavedPositionTest, DemosAndTheEditorLeaveTheSavedDataAndTheFileAlone) {
  for (int which = 0; which < 3; ++which) {
    game().play.editorActive = which == 0;
    game().play.demoPlaying = which == 1;
    game().play.demoRecording = which == 2;
    CaveStart(game(), shell_);
    EXPECT_EQ(game().caves.Record(kSavedCaveColumn), 0) << which;
    EXPECT_EQ(game().caves.Record(kSavedLivesColumn), 0) << which;
    EXPECT_FALSE(std::filesystem::exists(path_)) << which;
  }
}

TEST_F(SavedPositionTest, WithoutAFileNameNothingIsSaved) {
  game().caveSet.caveSetFileName.clear();
  CaveStart(game(), shell_);
  EXPECT_EQ(game().caves.Record(kSavedLivesColumn), 0);
}

class CoverTest : public CaveStartTest {
 protected:
  void StartCave(int cave) {
    game().play.caveNo = uint8_t(cave);
    for (int cy = 0; cy < kMapHeight; ++cy)
      for (int cx = 0; cx < kMapWidth; ++cx) game().caves.Cell(cave, 0, cx, cy) = Diamond;
    CaveStart(game(), shell_);
  }
};

TEST_F(CoverTest, CoverStepDrawsNRandomColumnsPerRow) {
  StartCave(0);
  game().grids.playfield.Fill(Space);
  Random expected;
  CoverStep(game(), 2);
  for (int y = 1; y <= 22; ++y) {
    for (int i = 0; i < 2; ++i) EXPECT_EQ(game().grids.playfield(int(expected(40)) + 1, y), CoverTile);
  }
  EXPECT_EQ(game().grids.playfield(0, 5), Space) << "the border is never covered";
  CoverAll(game());
  EXPECT_EQ(game().grids.playfield(1, 1), CoverTile);
  EXPECT_EQ(game().grids.playfield(40, 22), CoverTile);
  EXPECT_EQ(game().grids.playfield(41, 22), Space);
}

TEST_F(CoverTest, SmallCavesUncoverOnlyTheirTopLeftArea) {
  StartCave(17);
  CoverAll(game());
  for (int i = 0; i < 400; ++i) UncoverStep(game());
  int diamonds = 0;
  for (int x = 1; x <= 40; ++x)
    for (int y = 1; y <= 22; ++y) {
      const uint8_t code = game().grids.playfield(x, y);
      if (x > 20 || y > 12) {
        EXPECT_NE(code, Diamond) << x << "," << y;
      } else {
        diamonds += code == Diamond;
      }
    }
  EXPECT_GT(diamonds, 0);
  FinishUncover(game());
  EXPECT_EQ(game().grids.playfield(20, 12), Diamond);
  EXPECT_EQ(game().grids.playfield(21, 12), SteelWall);
  EXPECT_EQ(game().grids.playfield(20, 13), SteelWall);
  EXPECT_EQ(game().grids.playfield(0, 0), SteelWall);
}

TEST_F(CoverTest, FinishUncoverShowsTheWholeFullCaveInsideSteel) {
  StartCave(2);
  FinishUncover(game());
  EXPECT_EQ(game().grids.playfield(40, 22), Diamond);
  EXPECT_EQ(game().grids.playfield(41, 23), SteelWall);
  EXPECT_EQ(game().grids.playfield(0, 12), SteelWall);
}

}  // namespace
}  // namespace quarrion
