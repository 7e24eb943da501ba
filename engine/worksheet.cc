#include "engine/worksheet.h"

#include <algorithm>
#include <random>

#include "engine/solver.h"
#include "platform/errors.h"

namespace reki {
namespace {

// A number in 0..bound-1 without bias, by rejecting the top of the generator's range that does not
// divide evenly (std::uniform_int_distribution differs between standard libraries).
std::uint64_t DrawBelow(std::mt19937_64& generator, std::uint64_t bound) {
  const std::uint64_t limit = std::mt19937_64::max() - std::mt19937_64::max() % bound;
  std::uint64_t value = 0;
  do {
    value = generator();
  } while (value >= limit);
  return value % bound;
}

std::vector<int> SortedLevels(std::vector<int> levels) {
  for (const int level : levels) {
    if (level < 1 || level >= kImpossibleLevel) {
      throw RangeCheckError();
    }
  }
  std::sort(levels.begin(), levels.end());
  levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
  return levels;
}

}  // namespace

std::vector<std::int32_t> ExercisesInLevels(const LevelTable& table,
                                            const std::vector<int>& levels) {
  std::vector<std::int32_t> indexes;
  for (std::int32_t index = 0; index < kCombinationCount; ++index) {
    if (std::find(levels.begin(), levels.end(), table[index] + 1) != levels.end()) {
      indexes.push_back(index);
    }
  }
  return indexes;
}

std::vector<std::int32_t> DrawExercises(const std::vector<std::int32_t>& candidates,
                                        std::int32_t count, std::uint32_t seed) {
  if (count < 0 || static_cast<std::size_t>(count) > candidates.size()) {
    throw RangeCheckError();
  }
  // The first count steps of a Fisher-Yates shuffle.
  std::vector<std::int32_t> pool = candidates;
  std::mt19937_64 generator(seed);
  for (std::int32_t i = 0; i < count; ++i) {
    const std::size_t j = i + DrawBelow(generator, pool.size() - i);
    std::swap(pool[i], pool[j]);
  }
  pool.resize(count);
  return pool;
}

Worksheet MakeWorksheet(const WorksheetRequest& request) {
  Worksheet sheet;
  sheet.numbers = request.numbers;
  SortNumbers(sheet.numbers);
  sheet.target = request.target;
  sheet.levels = SortedLevels(request.levels);
  sheet.seed = request.seed;
  const LevelTable table = GradeSet(sheet.numbers, sheet.target);
  for (const std::int32_t index :
       DrawExercises(ExercisesInLevels(table, sheet.levels), request.count, request.seed)) {
    WorksheetExercise exercise;
    exercise.index = index;
    exercise.numbers = ExerciseNumbers(sheet.numbers, UnrankCombination(index));
    exercise.level = table[index] + 1;
    const auto [a, b, c, d] = exercise.numbers;
    exercise.solution = FindSolutions(a, b, c, d, sheet.target, true).lines.front();
    sheet.exercises.push_back(std::move(exercise));
  }
  return sheet;
}

}  // namespace reki
