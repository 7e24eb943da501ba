#include "cli/arguments.h"

#include <algorithm>
#include <limits>

#include "engine/grading.h"
#include "platform/errors.h"
#include "platform/int_text.h"

namespace reki::cli {
namespace {

std::string CountMessage(std::size_t wanted, std::size_t given) {
  return std::to_string(wanted) + " getallen verwacht, " + std::to_string(given) + " gekregen";
}

}  // namespace

std::int32_t ParseWholeNumber(const std::string& text, const std::string& what) {
  try {
    return StrToInt(text);
  } catch (const ConvertError&) {
    throw UsageError(what + " '" + text + "' is geen geheel getal");
  }
}

std::int32_t ParseTarget(const std::string& text) {
  const std::int32_t target = ParseWholeNumber(text, "resultaat");
  if (target < kMinTarget || target > kMaxTarget) {
    throw UsageError("resultaat " + text + " ligt niet tussen 1 en 999");
  }
  return target;
}

std::int32_t ParseBaseNumber(const std::string& text) {
  const std::int32_t number = ParseWholeNumber(text, "getal");
  if (number < kMinNumber || number > kMaxNumber) {
    throw UsageError("getal " + text + " ligt niet tussen 1 en 99");
  }
  return number;
}

std::array<std::int32_t, 4> ParseExercise(const std::vector<std::string>& texts) {
  if (texts.size() != 4) {
    throw UsageError(CountMessage(4, texts.size()));
  }
  std::array<std::int32_t, 4> numbers{};
  std::transform(texts.begin(), texts.end(), numbers.begin(), ParseBaseNumber);
  return numbers;
}

NumberSet ParseNumberSet(const std::vector<std::string>& texts) {
  if (texts.size() != kNumberCount) {
    throw UsageError(CountMessage(kNumberCount, texts.size()));
  }
  NumberSet numbers{};
  for (int i = 0; i < kNumberCount; ++i) {
    numbers[i] = ParseBaseNumber(texts[i]);
    if (std::find(numbers.begin(), numbers.begin() + i, numbers[i]) != numbers.begin() + i) {
      throw UsageError("getal " + texts[i] + " komt twee keer voor");
    }
  }
  return numbers;
}

int ParseLevel(const std::string& text) {
  const std::int32_t level = ParseWholeNumber(text, "niveau");
  if (level < 1 || level >= kImpossibleLevel) {
    throw UsageError("niveau " + text + " ligt niet tussen 1 en 5");
  }
  return level;
}

std::int32_t ParseWorksheetCount(const std::string& text) {
  const std::int32_t count = ParseWholeNumber(text, "aantal");
  if (count < 1 || count > kMaxWorksheetCount) {
    throw UsageError("aantal " + text + " ligt niet tussen 1 en " +
                     std::to_string(kMaxWorksheetCount));
  }
  return count;
}

std::uint32_t ParseSeed(const std::string& text) {
  constexpr std::uint64_t kMaxSeed = std::numeric_limits<std::uint32_t>::max();
  const bool digits =
      !text.empty() && text.size() <= 10 &&
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits || std::stoull(text) > kMaxSeed) {
    throw UsageError("seed '" + text + "' is geen geheel getal van 0 tot en met " +
                     std::to_string(kMaxSeed));
  }
  return static_cast<std::uint32_t>(std::stoull(text));
}

}  // namespace reki::cli
