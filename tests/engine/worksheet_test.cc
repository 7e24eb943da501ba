#include "engine/worksheet.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "engine/solver.h"
#include "platform/errors.h"

namespace reki {
namespace {

WorksheetRequest TwoDigitRequest(std::uint32_t seed) {
  return {{99, 3, 7, 12, 19, 25, 31, 44, 58, 77}, 77, {5, 3, 4, 3}, 12, seed};
}

TEST(MakeWorksheetTest, SameSeedSameSheet) {
  const Worksheet first = MakeWorksheet(TwoDigitRequest(2024));
  const Worksheet again = MakeWorksheet(TwoDigitRequest(2024));
  const Worksheet other = MakeWorksheet(TwoDigitRequest(2025));
  EXPECT_EQ(first.exercises, again.exercises);
  EXPECT_NE(first.exercises, other.exercises);
}

TEST(MakeWorksheetTest, DistinctExercisesOfTheChosenLevelsEachWithTheSolversFirstLine) {
  const Worksheet sheet = MakeWorksheet(TwoDigitRequest(7));
  EXPECT_EQ(sheet.numbers, (NumberSet{3, 7, 12, 19, 25, 31, 44, 58, 77, 99}));
  EXPECT_EQ(sheet.levels, (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(sheet.seed, 7u);
  ASSERT_EQ(sheet.exercises.size(), 12u);
  const LevelTable table = GradeSet(sheet.numbers, 77);
  std::set<std::int32_t> indexes;
  for (const WorksheetExercise& e : sheet.exercises) {
    indexes.insert(e.index);
    EXPECT_EQ(e.level, table[e.index] + 1);
    EXPECT_TRUE(e.level >= 3 && e.level <= 5) << e.level;
    EXPECT_EQ(e.numbers, ExerciseNumbers(sheet.numbers, UnrankCombination(e.index)));
    const auto [a, b, c, d] = e.numbers;
    EXPECT_EQ(e.solution, FindSolutions(a, b, c, d, 77, true).lines.front());
  }
  EXPECT_EQ(indexes.size(), 12u);
}

TEST(DrawExercisesTest, FixedForASeedOnEveryMachine) {
  std::vector<std::int32_t> candidates(100);
  std::iota(candidates.begin(), candidates.end(), 0);
  // Pinned: a change here changes every sheet a teacher printed before.
  EXPECT_EQ(DrawExercises(candidates, 5, 42), (std::vector<std::int32_t>{6, 78, 98, 16, 57}));
  EXPECT_EQ(DrawExercises(candidates, 100, 1).size(), 100u);
  EXPECT_TRUE(DrawExercises(candidates, 0, 1).empty());
}

TEST(MakeWorksheetTest, RefusesUnplayableLevelsAndTooFewExercises) {
  WorksheetRequest request = TwoDigitRequest(1);
  request.levels = {6};
  EXPECT_THROW(MakeWorksheet(request), RangeCheckError);
  request.levels = {0};
  EXPECT_THROW(MakeWorksheet(request), RangeCheckError);
  request.levels = {1};
  const NumberSet sorted = {3, 7, 12, 19, 25, 31, 44, 58, 77, 99};
  const auto available = ExercisesInLevels(GradeSet(sorted, 77), {1}).size();
  request.count = static_cast<std::int32_t>(available);
  EXPECT_EQ(MakeWorksheet(request).exercises.size(), available);
  request.count = static_cast<std::int32_t>(available + 1);
  EXPECT_THROW(MakeWorksheet(request), RangeCheckError);
}

}  // namespace
}  // namespace reki
