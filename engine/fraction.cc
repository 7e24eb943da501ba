#include "engine/fraction.h"

#include <limits>

#include "platform/errors.h"
#include "platform/int_text.h"

namespace reki {
namespace {

using Wide = __int128;

// Euclid's algorithm; both values non-negative.
template <class Int>
Int GcdOf(Int a, Int b) {
  while (b != 0) {
    const Int rest = a % b;
    a = b;
    b = rest;
  }
  return a;
}

template <class Int>
Int Magnitude(Int v) {
  return v < 0 ? -v : v;
}

// The divisor that brings n/d (d not 0) to lowest terms with a positive denominator.
template <class Int>
Int ReduceDivisorOf(Int n, Int d) {
  const Int sign = d < 0 ? -1 : 1;
  const Int md = Magnitude(d);
  const Int mn = Magnitude(n);
  const Int g = mn == 0 ? md : (md > mn ? GcdOf(md, mn) : GcdOf(mn, md));
  return g * sign;
}

bool FitsInt32(Wide v) {
  return v >= std::numeric_limits<std::int32_t>::min() &&
         v <= std::numeric_limits<std::int32_t>::max();
}

bool FitsInt64(Wide v) {
  return v >= std::numeric_limits<std::int64_t>::min() &&
         v <= std::numeric_limits<std::int64_t>::max();
}

// Reduces a raw pair and checks that the result fits 32 bits. Raw pairs from two-digit numbers fit
// 64 bits, where the gcd is much cheaper than in 128 bits.
Fraction Reduce(Wide n, Wide d) {
  if (d != 0) {
    if (FitsInt64(n) && FitsInt64(d) && n != std::numeric_limits<std::int64_t>::min() &&
        d != std::numeric_limits<std::int64_t>::min()) {
      const std::int64_t g =
          ReduceDivisorOf<std::int64_t>(static_cast<std::int64_t>(n), static_cast<std::int64_t>(d));
      n /= g;
      d /= g;
    } else {
      const Wide g = ReduceDivisorOf<Wide>(n, d);
      n /= g;
      d /= g;
    }
  }
  if (!FitsInt32(n) || !FitsInt32(d)) {
    throw IntegerOverflowError();
  }
  return Fraction{static_cast<std::int32_t>(n), static_cast<std::int32_t>(d)};
}

// The raw pair of each operation: the same factors as in 32-bit arithmetic, so an undefined value
// keeps its zero denominator, and division keeps its extra factor y.denominator on both sides.
Fraction CalculateWide(Fraction x, Fraction y, OpCode op) {
  const Wide xn = x.numerator;
  const Wide xd = x.denominator;
  const Wide yn = y.numerator;
  const Wide yd = y.denominator;
  switch (op) {
    case kOpPlus:
      return Reduce(xn * yd + yn * xd, xd * yd);
    case kOpMinus:
      return Reduce(xn * yd - yn * xd, xd * yd);
    case kOpTimes:
      return Reduce(xn * yn, xd * yd);
    case kOpDivide:
      return Reduce(xn * yd * yd, xd * yn * yd);
  }
  throw RangeCheckError();
}

OpCode CodeOfChar(char c) {
  switch (c) {
    case '+':
      return kOpPlus;
    case '-':
      return kOpMinus;
    case 'x':
      return kOpTimes;
    case ':':
      return kOpDivide;
  }
  throw RangeCheckError();
}

}  // namespace

std::int32_t Gcd(std::int32_t a, std::int32_t b) {
  return GcdOf(a, b);
}

std::int32_t ReduceDivisor(std::int32_t n, std::int32_t d) {
  // In 32 bits the magnitude of -2147483648 does not exist.
  if (n == std::numeric_limits<std::int32_t>::min() ||
      d == std::numeric_limits<std::int32_t>::min()) {
    throw IntegerOverflowError();
  }
  return ReduceDivisorOf(n, d);
}

Fraction Calculate(Fraction x, Fraction y, char c) {
  return CalculateWide(x, y, CodeOfChar(c));
}

Fraction CalculateStep(const CalcStep& step) {
  return CalculateWide(step.left, step.right, static_cast<OpCode>(step.op));
}

char OpChar(std::int32_t code) {
  switch (code) {
    case kOpPlus:
      return '+';
    case kOpMinus:
      return '-';
    case kOpTimes:
      return 'x';
    case kOpDivide:
      return ':';
    default:
      return ' ';
  }
}

std::string FractionText(Fraction f) {
  if (f.denominator == 1) {
    return IntToStr(f.numerator);
  }
  return IntToStr(f.numerator) + "/" + IntToStr(f.denominator);
}

Fraction ParseFraction(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) {
    return Fraction{StrToInt(text), 1};
  }
  const std::int32_t numerator = StrToInt(text.substr(0, slash));
  return Fraction{numerator, StrToInt(text.substr(slash + 1))};
}

}  // namespace reki
