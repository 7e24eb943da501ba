#include "engine/grading.h"

#include "engine/fast_count.h"
#include "platform/errors.h"
#include "platform/int_text.h"

namespace reki {
namespace {

// A number of an entry: cut to two characters, a blank before a number below 10.
std::string NumberField(std::int32_t n) {
  std::string text = IntToStr(n).substr(0, 2);
  return n < 10 ? " " + text : text;
}

std::int32_t ByteValue(std::string_view text) {
  const std::int32_t value = StrToInt(text);
  if (value < 0 || value > 255) {
    throw RangeCheckError();
  }
  return value;
}

}  // namespace

std::string_view LevelName(int level) {
  if (level < 1 || level > kLevelCount) {
    throw RangeCheckError();
  }
  return NiveauNamen[level - 1];
}

int LevelForCount(std::uint8_t count) {
  if (count == 0)
    return 6;
  if (count == 1)
    return 5;
  if (count <= 3)
    return 4;
  if (count <= 5)
    return 3;
  if (count <= 8)
    return 2;
  return 1;
}

std::string OpgaveTekst(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
  return NumberField(a) + " : " + NumberField(b) + " : " + NumberField(c) + " : " + NumberField(d);
}

std::string ExerciseEntry(const NumberSet& numbers, std::int32_t index) {
  const auto n = ExerciseNumbers(numbers, UnrankCombination(index));
  return OpgaveTekst(n[0], n[1], n[2], n[3]);
}

std::array<std::int32_t, 4> ParseOpgaveTekst(std::string_view entry) {
  constexpr std::string_view kSeparator = " : ";
  std::string_view rest = entry.substr(0, 40);
  std::array<std::int32_t, 4> numbers{};
  for (int i = 0; i < 3; ++i) {
    const std::size_t p = rest.find(kSeparator);
    if (p == std::string_view::npos) {
      throw ConvertError("");  // no separator: the piece before it is empty
    }
    numbers[i] = ByteValue(rest.substr(0, p));
    rest = rest.substr(p + kSeparator.size());
  }
  numbers[3] = ByteValue(rest);
  return numbers;
}

int GradeExercise(const NumberSet& numbers, std::int32_t target, std::int32_t index) {
  const auto n = ExerciseNumbers(numbers, UnrankCombination(index));
  return LevelForCount(CountSolutions(n[0], n[1], n[2], n[3], target));
}

LevelTable GradeSet(const NumberSet& numbers, std::int32_t target) {
  LevelTable table{};
  for (std::int32_t index = 0; index < kCombinationCount; ++index) {
    table[index] = static_cast<std::uint8_t>(GradeExercise(numbers, target, index) - 1);
  }
  return table;
}

LevelLists BuildLevelLists(const NumberSet& numbers, const LevelTable& table) {
  LevelLists lists;
  for (std::int32_t index = 0; index < kCombinationCount; ++index) {
    lists.at(table[index]).push_back(ExerciseEntry(numbers, index));
  }
  return lists;
}

}  // namespace reki
