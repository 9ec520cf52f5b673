// The default set's curve as its stored solutions play it: each level's route takes a share of the
// clock that climbs from level 1 to level 5, routes grow longer in the order of play, and Grand
// Finale is the longest and tightest large cave.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "core/game_flow.h"
#include "tools/caves/level_figures.h"
#include "tools/solve/solution_file.h"

namespace quarrion {
namespace {

constexpr int kFinale = 15;  // cave P, the last large cave

// The share of the clock a level's route may take: 15-30 % at level 1 up to 40-60 % at level 5.
struct Band {
  double low;
  double high;
};
constexpr std::array<Band, kLevelCount> kBands{{{0.15, 0.30}, {0.20, 0.38}, {0.26, 0.46}, {0.33, 0.53}, {0.40, 0.60}}};

class SetCurve : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    auto caves = std::make_unique<CaveSet>();
    ASSERT_TRUE(ReadCaveSetFile(QUARRION_DEFAULT_CAVES, *caves));
    Solutions solutions;
    std::vector<std::string> errors;
    ASSERT_TRUE(ReadSolutions(std::string(QUARRION_TEST_DATA) + "/solutions.txt", solutions, errors));
    for (int cave = 0; cave < kCaveCount; ++cave)
      for (int level = 0; level < kLevelCount; ++level)
        figures_[std::size_t(cave)][std::size_t(level)] =
            MeasureLevel(*caves, cave, level, solutions[std::size_t(cave)][std::size_t(level)]);
  }
  static const LevelFigures& At(int cave, int level) { return figures_[std::size_t(cave)][std::size_t(level)]; }
  static std::array<std::array<LevelFigures, kLevelCount>, kCaveCount> figures_;
};

std::array<std::array<LevelFigures, kLevelCount>, kCaveCount> SetCurve::figures_;

TEST_F(SetCurve, EveryRouteTakesItsLevelsShareOfTheClock) {
  for (int cave = 0; cave < kCaveCount; ++cave)
    for (int level = 0; level < kLevelCount; ++level) {
      const LevelFigures& f = At(cave, level);
      ASSERT_TRUE(f.reachesExit) << LevelName(cave, level);
      EXPECT_GE(f.TimeShare(), kBands[std::size_t(level)].low)
          << LevelName(cave, level) << ": " << f.routeSeconds << " of " << f.caveSeconds << " s";
      EXPECT_LE(f.TimeShare(), kBands[std::size_t(level)].high)
          << LevelName(cave, level) << ": " << f.routeSeconds << " of " << f.caveSeconds << " s";
    }
}

TEST_F(SetCurve, TheShareAndTheDiamondsNeededRiseFromLevelToLevel) {
  for (int cave = 0; cave < kCaveCount; ++cave)
    for (int level = 1; level < kLevelCount; ++level) {
      EXPECT_GT(At(cave, level).TimeShare(), At(cave, level - 1).TimeShare()) << LevelName(cave, level);
      EXPECT_GE(At(cave, level).diamondsNeeded, At(cave, level - 1).diamondsNeeded) << LevelName(cave, level);
    }
}

TEST_F(SetCurve, TheShareRisesFromCaveToCaveAcrossTheLargeCaves) {
  // the clock runs in whole seconds, so a cave may fall short of the one before by a little
  constexpr double kRoundingSlack = 0.025;
  for (int level = 0; level < kLevelCount; ++level)
    for (int cave = 1; cave <= kFinale; ++cave)
      EXPECT_GE(At(cave, level).TimeShare() + kRoundingSlack, At(cave - 1, level).TimeShare())
          << LevelName(cave, level) << " after " << LevelName(cave - 1, level);
}

TEST_F(SetCurve, RoutesGrowLongerInPlayOrderAndMayOnlyShrinkAfterABonusCave) {
  int checked = 0;
  int cave = 0;
  for (int step = 0; step < kCaveCount; ++step) {
    const int next = NextCaveInOrder(cave);
    if (!IsSmallCave(cave) && !IsSmallCave(next)) {
      for (int level = 0; level < kLevelCount; ++level)
        EXPECT_GE(At(next, level).moves, At(cave, level).moves)
            << LevelName(next, level) << " after " << LevelName(cave, level);
      ++checked;
    }
    cave = next;
  }
  EXPECT_EQ(checked, 12) << "four runs of four large caves between the bonus caves";
}

TEST_F(SetCurve, GrandFinaleIsTheLongestAndTightestLargeCaveAtEveryLevel) {
  for (int level = 0; level < kLevelCount; ++level)
    for (int cave = 0; cave < kFinale; ++cave) {
      EXPECT_GT(At(kFinale, level).passes, At(cave, level).passes)
          << LevelName(kFinale, level) << " against " << LevelName(cave, level);
      EXPECT_GT(At(kFinale, level).TimeShare(), At(cave, level).TimeShare())
          << LevelName(kFinale, level) << " against " << LevelName(cave, level);
    }
}

TEST_F(SetCurve, BonusCavesStayShorterThanTheFinale) {
  // the small caves are short puzzles: each is solved in fewer passes than Grand Finale's level
  for (int level = 0; level < kLevelCount; ++level)
    for (int bonus = kFirstSmallCave; bonus < kCaveCount; ++bonus)
      EXPECT_LT(At(bonus, level).passes, At(kFinale, level).passes) << LevelName(bonus, level);
}

TEST(LevelFigures, TheRouteKeepsItsSecondsOnALongerClockAndCountsOnlyWhenItEndsInTheExit) {
  auto caves = std::make_unique<CaveSet>();
  ASSERT_TRUE(ReadCaveSetFile(QUARRION_DEFAULT_CAVES, *caves));
  Solutions solutions;
  std::vector<std::string> errors;
  ASSERT_TRUE(ReadSolutions(std::string(QUARRION_TEST_DATA) + "/solutions.txt", solutions, errors));
  const std::string& keys = solutions[0][0];
  const LevelFigures asBuilt = MeasureLevel(*caves, 0, 0, keys);
  ASSERT_TRUE(asBuilt.reachesExit);
  EXPECT_GT(asBuilt.routeSeconds, 0);
  EXPECT_LT(asBuilt.moves, asBuilt.passes) << "the wait for the player's birth holds no direction";

  caves->PropertyAt(0, 0, PropCaveTime) = uint8_t(caves->PropertyAt(0, 0, PropCaveTime) + 40);
  const LevelFigures longer = MeasureLevel(*caves, 0, 0, keys);
  ASSERT_TRUE(longer.reachesExit);
  EXPECT_EQ(longer.caveSeconds, asBuilt.caveSeconds + 40);
  EXPECT_EQ(longer.routeSeconds, asBuilt.routeSeconds);
  EXPECT_LT(longer.TimeShare(), asBuilt.TimeShare());

  const LevelFigures cutShort = MeasureLevel(*caves, 0, 0, keys.substr(0, keys.size() - 3));
  EXPECT_FALSE(cutShort.reachesExit);
  EXPECT_EQ(cutShort.TimeShare(), 0.0);
}

}  // namespace
}  // namespace quarrion
