#include "engine/advisor.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <tuple>

#include "engine/complete_search.h"
#include "engine/fast_count.h"

namespace reki {
namespace {

constexpr int kPlayableLevels = kImpossibleLevel - 1;

std::int32_t SmallestPlayableLevel(const TargetAdvice& advice) {
  return *std::min_element(advice.levelSizes.begin(), advice.levelSizes.begin() + kPlayableLevels);
}

std::int32_t PlayableExercises(const TargetAdvice& advice) {
  return std::accumulate(advice.levelSizes.begin(), advice.levelSizes.begin() + kPlayableLevels, 0);
}

}  // namespace

std::vector<TargetAdvice> AdviseTargets(const NumberSet& numbers) {
  std::vector<TargetAdvice> table(kMaxTarget);
  for (std::int32_t t = kMinTarget; t <= kMaxTarget; ++t) {
    table[t - 1].target = t;
  }
  for (std::int32_t index = 0; index < kCombinationCount; ++index) {
    const auto [a, b, c, d] = ExerciseNumbers(numbers, UnrankCombination(index));
    const TargetCounts counts = CountSolutionsForAllTargets(a, b, c, d);
    const ReachableTargets reachable = FindReachableTargets(a, b, c, d);
    for (std::int32_t t = kMinTarget; t <= kMaxTarget; ++t) {
      TargetAdvice& advice = table[t - 1];
      const int level = LevelForCount(counts[t]);
      ++advice.levelSizes[level - 1];
      if (level == kImpossibleLevel && reachable[t]) {
        ++advice.hiddenSolutions;
      }
    }
  }
  return table;
}

bool HasEveryPlayableLevel(const TargetAdvice& advice) {
  return SmallestPlayableLevel(advice) > 0;
}

std::vector<TargetAdvice> BestSpreadFirst(const std::vector<TargetAdvice>& table) {
  std::vector<TargetAdvice> chosen;
  std::copy_if(table.begin(), table.end(), std::back_inserter(chosen), HasEveryPlayableLevel);
  std::sort(chosen.begin(), chosen.end(), [](const TargetAdvice& x, const TargetAdvice& y) {
    const auto key = [](const TargetAdvice& a) {
      return std::make_tuple(-SmallestPlayableLevel(a), -PlayableExercises(a), a.target);
    };
    return key(x) < key(y);
  });
  return chosen;
}

}  // namespace reki
