// The number set (ten base numbers and a target) and the numbering of its 715 exercises.
//
// An exercise is a choice of four positions 1 <= p1 <= p2 <= p3 <= p4 <= 10 into the ten numbers,
// so a number may be taken up to four times. Its index 0..714 is the rank in colexicographic order
// (by p4, then p3, p2, p1), and its combination number is index + 1.
#pragma once

#include <array>
#include <cstdint>

namespace reki {

inline constexpr int kNumberCount = 10;
inline constexpr int kCombinationCount = 715;
inline constexpr int kMinNumber = 1;
inline constexpr int kMaxNumber = 99;
inline constexpr int kMinTarget = 1;
inline constexpr int kMaxTarget = 999;

// The ten base numbers; element 0 holds the first number.
using NumberSet = std::array<std::int32_t, kNumberCount>;

inline constexpr NumberSet kDefaultNumbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
inline constexpr std::int32_t kDefaultTarget = 24;

bool IsDefaultSet(const NumberSet& numbers, std::int32_t target);

// Ten numbers in 1..99, pairwise different.
bool IsValidNumberSet(const NumberSet& numbers);

// Four positions into the number set, each 1..10, ascending.
struct Combination {
  std::int32_t p1 = 1;
  std::int32_t p2 = 1;
  std::int32_t p3 = 1;
  std::int32_t p4 = 1;

  friend bool operator==(const Combination&, const Combination&) = default;
};

// Choose2[i] = C(i, 2), Choose3[i] = C(i + 1, 3), Choose4[i] = C(i + 2, 4), for i = 1..10
// (element 0 stands for i = 1): the number of combinations whose two, three or four smallest
// positions lie below i.
inline constexpr std::array<std::int32_t, 10> Choose2 = {0, 1, 3, 6, 10, 15, 21, 28, 36, 45};
inline constexpr std::array<std::int32_t, 10> Choose3 = {0, 1, 4, 10, 20, 35, 56, 84, 120, 165};
inline constexpr std::array<std::int32_t, 10> Choose4 = {0, 1, 5, 15, 35, 70, 126, 210, 330, 495};

// Insertion sort, ascending; equal values keep their places. True when anything moved.
bool SortNumbers(NumberSet& numbers);

// The four positions of a combination index 0..714. Throws RangeCheckError for any other index.
Combination UnrankCombination(std::int32_t index);

// The index of four positions: C(p4 + 2, 4) + C(p3 + 1, 3) + C(p2, 2) + (p1 - 1).
std::int32_t RankCombination(const Combination& c);

// The four numbers of a combination, ascending when the set is sorted.
std::array<std::int32_t, 4> ExerciseNumbers(const NumberSet& numbers, const Combination& c);

}  // namespace reki
