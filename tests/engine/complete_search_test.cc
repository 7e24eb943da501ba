#include "engine/complete_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/fast_count.h"
#include "engine/fraction.h"
#include "engine/solver.h"
#include "platform/errors.h"

namespace reki {
namespace {

// Reads a written solution back, "(58 - 12) x 3 = 138": every operand is a number or a bracketed
// expression of one operation. Works it out with the game's own fractions and collects the
// numbers used.
class SolutionReader {
 public:
  explicit SolutionReader(std::string_view text) : text_(text) {}

  Fraction Expression() {
    const Fraction left = Operand();
    if (pos_ >= text_.size() || text_[pos_] == ')' || text_.substr(pos_, 3) == " = ") {
      return left;
    }
    const char op = text_.at(pos_ + 1);
    pos_ += 3;
    return Calculate(left, Operand(), op);
  }

  std::int32_t Target() {
    EXPECT_EQ(text_.substr(pos_, 3), " = ");
    return std::stoi(std::string(text_.substr(pos_ + 3)));
  }

  std::vector<std::int32_t> numbers;

 private:
  Fraction Operand() {
    if (text_.at(pos_) == '(') {
      ++pos_;
      const Fraction inner = Expression();
      EXPECT_EQ(text_.at(pos_), ')');
      ++pos_;
      return inner;
    }
    std::size_t end = pos_;
    while (end < text_.size() && std::isdigit(static_cast<unsigned char>(text_[end]))) {
      ++end;
    }
    numbers.push_back(std::stoi(std::string(text_.substr(pos_, end - pos_))));
    pos_ = end;
    return Fraction{numbers.back(), 1};
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// The solution solves the exercise: it uses exactly its four numbers and reaches the target.
void ExpectSolves(const std::string& solution, std::array<std::int32_t, 4> exercise,
                  std::int32_t target) {
  SolutionReader reader(solution);
  EXPECT_EQ(reader.Expression(), (Fraction{target, 1})) << solution;
  EXPECT_EQ(reader.Target(), target) << solution;
  std::sort(reader.numbers.begin(), reader.numbers.end());
  std::sort(exercise.begin(), exercise.end());
  EXPECT_EQ(reader.numbers, std::vector<std::int32_t>(exercise.begin(), exercise.end()))
      << solution;
}

TEST(FindHiddenSolutionsTest, OnmogelijkExercisesThatOtherBracketsSolve) {
  const NumberSet numbers = {3, 7, 12, 19, 25, 31, 44, 58, 77, 99};
  const LevelTable levels = GradeSet(numbers, 36);
  const std::vector<HiddenSolution> hidden = FindHiddenSolutions(numbers, 36, levels);
  ASSERT_FALSE(hidden.empty());
  for (const HiddenSolution& h : hidden) {
    EXPECT_EQ(levels[h.index], kImpossibleLevel - 1) << h.solution;
    ExpectSolves(h.solution, ExerciseNumbers(numbers, UnrankCombination(h.index)), 36);
  }
  // 3 7 12 58 needs three subtractions in a row, a pattern the game does not try.
  const auto simple = std::find_if(hidden.begin(), hidden.end(), [&numbers](const auto& h) {
    return ExerciseEntry(numbers, h.index) == " 3 :  7 : 12 : 58";
  });
  ASSERT_NE(simple, hidden.end());
  EXPECT_EQ(simple->solution, "((58 - 12) - 7) - 3 = 36");
  // Every other "Onmogelijk" exercise is impossible indeed.
  const auto isHidden = [&hidden](std::int32_t index) {
    return std::any_of(hidden.begin(), hidden.end(),
                       [index](const auto& h) { return h.index == index; });
  };
  for (std::int32_t index = 0; index < kCombinationCount; ++index) {
    if (levels[index] == kImpossibleLevel - 1 && !isHidden(index)) {
      const auto [a, b, c, d] = ExerciseNumbers(numbers, UnrankCombination(index));
      EXPECT_FALSE(FindReachableTargets(a, b, c, d)[36]) << index;
    }
  }
}

TEST(FindAnySolutionTest, PrefersStepsWithWholeNumbersButFindsFractionsToo) {
  const std::pair<std::array<std::int32_t, 4>, std::int32_t> cases[] = {
      {{1, 5, 5, 5}, 24},  // only through 1/5
      {{3, 3, 8, 8}, 24},  // only through 8/3
      {{12, 12, 12, 25}, 36},
      {{4, 4, 10, 10}, 24},
  };
  for (const auto& [n, target] : cases) {
    const auto solution = FindAnySolution(n[0], n[1], n[2], n[3], target);
    ASSERT_TRUE(solution.has_value()) << n[0] << ' ' << n[1] << ' ' << n[2] << ' ' << n[3];
    ExpectSolves(*solution, n, target);
  }
  EXPECT_EQ(FindAnySolution(12, 12, 12, 25, 36), "(25 - (12 : 12)) + 12 = 36");
  EXPECT_EQ(FindAnySolution(1, 1, 1, 1, 24), std::nullopt);
}

TEST(FindReachableTargetsTest, SmallCasesByHand) {
  ReachableTargets ones;
  for (const int t : {1, 2, 3, 4}) {
    ones.set(t);
  }
  EXPECT_EQ(FindReachableTargets(1, 1, 1, 1), ones);
  // 0 0 0 0 reaches only 0 (and the undefined 0 : 0), no target at all.
  EXPECT_TRUE(FindReachableTargets(0, 0, 0, 0).none());
  const ReachableTargets nines = FindReachableTargets(99, 99, 99, 99);
  // 99 : 99, (99 + 99) : 99, (99 + 99 + 99) : 99, (99 x 99 : 99) + 99, the sum
  EXPECT_TRUE(nines[1] && nines[2] && nines[3] && nines[198] && nines[396]);
  EXPECT_FALSE(nines[4]);
  EXPECT_THROW(FindReachableTargets(1, 2, 3, 100), RangeCheckError);
}

// The complete search covers every expression the game's patterns try.
TEST(FindReachableTargetsTest, HoldsEveryTargetTheSolverReaches) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int32_t> number(1, 99);
  for (int i = 0; i < 300; ++i) {
    const std::int32_t a = number(random), b = number(random) % 13, c = number(random),
                       d = number(random) % 20 + 1;
    const TargetCounts counts = CountSolutionsForAllTargets(a, b, c, d);
    const ReachableTargets reachable = FindReachableTargets(a, b, c, d);
    for (std::int32_t t = kMinTarget; t <= kMaxTarget; ++t) {
      ASSERT_TRUE(counts[t] == 0 || reachable[t])
          << a << ' ' << b << ' ' << c << ' ' << d << " " << t;
    }
  }
}

}  // namespace
}  // namespace reki
