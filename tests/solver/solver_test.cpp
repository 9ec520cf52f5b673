#include "solver/solver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "core/cave_start.h"
#include "solver/demo_from_solution.h"
#include "solver/level_play.h"
#include "solver/search.h"
#include "tests/solver/solver_test_support.h"

namespace quarrion::test {
namespace {

SolveBudget ShortBudget() {
  SolveBudget budget;
  budget.seconds = 60;  // far more than these caves need; a hang would show as a test timeout
  budget.memoryBytes = std::size_t{64} << 20;
  return budget;
}

TEST(Solver, CorridorIsWalkedStraightToTheExit) {
  auto caves = CaveSetOf({"I..*..*..X"}, 2);
  const SolveOutcome outcome = SolveLevel(*caves, 0, 0, ShortBudget());
  ASSERT_EQ(outcome.status, SolveStatus::Solved);
  // nine cells from the inbox to the exit, every one of them a step right (the last one may take
  // the exit from beside it, with the fire key)
  EXPECT_EQ(MovesIn(outcome.keys), 9) << outcome.keys;
  EXPECT_EQ(outcome.keys.find_first_not_of(".Rr"), std::string::npos) << outcome.keys;
  EXPECT_TRUE(SolutionReachesExit(*caves, 0, 0, outcome.keys));
}

TEST(Solver, RouteRoundAWallRecordsAsADemoThatEndsInTheExit) {
  // the diamond first, then round the wall along the bottom row: 1 + 7 moves
  auto caves = CaveSetOf({"I..=X",
                          "*..=.",
                          "....."},
                         1);
  const SolveOutcome outcome = SolveLevel(*caves, 0, 0, ShortBudget());
  ASSERT_EQ(outcome.status, SolveStatus::Solved);
  EXPECT_EQ(MovesIn(outcome.keys), 8) << outcome.keys;
  std::string why;
  ASSERT_TRUE(RecordDemoFromKeys(*caves, 0, 0, outcome.keys, why)) << why;
  EXPECT_TRUE(DemoEndsInExit(*caves, 0, 0));
}

TEST(Solver, LevelWithoutAWayToTheExitIsNotSolved) {
  auto caves = CaveSetOf({"I...=X"}, 0);
  const SolveOutcome outcome = SolveLevel(*caves, 0, 0, ShortBudget());
  EXPECT_EQ(outcome.status, SolveStatus::NotFound);
  EXPECT_TRUE(outcome.keys.empty());
}

TEST(Solver, CancelledSearchStopsWithoutAResult) {
  // ten diamonds where twenty are needed, in a wide open cave: a search that would run for minutes
  std::vector<std::string> rows(20, std::string(38, ' '));
  rows[0][0] = 'I';
  rows[19][37] = 'X';
  for (int i = 0; i < 10; ++i) rows[std::size_t(2 + i)][std::size_t(3 * i + 2)] = '*';
  auto caves = CaveSetOf(rows, 20);
  SolveBudget budget = ShortBudget();
  budget.seconds = 600;
  Solver solver;
  solver.StartLevel(*caves, 0, 0, budget);
  for (int i = 0; i < 500 && solver.Progress().simulations == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_GT(solver.Progress().simulations, 0);
  EXPECT_FALSE(solver.Finished());
  solver.Cancel();
  const SolveOutcome outcome = solver.Wait();
  EXPECT_TRUE(solver.Finished());
  EXPECT_EQ(outcome.status, SolveStatus::Cancelled);
  EXPECT_TRUE(outcome.keys.empty());
  EXPECT_LT(outcome.seconds, 60.0);
}

TEST(Solver, CallersGameIsLeftAsItWas) {
  auto caves = CaveSetOf({"I..*..*..X"}, 2);
  LevelPlay play(*caves);
  play.Start(0, 0);
  for (int i = 0; i < 6; ++i) play.Step(KeyFlags{});
  const Grid before = play.Game().grids.playfield;
  const PlayState playBefore = play.Game().play;
  Solver solver;
  solver.StartFrom(play.Game(), ShortBudget());
  // the game goes on while the search runs on its copy
  KeyFlags right;
  right.keyRight = 1;
  play.Step(right);
  const SolveOutcome outcome = solver.Wait();
  ASSERT_EQ(outcome.status, SolveStatus::Solved);
  EXPECT_NE(play.Game().grids.playfield.cells, before.cells);
  EXPECT_EQ(play.Game().play.diamondsCollected, playBefore.diamondsCollected);
  // from the state it was given, not from the level's start: no waiting for the inbox
  EXPECT_EQ(outcome.keys.substr(0, 9), "RRRRRRRRR");
  EXPECT_EQ(MovesIn(outcome.keys), 9) << outcome.keys;
}

TEST(Search, StateSeenTwiceIsExpandedOnce) {
  // a closed room with nothing to take: every walk comes back to states already seen
  auto caves = CaveSetOf({"I   =X",
                          "    ==",
                          "    ="},
                         5);
  LevelPlay play(*caves);
  play.Start(0, 0);
  std::multiset<uint64_t> expandedKeys;
  SearchLimits limits;
  limits.onExpand = [&expandedKeys](uint64_t key) { expandedKeys.insert(key); };
  const SearchResult result = Search(play.Game(), play.Time(), Strategy{}, limits);
  EXPECT_EQ(result.end, SearchEnd::Exhausted);
  EXPECT_GT(result.duplicates, 0);
  EXPECT_EQ(long(expandedKeys.size()), result.expanded);
  for (uint64_t key : expandedKeys) EXPECT_EQ(expandedKeys.count(key), 1u);
  EXPECT_EQ(result.distinctStates, result.expanded);
}

TEST(Search, StopsAtTheMemoryBudget) {
  std::vector<std::string> rows(20, std::string(38, '.'));
  rows[0][0] = 'I';
  for (int i = 0; i < 12; ++i) rows[std::size_t(1 + i)][std::size_t(3 * i + 1)] = '*';
  auto caves = CaveSetOf(rows, 30);
  LevelPlay play(*caves);
  play.Start(0, 0);
  SearchLimits limits;
  limits.memoryBytes = std::size_t{2} << 20;
  Strategy keepEverything;
  keepEverything.keepDirt = true;
  const SearchResult result = Search(play.Game(), play.Time(), keepEverything, limits);
  EXPECT_EQ(result.end, SearchEnd::OutOfMemory);
  // one expansion past the budget at most, when the seen set has just doubled
  EXPECT_LT(result.peakBytes, limits.memoryBytes * 2);
}

}  // namespace
}  // namespace quarrion::test
