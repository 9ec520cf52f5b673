#include <gtest/gtest.h>

#include "core/random.h"

namespace quarrion {
namespace {

TEST(Random, FollowsTheLinearCongruenceFromStateTen) {
  Random random;
  EXPECT_EQ(random.State(), 10u);
  // 10 × 134775813 + 1 = 1347758131; (1347758131 × 100) >> 32 = 31
  EXPECT_EQ(random(100), 31u);
  EXPECT_EQ(random.State(), 1347758131u);
  const uint32_t next = 1347758131u * 134775813u + 1u;
  EXPECT_EQ(random(40), uint32_t((uint64_t(next) * 40) >> 32));
}

TEST(Random, ZeroRangeIsZeroSoADivisorOfZeroIsCertain) {
  Random random;
  for (int i = 0; i < 100; ++i) EXPECT_EQ(random(0), 0u);
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(random.Chance(0));
}

TEST(Random, StaysInRangeAndDrawsEachValue) {
  Random random;
  int seen[4] = {};
  for (int i = 0; i < 400; ++i) {
    const uint32_t v = random(4);
    ASSERT_LT(v, 4u);
    ++seen[v];
  }
  for (int count : seen) EXPECT_GT(count, 50);
}

}  // namespace
}  // namespace quarrion
