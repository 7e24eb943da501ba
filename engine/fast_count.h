// The solver's count without its lines, fast enough to grade a whole set in a few milliseconds and
// every target of a set in one go.
//
// The count is exactly that of FindSolutions: the number of operator patterns (45 in four bracket
// shapes) that reach the target with some ordering of the four numbers, or 10 when the four
// numbers add up to the target. It gets there by another road: fractions are never reduced (a
// value equals t when n == t * d), the first operation of an ordering is worked out once for all
// patterns that start with it, orderings that repeat because of equal numbers are tried once, and
// the counts of all targets come from a single pass over the values of an exercise.
#pragma once

#include <array>
#include <cstdint>

#include "engine/number_set.h"

namespace reki {

// FindSolutions(a, b, c, d, target, false).count. Numbers outside 0..99 go to FindSolutions
// itself, which may throw IntegerOverflowError for them.
std::uint8_t CountSolutions(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                            std::int32_t target);

// The counts of every target 1..999: element t holds CountSolutions(a, b, c, d, t); element 0 is
// not used and holds 0.
using TargetCounts = std::array<std::uint8_t, kMaxTarget + 1>;
TargetCounts CountSolutionsForAllTargets(std::int32_t a, std::int32_t b, std::int32_t c,
                                         std::int32_t d);

}  // namespace reki
