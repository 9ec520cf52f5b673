#include <gtest/gtest.h>

#include <memory>

#include "core/cave_set.h"
#include "core/scoring.h"
#include "tests/core/cave_text.h"

namespace quarrion {
namespace {

class ScoringTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<GameState>();
    ResetCaves(game_->caves);
    game().params.diamondsNeeded = 3;
    game().params.diamondValue = 5;
    game().params.bonusValue = 10;
    game().play.lives = 3;
    game().play.nextLifeScore = 500;
  }
  GameState& game() { return *game_; }
  void Collect(int n) {
    for (int i = 0; i < n; ++i) CollectDiamond(game(), shell_);
  }
  std::unique_ptr<GameState> game_;
  test::WatchingShell shell_;
};

TEST_F(ScoringTest, NeededThDiamondStillCountsAtTheNormalValue) {
  Collect(2);
  EXPECT_EQ(game().play.score, 10);
  EXPECT_EQ(game().play.exitOpenedFlash, 0);
  Collect(1);
  EXPECT_EQ(game().play.score, 15) << "the third of three needed is worth the diamond value";
  EXPECT_EQ(game().play.exitOpenedFlash, 1);
  EXPECT_EQ(game().sounds.sndChime, 1);
  game().sounds.sndChime = 0;
  Collect(1);
  EXPECT_EQ(game().play.score, 25) << "the next one is worth the bonus value";
  EXPECT_EQ(game().sounds.sndChime, 0) << "the chime only at the needed count";
}

TEST_F(ScoringTest, NoDiamondsNeededMakesEveryDiamondABonus) {
  game().params.diamondsNeeded = 0;
  Collect(2);
  EXPECT_EQ(game().play.score, 20);
  EXPECT_EQ(game().play.exitOpenedFlash, 0);
}

TEST_F(ScoringTest, CollectedCountDoesNotWrapAfter255) {
  game().params.diamondsNeeded = 250;
  game().params.bonusValue = 1;
  game().play.lives = 9;
  Collect(300);
  EXPECT_EQ(game().play.diamondsCollected, 300);
  EXPECT_EQ(game().play.score, 250 * 5 + 50) << "diamonds past the needed ones stay bonus diamonds";
}

TEST_F(ScoringTest, ExtraLifeAtEveryFiveHundredUpToNine) {
  game().params.diamondValue = 250;
  game().params.bonusValue = 250;
  Collect(2);
  EXPECT_EQ(game().play.lives, 4);
  EXPECT_EQ(game().play.nextLifeScore, 1000);
  EXPECT_EQ(game().play.extraLifeFlash, 128);
  EXPECT_EQ(shell_.played, std::vector<int>{17});
  Collect(20);  // 5500 points
  EXPECT_EQ(game().play.lives, 9) << "never more than nine lives";
  EXPECT_EQ(game().play.nextLifeScore, 6000) << "the threshold moves on beyond nine lives";
  EXPECT_EQ(shell_.played.size(), 6u) << "the extra life sound only for a life given";
}

TEST_F(ScoringTest, AJumpOverTwoThresholdsGivesOneLifePerDiamond) {
  game().params.diamondValue = 255;
  game().play.score = 900;
  Collect(1);
  EXPECT_EQ(game().play.lives, 4);
  EXPECT_EQ(game().play.nextLifeScore, 1000);
  Collect(1);
  EXPECT_EQ(game().play.lives, 5);
  EXPECT_EQ(game().play.nextLifeScore, 1500);
}

TEST_F(ScoringTest, DemosGiveNoLivesAndKeepTheHiScore) {
  game().params.diamondValue = 250;
  game().params.bonusValue = 250;
  game().play.demoPlaying = 1;
  Collect(4);
  EXPECT_EQ(game().play.score, 1000);
  EXPECT_EQ(game().play.lives, 3);
  EXPECT_EQ(game().play.nextLifeScore, 500);
  EXPECT_EQ(game().play.hiScore, 0);
  EXPECT_EQ(StoredHiScore(game().caves), 0u);
}

TEST_F(ScoringTest, NewHiScoreIsStoredInTheRecordRow) {
  game().params.diamondValue = 200;
  game().play.score = 70000;
  game().play.nextLifeScore = 80000;
  game().play.hiScore = 70100;
  Collect(1);
  EXPECT_EQ(game().play.hiScore, 70200);
  EXPECT_EQ(StoredHiScore(game().caves), 70200u);
  EXPECT_EQ(game().caves.Record(1), 70200 >> 16);
  EXPECT_EQ(game().caves.Record(2), (70200 >> 8) & 0xFF);
  EXPECT_EQ(game().caves.Record(3), 70200 & 0xFF);
}

TEST_F(ScoringTest, LowerScoreLeavesTheHiScoreAlone) {
  game().play.hiScore = 1000;
  Collect(1);
  EXPECT_EQ(game().play.hiScore, 1000);
  EXPECT_EQ(StoredHiScore(game().caves), 0u);
}

}  // namespace
}  // namespace quarrion
