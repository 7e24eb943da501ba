// Grading: from the solver's count of an exercise to one of six levels, the names of the levels,
// and the 17-character text under which an exercise stands in its level's list.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/number_set.h"

namespace reki {

inline constexpr int kLevelCount = 6;
// Level 6 holds the exercises without a solution; levels 1..5 can be played.
inline constexpr int kImpossibleLevel = 6;

inline constexpr std::array<std::string_view, kLevelCount> NiveauNamen = {
    "Erg eenvoudig", "Eenvoudig", "Gaat wel", "Lastig", "Heel lastig", "Onmogelijk"};

// The name of a level 1..6.
std::string_view LevelName(int level);

// Level 1..6 of a solver count: 0 -> 6, 1 -> 5, 2-3 -> 4, 4-5 -> 3, 6-8 -> 2, 9 and more -> 1.
int LevelForCount(std::uint8_t count);

// The level code (level - 1, 0..5) of every combination number 1..715; element 0 holds number 1.
using LevelTable = std::array<std::uint8_t, kCombinationCount>;

// The six level lists; element 0 holds level 1.
using LevelLists = std::array<std::vector<std::string>, kLevelCount>;

// The entry of an exercise in its level's list: the four numbers, each right-aligned in two
// characters (cut to two), joined by " : ", as " 3 :  7 : 12 : 24".
std::string OpgaveTekst(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d);
inline constexpr std::size_t kOpgaveTekstLength = 17;

// The entry of combination index 0..714 of a number set.
std::string ExerciseEntry(const NumberSet& numbers, std::int32_t index);

// The four numbers of an entry: split at " : ", each read as a whole number with leading blanks
// allowed, from the first 40 characters only. Throws ConvertError for a piece that is no number
// and RangeCheckError for a number outside 0..255.
std::array<std::int32_t, 4> ParseOpgaveTekst(std::string_view entry);

// The level of combination index 0..714 for a target, by the solver's count.
int GradeExercise(const NumberSet& numbers, std::int32_t target, std::int32_t index);

// Grades all 715 exercises of a set.
LevelTable GradeSet(const NumberSet& numbers, std::int32_t target);

// The six lists of a graded set: every exercise's entry, in combination order, in its level's list.
LevelLists BuildLevelLists(const NumberSet& numbers, const LevelTable& table);

}  // namespace reki
