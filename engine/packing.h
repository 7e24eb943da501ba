// A graded set as two texts of 190 characters each (the values of keys "1" and "2" of its section
// in the set file), and the name of that section.
//
// Text A holds the units digits of the ten numbers, B their tens digits; position 11 holds the
// target (low part in A, high part and the first level code in B); positions 12..189 hold two level
// codes per character, alternating between A and B; position 190 holds the last code of each.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/grading.h"
#include "engine/number_set.h"

namespace reki {

inline constexpr std::size_t kPackedLength = 190;

struct PackedResults {
  std::string a;  // key "1"
  std::string b;  // key "2"

  friend bool operator==(const PackedResults&, const PackedResults&) = default;
};

struct GradedSet {
  NumberSet numbers{};
  std::int32_t target = 0;
  LevelTable levels{};

  friend bool operator==(const GradedSet&, const GradedSet&) = default;
};

// Packs a set whose numbers lie in 0..99, target in 0..999 and level codes in 0..5.
PackedResults PackResults(const GradedSet& set);

// The exact inverse of PackResults. A value that does not have the format (a length other than
// 190, a character outside its position's range, a level code above 5, numbers outside 1..99 or
// repeated, a target outside 1..999) gives no set: nothing is read past an end or used as an index.
std::optional<GradedSet> UnpackResults(const PackedResults& packed);

// The name of a set's section: the target, ";", then each number followed by ":", as
// "24;1:2:3:4:5:6:7:8:9:10:".
std::string SetNaam(const NumberSet& numbers, std::int32_t target);

// The target and ten numbers of a set name, split as the saved-set grid does: the text before
// the first ';', then the text before each ':'. A missing separator gives an empty piece.
struct SetNameParts {
  std::string target;
  std::array<std::string, kNumberCount> numbers;
};
SetNameParts SplitSetNaam(std::string_view name);

}  // namespace reki
