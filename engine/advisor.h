// The target advisor: for ten numbers, how the 715 exercises spread over the six levels for every
// target 1..999, so that a teacher can pick a target before any set is computed.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/grading.h"
#include "engine/number_set.h"

namespace reki {

struct TargetAdvice {
  std::int32_t target = 0;
  // The number of exercises in each level; element 0 holds level 1, element 5 "Onmogelijk".
  std::array<std::int32_t, kLevelCount> levelSizes{};
  // Of the "Onmogelijk" exercises, those that another bracketing solves after all.
  std::int32_t hiddenSolutions = 0;

  friend bool operator==(const TargetAdvice&, const TargetAdvice&) = default;
};

// One entry per target 1..999, in target order. The order of the ten numbers does not matter.
std::vector<TargetAdvice> AdviseTargets(const NumberSet& numbers);

// Whether every playable level 1..5 has at least one exercise.
bool HasEveryPlayableLevel(const TargetAdvice& advice);

// The targets that give exercises at every playable level, best spread first: the fullest
// smallest playable level first, then the most playable exercises, then the smallest target.
std::vector<TargetAdvice> BestSpreadFirst(const std::vector<TargetAdvice>& table);

}  // namespace reki
