#include "editor/next_random.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>

namespace quarrion {
namespace {

constexpr int kSteps = 8;

struct Trace {
  std::array<int, kSteps> seed1{};
  std::array<int, kSteps> seed2{};
};

Trace Steps(uint8_t seed1, uint8_t seed2) {
  Trace t;
  for (int i = 0; i < kSteps; ++i) {
    NextRandom(seed1, seed2);
    t.seed1[std::size_t(i)] = seed1;
    t.seed2[std::size_t(i)] = seed2;
  }
  return t;
}

TEST(NextRandom, SeedZeroGivesTheDocumentedFirstEightStates) {
  const Trace t = Steps(0, 0);
  EXPECT_EQ(t.seed1, (std::array<int, kSteps>{0, 9, 220, 56, 94, 206, 71, 10}));
  EXPECT_EQ(t.seed2, (std::array<int, kSteps>{19, 166, 185, 77, 224, 243, 135, 27}));
}

TEST(NextRandom, SeedOneGivesTheDocumentedFirstEightComparisonBytes) {
  const Trace t = Steps(0, 1);
  EXPECT_EQ(t.seed1, (std::array<int, kSteps>{0, 74, 157, 59, 34, 146, 205, 82}));
}

// The generator compares seed1 with a probability after each step; this is the documented
// first row of a seed-0 level with boulders at probability 60.
TEST(NextRandom, SeedZeroRowOneMatchesTheDocumentedBoulderPattern) {
  uint8_t seed1 = 0;
  uint8_t seed2 = 0;
  std::array<bool, 8> boulder{};
  for (int x = 0; x < 8; ++x) {
    NextRandom(seed1, seed2);
    boulder[std::size_t(x)] = seed1 < 60;
  }
  // x 0 is framed away; x 1..7 read boulder, dirt, boulder, dirt, dirt, dirt, boulder
  EXPECT_TRUE(boulder[0]);
  EXPECT_EQ(boulder, (std::array<bool, 8>{true, true, false, true, false, false, false, true}));
}

TEST(NextRandom, CarriesNeverLeaveTheByteRangeAndTheStreamDoesNotStall) {
  // every starting seed must keep producing fresh states for a whole level's worth of cells
  for (int seed = 0; seed < 256; ++seed) {
    uint8_t seed1 = 0;
    uint8_t seed2 = uint8_t(seed);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 840; ++i) {
      NextRandom(seed1, seed2);
      seen.insert({seed1, seed2});
    }
    EXPECT_GT(seen.size(), 200u) << "seed " << seed;
  }
}

}  // namespace
}  // namespace quarrion
