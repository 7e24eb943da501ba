// The four-number solver: in how many ways do four numbers reach a target?
//
// It tries the 24 orderings of the numbers in the four bracket shapes, each with the operator
// patterns of its table. The count is the number of patterns that reach the target exactly with
// some ordering; an exercise whose four numbers simply add up to the target counts 10.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace reki {

struct SolverResult {
  std::uint8_t count = 0;
  // One line per pattern that hit, in the order of the hits, each at most 40 characters, as
  // "(3 + 1) x (2 + 4) = 24". Empty when no lines were asked for.
  std::vector<std::string> lines;
};

// Longest solution line; longer lines are cut without a mark.
inline constexpr std::size_t kSolutionLineLength = 40;

// Solves a, b, c, d (in the caller's order) for target. With withLines false no text is built.
// Throws IntegerOverflowError when an intermediate result leaves 32 bits (never for 0..99).
SolverResult FindSolutions(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                           std::int32_t target, bool withLines);

}  // namespace reki
