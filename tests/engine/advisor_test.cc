#include "engine/advisor.h"

#include <gtest/gtest.h>

#include <numeric>

#include "engine/complete_search.h"
#include "engine/solver.h"

namespace reki {
namespace {

// Level sizes of a set graded exercise by exercise with the solver itself.
std::array<std::int32_t, kLevelCount> LevelSizesBySolver(const NumberSet& numbers,
                                                         std::int32_t target) {
  std::array<std::int32_t, kLevelCount> sizes{};
  for (std::int32_t index = 0; index < kCombinationCount; ++index) {
    const auto [a, b, c, d] = ExerciseNumbers(numbers, UnrankCombination(index));
    ++sizes[LevelForCount(FindSolutions(a, b, c, d, target, false).count) - 1];
  }
  return sizes;
}

TEST(AdviseTargetsTest, EveryTargetSpreadsAllExercisesAsGradingDoes) {
  const NumberSet numbers = {3, 7, 12, 19, 25, 31, 44, 58, 77, 99};
  const std::vector<TargetAdvice> table = AdviseTargets(numbers);
  ASSERT_EQ(table.size(), 999u);
  for (std::int32_t t = kMinTarget; t <= kMaxTarget; ++t) {
    const TargetAdvice& advice = table[t - 1];
    ASSERT_EQ(advice.target, t);
    EXPECT_EQ(std::accumulate(advice.levelSizes.begin(), advice.levelSizes.end(), 0), 715) << t;
    EXPECT_LE(advice.hiddenSolutions, advice.levelSizes[kImpossibleLevel - 1]) << t;
  }
  for (const std::int32_t t : {1, 24, 36, 77, 500, 999}) {
    EXPECT_EQ(table[t - 1].levelSizes, LevelSizesBySolver(numbers, t)) << t;
    EXPECT_EQ(
        table[t - 1].hiddenSolutions,
        static_cast<std::int32_t>(FindHiddenSolutions(numbers, t, GradeSet(numbers, t)).size()))
        << t;
  }
  EXPECT_EQ(table[35].levelSizes, (std::array<std::int32_t, 6>{1, 0, 1, 15, 58, 640}));
  EXPECT_EQ(table[35].hiddenSolutions, 57);
}

TEST(AdviseTargetsTest, OrderOfTheNumbersDoesNotMatter) {
  NumberSet shuffled = {10, 3, 7, 1, 9, 2, 8, 4, 6, 5};
  EXPECT_EQ(AdviseTargets(shuffled), AdviseTargets(kDefaultNumbers));
}

TEST(BestSpreadFirstTest, OnlyTargetsWithEveryPlayableLevelFullestSmallestLevelFirst) {
  const auto advice = [](std::int32_t target, std::array<std::int32_t, 6> sizes) {
    return TargetAdvice{target, sizes, 0};
  };
  const std::vector<TargetAdvice> table = {
      advice(1, {300, 200, 100, 50, 0, 65}),    // no "Heel lastig": left out
      advice(2, {100, 100, 100, 100, 5, 305}),  // smallest level 5
      advice(3, {10, 20, 30, 40, 50, 565}),     // smallest level 10, 150 playable
      advice(4, {10, 10, 10, 10, 10, 665}),     // smallest level 10, 50 playable
      advice(5, {50, 40, 30, 20, 10, 565}),     // as target 3: the smaller target first
  };
  std::vector<std::int32_t> order;
  for (const TargetAdvice& a : BestSpreadFirst(table)) {
    order.push_back(a.target);
  }
  EXPECT_EQ(order, (std::vector<std::int32_t>{3, 5, 4, 2}));
  EXPECT_FALSE(HasEveryPlayableLevel(table[0]));
  EXPECT_TRUE(HasEveryPlayableLevel(table[1]));
}

}  // namespace
}  // namespace reki
