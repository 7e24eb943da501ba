#include "cli/arguments.h"

#include <algorithm>

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

}  // namespace reki::cli
