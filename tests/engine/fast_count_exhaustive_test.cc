// Every exercise of the numbers 1..10 for every target 1..999, against the solver itself. About
// 40 seconds of work, split into parts that ctest can run side by side; labelled "long".
#include <gtest/gtest.h>

#include "engine/fast_count.h"
#include "engine/grading.h"
#include "engine/solver.h"

namespace reki {
namespace {

constexpr int kParts = 11;
constexpr int kExercisesPerPart = kCombinationCount / kParts;
static_assert(kParts * kExercisesPerPart == kCombinationCount);

class CountSolutionsExhaustiveTest : public testing::TestWithParam<int> {};

TEST_P(CountSolutionsExhaustiveTest, EqualsTheSolverForEveryTarget) {
  const int first = GetParam() * kExercisesPerPart;
  for (std::int32_t index = first; index < first + kExercisesPerPart; ++index) {
    const auto [a, b, c, d] = ExerciseNumbers(kDefaultNumbers, UnrankCombination(index));
    const TargetCounts all = CountSolutionsForAllTargets(a, b, c, d);
    for (std::int32_t target = kMinTarget; target <= kMaxTarget; ++target) {
      const std::uint8_t expected = FindSolutions(a, b, c, d, target, false).count;
      ASSERT_EQ(all[target], expected)
          << a << ' ' << b << ' ' << c << ' ' << d << " for " << target;
      ASSERT_EQ(CountSolutions(a, b, c, d, target), expected)
          << a << ' ' << b << ' ' << c << ' ' << d << " for " << target;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DefaultNumbers, CountSolutionsExhaustiveTest, testing::Range(0, kParts));

}  // namespace
}  // namespace reki
