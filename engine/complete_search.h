// A complete search over four numbers: every expression that uses each number once, with + - x :
// in any bracketing, in exact fractions (a division by zero is undefined and reaches nothing).
//
// The game's solver tries only its 45 operator patterns, so it grades some exercises "Onmogelijk"
// that another bracketing solves; this search tells a teacher which ones. It never changes the
// game's grading.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/grading.h"
#include "engine/number_set.h"

namespace reki {

// The whole numbers 1..999 that some expression of the four numbers reaches; bit t for target t.
// The numbers must lie in 0..99 (RangeCheckError otherwise).
using ReachableTargets = std::bitset<kMaxTarget + 1>;
ReachableTargets FindReachableTargets(std::int32_t a, std::int32_t b, std::int32_t c,
                                      std::int32_t d);

// One expression of the four numbers that equals target, written like the solver's lines, as
// "(12 - 7) x (3 + 4) = 35"; nothing when there is none. Numbers in 0..99 as above.
std::optional<std::string> FindAnySolution(std::int32_t a, std::int32_t b, std::int32_t c,
                                           std::int32_t d, std::int32_t target);

// An exercise that grading puts in "Onmogelijk" although another bracketing solves it.
struct HiddenSolution {
  std::int32_t index = 0;  // combination index 0..714
  std::string solution;    // one expression, as FindAnySolution writes it
};

// The hidden solutions of a graded set, in combination order.
std::vector<HiddenSolution> FindHiddenSolutions(const NumberSet& numbers, std::int32_t target,
                                                const LevelTable& levels);

}  // namespace reki
