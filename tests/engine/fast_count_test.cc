#include "engine/fast_count.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/solver.h"
#include "platform/errors.h"

namespace reki {
namespace {

// Random exercises against the solver itself. Half of them draw their numbers from 0..9, so that
// repeated numbers, zero and divisions by zero turn up often; half from 1..99. Targets come from
// 1..99, where most hits are, or from 1..999.
TEST(CountSolutionsTest, EqualsTheSolversCountOnRandomExercises) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::int32_t> small(0, 9);
  std::uniform_int_distribution<std::int32_t> twoDigits(1, 99);
  std::uniform_int_distribution<std::int32_t> lowTarget(1, 99);
  std::uniform_int_distribution<std::int32_t> anyTarget(kMinTarget, kMaxTarget);
  int hits = 0;
  int sums = 0;
  constexpr int kCases = 20000;
  for (int i = 0; i < kCases; ++i) {
    auto& numbers = i % 2 == 0 ? small : twoDigits;
    const std::int32_t a = numbers(random);
    const std::int32_t b = numbers(random);
    const std::int32_t c = numbers(random);
    const std::int32_t d = numbers(random);
    const std::int32_t target = i % 4 < 3 ? lowTarget(random) : anyTarget(random);
    const std::uint8_t expected = FindSolutions(a, b, c, d, target, false).count;
    ASSERT_EQ(CountSolutions(a, b, c, d, target), expected)
        << a << ' ' << b << ' ' << c << ' ' << d << " for " << target;
    ASSERT_EQ(CountSolutionsForAllTargets(a, b, c, d)[target], expected)
        << a << ' ' << b << ' ' << c << ' ' << d << " for " << target;
    hits += expected > 0;
    sums += a + b + c + d == target;
  }
  // The sample is only worth something when it holds many hits and some sums.
  EXPECT_GT(hits, kCases / 10);
  EXPECT_GT(sums, 50);
}

TEST(CountSolutionsTest, AllTargetsHoldNothingBesideTheTargets) {
  const TargetCounts counts = CountSolutionsForAllTargets(1, 2, 3, 4);
  EXPECT_EQ(counts[0], 0);
  EXPECT_EQ(counts[10], 10);  // the sum rule
  EXPECT_EQ(counts[24], 4);
  EXPECT_EQ(counts[999], 0);
}

TEST(CountSolutionsTest, NumbersBeyondTwoDigitsGoToTheSolver) {
  EXPECT_EQ(CountSolutions(100, 1, 1, 1, 103), 10);
  EXPECT_EQ(CountSolutions(100, 2, 3, 4, 600), FindSolutions(100, 2, 3, 4, 600, false).count);
  EXPECT_EQ(CountSolutionsForAllTargets(100, 2, 3, 4)[600],
            FindSolutions(100, 2, 3, 4, 600, false).count);
  EXPECT_THROW(CountSolutions(100000, 100000, 100000, 1, 24), IntegerOverflowError);
}

}  // namespace
}  // namespace reki
