#include "platform/int_text.h"

#include <limits>

#include "platform/errors.h"

namespace reki {
namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  }
  return value < base ? value : -1;
}

}  // namespace

std::int32_t StrToInt(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') {
    ++pos;
  }
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  int base = 10;
  if (pos < text.size() && text[pos] == '$') {
    base = 16;
    ++pos;
  }
  if (pos == text.size()) {
    throw ConvertError(text);
  }
  // The magnitude may reach 2^31 for the most negative number; anything beyond stops the scan.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = DigitValue(text[pos], base);
    if (digit < 0) {
      throw ConvertError(text);
    }
    magnitude = magnitude * base + digit;
    if (magnitude > kLimit) {
      throw ConvertError(text);
    }
  }
  if (!negative && magnitude == kLimit) {
    throw ConvertError(text);
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string IntToStr(std::int64_t value) {
  return std::to_string(value);
}

}  // namespace reki
