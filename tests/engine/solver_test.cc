#include "engine/solver.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace reki {
namespace {

using Lines = std::vector<std::string>;

struct SolverCase {
  std::array<std::int32_t, 4> numbers;
  std::int32_t target;
  int count;
  Lines lines;  // empty: only the first line is checked, see firstLine
  const char* firstLine;
  std::size_t lineCount;
};

// Worked by hand from the bracket shapes and pattern tables: which orderings hit first, and why
// the sum rule gives 10.
TEST(FindSolutionsTest, CountsAndLinesInOrderOfTheHits) {
  const SolverCase cases[] = {
      {{1, 2, 3, 4},
       24,
       4,
       {"((1 + 2) + 3) x 4 = 24", "((1 x 2) x 3) x 4 = 24", "(3 + 1) x (2 + 4) = 24",
        "((2 x 3) x 4) : 1 = 24"},
       nullptr,
       4},
      {{1, 5, 5, 5}, 24, 1, {"5 x (5 - (1 : 5)) = 24"}, nullptr, 1},
      {{3, 3, 8, 8}, 24, 1, {"8 : (3 - (8 : 3)) = 24"}, nullptr, 1},
      {{6, 6, 6, 6}, 24, 10, {"((6 + 6) + 6) + 6 = 24", "((6 x 6) - 6) - 6 = 24"}, nullptr, 2},
      {{1, 1, 1, 1}, 24, 0, {}, nullptr, 0},
      {{1, 2, 3, 4}, 10, 10, {}, "((1 + 2) + 3) + 4 = 10", 17},
  };
  for (const auto& c : cases) {
    const auto [a, b, cc, d] = c.numbers;
    const SolverResult withLines = FindSolutions(a, b, cc, d, c.target, true);
    EXPECT_EQ(withLines.count, c.count) << a << b << cc << d;
    ASSERT_EQ(withLines.lines.size(), c.lineCount) << a << b << cc << d;
    if (c.firstLine != nullptr) {
      EXPECT_EQ(withLines.lines.front(), c.firstLine);
    } else {
      EXPECT_EQ(withLines.lines, c.lines);
    }
    const SolverResult countOnly = FindSolutions(a, b, cc, d, c.target, false);
    EXPECT_EQ(countOnly.count, c.count);
    EXPECT_TRUE(countOnly.lines.empty());
  }
}

TEST(FindSolutionsTest, DivisionByZeroIsNoHitAndNoError) {
  // With a equal to b, Type III "-:x" divides c by a - b = 0 in every ordering that starts with
  // the two equal numbers; those evaluations simply miss.
  const SolverResult r = FindSolutions(5, 5, 1, 1, 24, true);
  EXPECT_EQ(r.lines.size(), r.count);
}

TEST(FindSolutionsTest, LongNumbersAreCutInTheLinesOnly) {
  const SolverResult r = FindSolutions(100, 1, 1, 1, 103, true);
  EXPECT_EQ(r.count, 10);
  EXPECT_EQ(r.lines.front(), "((10 + 1) + 1) + 1 = 103");
}

TEST(FindSolutionsTest, OverflowLeavesWithTheError) {
  EXPECT_THROW(FindSolutions(100000, 100000, 100000, 1, 24, false), IntegerOverflowError);
}

}  // namespace
}  // namespace reki
