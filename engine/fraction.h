// Exact fractions of two signed 32-bit integers and the four operations on them.
//
// Invariant of every result of Calculate and CalculateStep: when the denominator is not 0, the
// fraction is in lowest terms with a positive denominator (zero is 0/1, a whole number n is n/1).
// A denominator of 0 marks the undefined result of a division by zero; its numerator is whatever
// the formula gave and it is never reduced, so it stays undefined through every later operation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace reki {

struct Fraction {
  std::int32_t numerator = 0;
  std::int32_t denominator = 1;

  friend bool operator==(const Fraction&, const Fraction&) = default;
};

// The code of an operation; also the tag of the operation buttons.
enum OpCode : std::uint8_t { kOpPlus = 10, kOpMinus = 20, kOpTimes = 30, kOpDivide = 40 };

// One calculation step of the pupil: left (op) right.
struct CalcStep {
  Fraction left;
  Fraction right;
  std::uint8_t op = 0;
};

// Greatest common divisor of two non-negative numbers (a when b is 0).
std::int32_t Gcd(std::int32_t a, std::int32_t b);

// The divisor that brings n/d (d not 0) to lowest terms with a positive denominator; d itself
// when n is 0. Throws IntegerOverflowError when the divisor does not fit 32 bits.
std::int32_t ReduceDivisor(std::int32_t n, std::int32_t d);

// x c y for the operation characters '+', '-', 'x' and ':'. The raw numerator and denominator are
// formed exactly (wide enough that nothing can overflow) and then reduced; IntegerOverflowError is
// thrown only when the reduced result, or the numerator of an undefined one, leaves 32 bits.
Fraction Calculate(Fraction x, Fraction y, char c);

// The same computation, the operation chosen by step.op (10 '+', 20 '-', 30 'x', 40 ':').
Fraction CalculateStep(const CalcStep& step);

// The operation character of a code, or a blank for any other value.
char OpChar(std::int32_t code);

// "12", "-2", "7/2", "-9407/97"; an undefined value reads "5/0".
std::string FractionText(Fraction f);

// The two integers of "n" (n/1) or "n/d", neither reduced nor tested. Either part that is not a
// whole number throws ConvertError naming that part.
Fraction ParseFraction(std::string_view text);

}  // namespace reki
