// The content of a printable worksheet: exercises drawn at random from chosen levels of a set,
// each with one solution for the answer key. The same seed always gives the same sheet, on every
// machine: the draw uses the mt19937 generator, defined to the bit by the C++ standard, and its own
// bounded draw.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/grading.h"
#include "engine/number_set.h"

namespace reki {

struct WorksheetRequest {
  NumberSet numbers{};
  std::int32_t target = kDefaultTarget;
  std::vector<int> levels;  // playable levels 1..5 to draw from
  std::int32_t count = 0;   // exercises on the sheet
  std::uint32_t seed = 0;
};

struct WorksheetExercise {
  std::int32_t index = 0;  // combination index 0..714 in the sorted set
  std::array<std::int32_t, 4> numbers{};
  int level = 0;
  std::string solution;  // the solver's first line

  friend bool operator==(const WorksheetExercise&, const WorksheetExercise&) = default;
};

struct Worksheet {
  NumberSet numbers{};  // sorted
  std::int32_t target = 0;
  std::vector<int> levels;  // ascending, each once
  std::uint32_t seed = 0;
  std::vector<WorksheetExercise> exercises;
};

// The combination indexes of the exercises in the given levels, in combination order.
std::vector<std::int32_t> ExercisesInLevels(const LevelTable& table,
                                            const std::vector<int>& levels);

// count different indexes drawn at random from candidates, in the order drawn. Throws
// RangeCheckError when there are fewer candidates than count.
std::vector<std::int32_t> DrawExercises(const std::vector<std::int32_t>& candidates,
                                        std::int32_t count, std::uint32_t seed);

// Grades the set, draws the exercises and finds a solution for each. Throws RangeCheckError for a
// level outside 1..5 or when the levels hold fewer exercises than asked for.
Worksheet MakeWorksheet(const WorksheetRequest& request);

}  // namespace reki
