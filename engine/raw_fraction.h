// Exact fractions without reduction, for the searches that only ask which whole numbers four small
// numbers reach. Nothing here computes a gcd: equality with a whole number t is n == t * d.
//
// With whole numbers of magnitude at most 99 as leaves, every numerator and denominator of an
// expression of four of them stays below 8 * 99^4 (each operation at most doubles the bound of the
// product of its operands' leaves), far inside 64 bits, so nothing can overflow.
#pragma once

#include <cstdint>
#include <optional>

namespace reki::raw {

// n / d. A denominator of 0 marks the undefined result of a division by zero; such a value always
// has numerator 0 as well, so that it stays undefined through every later operation, also as a
// divisor (x : 0/0 gives 0/0).
struct RawFraction {
  std::int64_t n = 0;
  std::int64_t d = 1;
};

// The largest magnitude of a number for which the bound above holds.
inline constexpr std::int64_t kMaxLeaf = 99;

constexpr RawFraction Whole(std::int64_t value) {
  return {value, 1};
}

// x op y for the operation characters '+', '-', 'x' and ':'.
template <char op>
constexpr RawFraction Apply(RawFraction x, RawFraction y) {
  static_assert(op == '+' || op == '-' || op == 'x' || op == ':');
  if constexpr (op == '+') {
    return {x.n * y.d + y.n * x.d, x.d * y.d};
  } else if constexpr (op == '-') {
    return {x.n * y.d - y.n * x.d, x.d * y.d};
  } else if constexpr (op == 'x') {
    return {x.n * y.n, x.d * y.d};
  } else {
    // A zero or undefined divisor has numerator 0, so the denominator becomes 0; the numerator is
    // cleared to keep the undefined value in its one form.
    const std::int64_t d = x.d * y.n;
    return {d == 0 ? 0 : x.n * y.d, d};
  }
}

constexpr bool IsDefined(RawFraction v) {
  return v.d != 0;
}

// Whether v equals the whole number t.
constexpr bool Equals(RawFraction v, std::int64_t t) {
  return IsDefined(v) && v.n == t * v.d;
}

// The whole number in 1..maxWhole that v equals, if any.
constexpr std::optional<std::int32_t> WholeInRange(RawFraction v, std::int64_t maxWhole) {
  std::int64_t n = v.n;
  std::int64_t d = v.d;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  if (d == 0 || n < d || n > maxWhole * d) {
    return std::nullopt;
  }
  const std::int64_t q = n / d;
  if (q * d != n) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(q);
}

}  // namespace reki::raw
