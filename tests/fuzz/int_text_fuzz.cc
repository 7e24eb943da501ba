// Any bytes as the text of a number or of a fraction, as the game reads the captions of its
// buttons and the texts of its edits. Each text either gives exactly the number that a second,
// independent reading finds, or the conversion error naming the text; nothing else happens.
// Two texts that both read as fractions then go through the four operations, whose results must
// be exact, in lowest terms, or the overflow error.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "engine/fraction.h"
#include "platform/errors.h"
#include "platform/int_text.h"
#include "tests/fuzz/fuzz_check.h"

namespace reki {
namespace {

using Wide = __int128;

// The number that a text stands for: leading blanks, an optional sign, then decimal digits or
// '$' and hexadecimal digits to the end, within the signed 32-bit range.
std::optional<std::int32_t> ExpectedNumber(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  }
  // from_chars takes no sign or prefix of its own for an unsigned type, so none slips through.
  std::uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  const std::int64_t value =
      negative ? -static_cast<std::int64_t>(std::min<std::uint64_t>(magnitude, 1ull << 40))
               : static_cast<std::int64_t>(std::min<std::uint64_t>(magnitude, 1ull << 40));
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

// The message names the text; as a C string it ends at a zero byte inside the text.
bool NamesText(const ConvertError& error, std::string_view text) {
  const std::string message = "'" + std::string(text) + "' is not a valid integer value";
  return std::strcmp(error.what(), message.c_str()) == 0;
}

// StrToInt against the expected number; the number, or nothing after the conversion error.
std::optional<std::int32_t> CheckNumber(std::string_view text) {
  const std::optional<std::int32_t> expected = ExpectedNumber(text);
  try {
    const std::int32_t value = StrToInt(text);
    FUZZ_CHECK(expected == value);
    FUZZ_CHECK(StrToInt(IntToStr(value)) == value);
    return value;
  } catch (const ConvertError& error) {
    FUZZ_CHECK(!expected);
    FUZZ_CHECK(NamesText(error, text));
    return std::nullopt;
  }
}

// ParseFraction against the numbers of its parts; a fraction, or nothing after the error that
// names the first part that is no number.
std::optional<Fraction> CheckFraction(std::string_view text) {
  const std::size_t slash = text.find('/');
  const std::string_view top = text.substr(0, slash);
  const std::string_view bottom = slash == std::string_view::npos ? "1" : text.substr(slash + 1);
  const std::optional<std::int32_t> numerator = CheckNumber(top);
  const std::optional<std::int32_t> denominator = CheckNumber(bottom);
  try {
    const Fraction f = ParseFraction(text);
    FUZZ_CHECK(numerator == f.numerator && denominator == f.denominator);
    FUZZ_CHECK(ParseFraction(FractionText(f)) == f);
    return f;
  } catch (const ConvertError& error) {
    FUZZ_CHECK(!numerator || !denominator);
    FUZZ_CHECK(NamesText(error, !numerator ? top : bottom));
    return std::nullopt;
  }
}

bool Fits(Wide v) {
  return v >= std::numeric_limits<std::int32_t>::min() &&
         v <= std::numeric_limits<std::int32_t>::max();
}

Wide Gcd(Wide a, Wide b) {
  a = a < 0 ? -a : a;
  b = b < 0 ? -b : b;
  while (b != 0) {
    const Wide rest = a % b;
    a = b;
    b = rest;
  }
  return a;
}

// x op y against the exact raw pair of the operation: the result has the same value in lowest
// terms with a positive denominator, or is the raw pair itself when its denominator is 0; the
// overflow error only when that result does not fit 32 bits.
void CheckOperation(Fraction x, Fraction y, char op, std::uint8_t code) {
  const Wide xn = x.numerator, xd = x.denominator, yn = y.numerator, yd = y.denominator;
  Wide n = 0, d = 0;
  switch (op) {
    case '+':
      n = xn * yd + yn * xd, d = xd * yd;
      break;
    case '-':
      n = xn * yd - yn * xd, d = xd * yd;
      break;
    case 'x':
      n = xn * yn, d = xd * yd;
      break;
    default:
      n = xn * yd * yd, d = xd * yn * yd;
      break;
  }
  if (d != 0) {
    const Wide g = Gcd(n, d) * (d < 0 ? -1 : 1);
    n /= g;
    d /= g;
  }
  try {
    const Fraction r = Calculate(x, y, op);
    FUZZ_CHECK(Fits(n) && Fits(d) && r.numerator == n && r.denominator == d);
    FUZZ_CHECK(CalculateStep(CalcStep{x, y, code}) == r);
  } catch (const IntegerOverflowError&) {
    FUZZ_CHECK(!Fits(n) || !Fits(d));
    bool stepThrew = false;
    try {
      CalculateStep(CalcStep{x, y, code});
    } catch (const IntegerOverflowError&) {
      stepThrew = true;
    }
    FUZZ_CHECK(stepThrew);
  }
}

}  // namespace
}  // namespace reki

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace reki;
  // Two texts: before and after the first line break.
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = input.find('\n');
  const std::optional<Fraction> x = CheckFraction(input.substr(0, newline));
  if (newline == std::string_view::npos) {
    return 0;
  }
  const std::optional<Fraction> y = CheckFraction(input.substr(newline + 1));
  if (x && y) {
    CheckOperation(*x, *y, '+', kOpPlus);
    CheckOperation(*x, *y, '-', kOpMinus);
    CheckOperation(*x, *y, 'x', kOpTimes);
    CheckOperation(*x, *y, ':', kOpDivide);
  }
  return 0;
}
