#include "solver/hint.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "solver/level_play.h"
#include "solver/solver.h"
#include "tests/solver/solver_test_support.h"

namespace quarrion::test {
namespace {

// A game in play on a small cave, the player born and a few steps into it.
LevelPlay PlayedAWhile(const CaveSet& caves, const std::string& keys) {
  LevelPlay play(caves);
  play.Start(0, 0);
  for (int i = 0; i < 12; ++i) play.Step(KeyFlags{});
  for (char k : keys) play.Step(Keys(k));
  return play;
}

TEST(Hint, PathStartsAtThePlayersCellAndGoesOneCellAtATime) {
  auto caves = CaveSetOf({"I....",
                          "..=..",
                          "*.=.X"},
                         1);
  LevelPlay play = PlayedAWhile(*caves, "RD");
  const int playerX = play.Game().play.playerX;
  const int playerY = play.Game().play.playerY;
  ASSERT_EQ(playerX, 1);
  ASSERT_EQ(playerY, 1);
  Solver solver;
  SolveBudget budget;
  budget.memoryBytes = std::size_t{64} << 20;
  solver.StartFrom(play.Game(), budget);
  const SolveOutcome outcome = solver.Wait();
  ASSERT_EQ(outcome.status, SolveStatus::Solved);
  const std::vector<HintCell> path = HintPath(play.Game(), outcome.keys);
  ASSERT_GE(path.size(), 2u);
  EXPECT_LE(path.size(), std::size_t(kHintMoves) + 1);
  EXPECT_EQ(path[0].x, playerX);
  EXPECT_EQ(path[0].y, playerY);
  for (std::size_t i = 1; i < path.size(); ++i)
    EXPECT_EQ(std::abs(path[i].x - path[i - 1].x) + std::abs(path[i].y - path[i - 1].y), 1) << "step " << i;
  // the diamond first: down-left of the player
  EXPECT_EQ(path[1].y, 2);
}

TEST(Hint, HintedGameKeepsTheStoredHiScore) {
  auto caves = CaveSetOf({"I**..X"}, 2);
  for (const bool hinted : {false, true}) {
    LevelPlay play(*caves);
    play.Start(0, 0);
    const int32_t storedBefore = int32_t(StoredHiScore(play.Game().caves));
    play.Game().play.hintUsed = hinted ? 1 : 0;
    for (int i = 0; i < 12; ++i) play.Step(KeyFlags{});
    for (int i = 0; i < 3; ++i) play.Step(Keys('R'));
    EXPECT_GT(play.Game().play.score, storedBefore);
    if (hinted) {
      EXPECT_EQ(int32_t(StoredHiScore(play.Game().caves)), storedBefore);
    } else {
      EXPECT_EQ(int32_t(StoredHiScore(play.Game().caves)), play.Game().play.score);
    }
  }
}

}  // namespace
}  // namespace quarrion::test
