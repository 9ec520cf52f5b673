// The default cave set as the build writes it: drawn as the cave files say, every level solved by
// its stored keys through the real game step, and every cave's demo ending in the exit.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "core/demo.h"
#include "core/elements.h"
#include "tools/caves/cave_set_builder.h"
#include "solver/demo_from_solution.h"
#include "solver/level_play.h"
#include "tools/solve/solution_file.h"

namespace quarrion {
namespace {

class DefaultSet : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    caves_ = new CaveSet();
    loaded_ = ReadCaveSetFile(QUARRION_DEFAULT_CAVES, *caves_);
    solutions_ = new Solutions();
    std::vector<std::string> errors;
    solutionsRead_ = ReadSolutions(std::string(QUARRION_TEST_DATA) + "/solutions.txt", *solutions_, errors);
  }
  static void TearDownTestSuite() {
    delete caves_;
    delete solutions_;
  }
  void SetUp() override {
    ASSERT_TRUE(loaded_) << "no cave set at " << QUARRION_DEFAULT_CAVES;
    ASSERT_TRUE(solutionsRead_);
  }
  static CaveSet* caves_;
  static Solutions* solutions_;
  static bool loaded_;
  static bool solutionsRead_;
};

CaveSet* DefaultSet::caves_ = nullptr;
Solutions* DefaultSet::solutions_ = nullptr;
bool DefaultSet::loaded_ = false;
bool DefaultSet::solutionsRead_ = false;

TEST_F(DefaultSet, BuiltFileHoldsExactlyWhatTheCaveFilesDraw) {
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(QUARRION_CAVE_LEVELS))
    if (entry.path().extension() == ".cave") paths.push_back(entry.path().string());
  std::vector<std::string> errors;
  const std::vector<CaveText> texts = ReadCaveTexts(paths, errors);
  auto fresh = std::make_unique<CaveSet>();
  BuildCaveSet(texts, *fresh, errors);
  ASSERT_TRUE(errors.empty()) << errors.front();
  for (int cave = 0; cave < kCaveCount; ++cave) {
    const int width = IsSmallCave(cave) ? kSmallMapWidth : kMapWidth;
    const int height = IsSmallCave(cave) ? kSmallMapHeight : kMapHeight;
    for (int level = 0; level < kLevelCount; ++level) {
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          ASSERT_EQ(caves_->Cell(cave, level, x, y), fresh->Cell(cave, level, x, y))
              << LevelName(cave, level) << " at " << x << "," << y;
      for (int column = 0; column < kPropertyCount + kGeneratorColumns; ++column)
        ASSERT_EQ(caves_->PropertyAt(cave, level, column), fresh->PropertyAt(cave, level, column))
            << LevelName(cave, level) << " property " << column;
    }
  }
}

TEST_F(DefaultSet, EveryLevelHasAnInboxAndAClosedOutbox) {
  for (int cave = 0; cave < kCaveCount; ++cave)
    for (int level = 0; level < kLevelCount; ++level)
      EXPECT_TRUE(IsCavePlayable(*caves_, cave, level)) << LevelName(cave, level);
}

TEST_F(DefaultSet, EveryStoredSolutionReachesTheExitOnItsLastPass) {
  for (int cave = 0; cave < kCaveCount; ++cave) {
    for (int level = 0; level < kLevelCount; ++level) {
      const std::string& keys = (*solutions_)[std::size_t(cave)][std::size_t(level)];
      ASSERT_FALSE(keys.empty()) << LevelName(cave, level) << " has no stored solution";
      long passes = 0;
      EXPECT_TRUE(SolutionReachesExit(*caves_, cave, level, keys, &passes)) << LevelName(cave, level);
      EXPECT_EQ(passes, long(keys.size())) << LevelName(cave, level) << " gets there before its keys end";
    }
  }
}

TEST_F(DefaultSet, SolutionCutShortOrPlayedOnAnotherLevelDoesNotCount) {
  // the replay must really depend on the keys and the level, not only count passes
  const std::string& a1 = (*solutions_)[0][0];
  EXPECT_FALSE(SolutionReachesExit(*caves_, 0, 0, a1.substr(0, a1.size() - 2)));
  EXPECT_FALSE(SolutionReachesExit(*caves_, 0, 0, std::string(a1.size(), '.')));
  EXPECT_FALSE(SolutionReachesExit(*caves_, 4, 4, a1));
}

TEST_F(DefaultSet, EveryCaveHasADemoOfFourHundredRunsAtMost) {
  for (int cave = 0; cave < kCaveCount; ++cave) {
    EXPECT_TRUE(HasDemo(*caves_, cave)) << char('A' + cave);
    EXPECT_LT(DemoLength(*caves_, cave), kDemoBytes) << char('A' + cave);
  }
}

TEST_F(DefaultSet, EveryDemoPlaysBackIntoTheExit) {
  for (int cave = 0; cave < kCaveCount; ++cave) {
    long passes = 0;
    EXPECT_TRUE(DemoEndsInExit(*caves_, cave, 0, &passes)) << char('A' + cave) << " after " << passes << " passes";
    const int level = caves_->DemoHeaderAt(cave, DemoLevelColumn);
    ASSERT_LT(level, kLevelCount);
    // the playback stops at the first pass of the last run: the pass that walks into the exit
    EXPECT_EQ(passes + 1, long((*solutions_)[std::size_t(cave)][std::size_t(level)].size())) << char('A' + cave);
  }
}

TEST_F(DefaultSet, DemosDoNotDependOnWhereTheCaveClockStandsAtTheirStart) {
  // in the window the clock runs on its own; a demo must not need the clock's phase of the recording
  for (int cave = 0; cave < kCaveCount; ++cave)
    for (int delayMs : {140, 420, 700, 980, 1190})
      EXPECT_TRUE(DemoEndsInExit(*caves_, cave, delayMs)) << char('A' + cave) << " started " << delayMs << " ms late";
}

}  // namespace
}  // namespace quarrion
