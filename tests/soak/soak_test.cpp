#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/cave_set_file.h"
#include "core/elements.h"
#include "core/game_state.h"
#include "tools/soak/soak.h"
#include "tools/soak/soak_checks.h"

namespace quarrion {
namespace {

// A state as a started cave has it: steel around, dirt inside, the player in the corner.
std::unique_ptr<GameState> SoundState() {
  auto game = std::make_unique<GameState>();
  game->grids.playfield.Fill(SteelWall);
  for (int x = 1; x <= kMapWidth; ++x)
    for (int y = 1; y <= kMapHeight; ++y) game->grids.playfield(x, y) = Dirt;
  game->play.lives = 3;
  return game;
}

// Each check must be able to fail, or the soak proves nothing.
TEST(SoakChecks, EachBrokenRuleIsFound) {
  EXPECT_EQ(CheckPass(*SoundState()), "");
  auto game = SoundState();
  game->grids.playfield(41, 5) = Space;
  EXPECT_NE(CheckPass(*game).find("steel border broken at (41, 5)"), std::string::npos);
  game = SoundState();
  game->grids.playfield(3, 4) = 6;
  EXPECT_NE(CheckPass(*game).find("unknown element at (3, 4): code 6"), std::string::npos);
  game = SoundState();
  game->play.score = 0x1000000;
  EXPECT_NE(CheckPass(*game).find("score"), std::string::npos);
  game = SoundState();
  game->play.lives = 10;
  EXPECT_NE(CheckPass(*game).find("lives"), std::string::npos);
  game = SoundState();
  game->play.demoPos = 400;
  EXPECT_NE(CheckPass(*game).find("demo position"), std::string::npos);
  EXPECT_FALSE(IsElementCode(29));
  EXPECT_TRUE(IsElementCode(PlayerDummy));
}

TEST(SoakChecks, TheHashSeesTheFieldTheCountersAndTheRandomState) {
  const uint64_t base = StateHash(*SoundState());
  auto game = SoundState();
  EXPECT_EQ(StateHash(*game), base);
  game->grids.playfield(20, 10) = Boulder;
  EXPECT_NE(StateHash(*game), base);
  game = SoundState();
  game->play.score = 5;
  EXPECT_NE(StateHash(*game), base);
  game = SoundState();
  game->random.SetState(11);
  EXPECT_NE(StateHash(*game), base);
}

// The short soak of the test command: every default level with its stored solution and random
// keys, a few generated caves, each run twice and a demo of each recorded and played back.
TEST(Soak, TheDefaultSetAndGeneratedCavesPlayWithoutAFault) {
  auto caves = std::make_unique<CaveSet>();
  ASSERT_TRUE(ReadCaveSetFile(QUARRION_DEFAULT_CAVES, *caves));
  Solutions solutions;
  std::vector<std::string> errors;
  ASSERT_TRUE(ReadSolutions(std::string(QUARRION_TEST_DATA) + "/solutions.txt", solutions, errors));
  SoakOptions options;
  options.passes = 0;
  options.generatedCaves = 12;
  options.passesPerRun = 160;
  const SoakReport report = RunSoak(*caves, solutions, options);
  for (const std::string& fault : report.faults) ADD_FAILURE() << fault;
  EXPECT_EQ(report.solutionRuns, 100);
  EXPECT_EQ(report.generatedRuns, 12);
  EXPECT_GE(report.demoChecks, 100);
  EXPECT_GT(report.passes, 50000);
}

}  // namespace
}  // namespace quarrion
