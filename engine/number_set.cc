#include "engine/number_set.h"

#include <algorithm>

#include "platform/errors.h"

namespace reki {
namespace {

// The largest position 1..10 whose table value does not exceed what is left of the index; the
// tables start with 0, so position 1 always qualifies.
std::int32_t GreedyPosition(const std::array<std::int32_t, 10>& table, std::int32_t& rest) {
  std::int32_t position = 10;
  while (rest < table[position - 1]) {
    --position;
  }
  rest -= table[position - 1];
  return position;
}

}  // namespace

bool IsDefaultSet(const NumberSet& numbers, std::int32_t target) {
  return target == kDefaultTarget && numbers == kDefaultNumbers;
}

bool IsValidNumberSet(const NumberSet& numbers) {
  for (int i = 0; i < kNumberCount; ++i) {
    if (numbers[i] < kMinNumber || numbers[i] > kMaxNumber) {
      return false;
    }
    if (std::find(numbers.begin(), numbers.begin() + i, numbers[i]) != numbers.begin() + i) {
      return false;
    }
  }
  return true;
}

bool SortNumbers(NumberSet& numbers) {
  bool moved = false;
  for (int i = 1; i < kNumberCount; ++i) {
    const std::int32_t x = numbers[i];
    for (int j = i - 1; j >= 0 && x < numbers[j]; --j) {
      numbers[j + 1] = numbers[j];
      numbers[j] = x;
      moved = true;
    }
  }
  return moved;
}

Combination UnrankCombination(std::int32_t index) {
  if (index < 0 || index >= kCombinationCount) {
    throw RangeCheckError();
  }
  Combination c;
  c.p4 = GreedyPosition(Choose4, index);
  c.p3 = GreedyPosition(Choose3, index);
  c.p2 = GreedyPosition(Choose2, index);
  c.p1 = index + 1;
  return c;
}

std::int32_t RankCombination(const Combination& c) {
  return Choose4[c.p4 - 1] + Choose3[c.p3 - 1] + Choose2[c.p2 - 1] + (c.p1 - 1);
}

std::array<std::int32_t, 4> ExerciseNumbers(const NumberSet& numbers, const Combination& c) {
  return {numbers[c.p1 - 1], numbers[c.p2 - 1], numbers[c.p3 - 1], numbers[c.p4 - 1]};
}

}  // namespace reki
