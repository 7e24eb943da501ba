#include "engine/solver.h"

#include <array>

#include "engine/fraction.h"
#include "engine/patterns.h"

namespace reki {
namespace {

using Ordering = std::array<Fraction, 4>;

// Ordering p of the four numbers: p is read as mixed-radix digits (4, 3, 2, 1), each digit picking
// one of the numbers still left, so p = 0..23 gives ABCD, BACD, CABD, DABC, ACBD, ...
Ordering OrderingOf(const std::array<std::int32_t, 4>& numbers, int p) {
  std::array<std::int32_t, 4> remaining = numbers;
  int left = 4;
  Ordering ordering;
  for (int k = 0; k < 4; ++k) {
    const int j = p % left;
    p /= left;
    ordering[k] = Fraction{remaining[j], 1};
    for (int i = j; i + 1 < left; ++i) {
      remaining[i] = remaining[i + 1];
    }
    --left;
  }
  return ordering;
}

// Evaluates a shape; all three operations are always carried out, also after a division by zero.
Fraction Evaluate(Shape shape, std::string_view ops, const Ordering& o) {
  const Fraction& a = o[0];
  const Fraction& b = o[1];
  const Fraction& c = o[2];
  const Fraction& d = o[3];
  const Fraction ab = Calculate(a, b, ops[0]);
  switch (shape) {
    case Shape::kTypeI:
      return Calculate(Calculate(ab, c, ops[1]), d, ops[2]);
    case Shape::kTypeII:
      return Calculate(ab, Calculate(c, d, ops[1]), ops[2]);
    case Shape::kTypeIII:
      return Calculate(Calculate(c, ab, ops[1]), d, ops[2]);
    case Shape::kTypeIV:
      return Calculate(d, Calculate(c, ab, ops[1]), ops[2]);
  }
  return Fraction{0, 0};
}

// A number of a solution line: its decimal text, cut to two characters.
std::string NumberText(const Fraction& f) {
  return FractionText(f).substr(0, 2);
}

std::string SolutionLine(Shape shape, std::string_view ops, const Ordering& o,
                         std::int32_t target) {
  const std::string a = NumberText(o[0]);
  const std::string b = NumberText(o[1]);
  const std::string c = NumberText(o[2]);
  const std::string d = NumberText(o[3]);
  const std::string o1(1, ops[0]);
  const std::string o2(1, ops[1]);
  const std::string o3(1, ops[2]);
  std::string line;
  switch (shape) {
    case Shape::kTypeI:
      line = "((" + a + " " + o1 + " " + b + ") " + o2 + " " + c + ") " + o3 + " " + d;
      break;
    case Shape::kTypeII:
      line = "(" + a + " " + o1 + " " + b + ") " + o3 + " (" + c + " " + o2 + " " + d + ")";
      break;
    case Shape::kTypeIII:
      line = "(" + c + " " + o2 + " (" + a + " " + o1 + " " + b + ")) " + o3 + " " + d;
      break;
    case Shape::kTypeIV:
      line = d + " " + o3 + " (" + c + " " + o2 + " (" + a + " " + o1 + " " + b + "))";
      break;
  }
  line += " = " + std::to_string(target);
  return line.substr(0, kSolutionLineLength);
}

// Sum of the four numbers, added left to right with the overflow guard of the fractions.
bool AddsUpTo(const std::array<std::int32_t, 4>& n, std::int32_t target) {
  Fraction sum{n[0], 1};
  for (int i = 1; i < 4; ++i) {
    sum = Calculate(sum, Fraction{n[i], 1}, '+');
  }
  return sum == Fraction{target, 1};
}

}  // namespace

SolverResult FindSolutions(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                           std::int32_t target, bool withLines) {
  const std::array<std::int32_t, 4> numbers = {a, b, c, d};
  const Fraction goal{target, 1};
  std::array<std::array<bool, kPatternsTypeI.size()>, kShapes.size()> found{};
  SolverResult result;
  for (int p = 0; p < 24; ++p) {
    const Ordering ordering = OrderingOf(numbers, p);
    for (const Shape shape : kShapes) {
      const auto patterns = PatternsOf(shape);
      auto& foundOfShape = found[static_cast<int>(shape)];
      for (std::size_t i = 0; i < patterns.size(); ++i) {
        if (Evaluate(shape, patterns[i], ordering) != goal || foundOfShape[i]) {
          continue;
        }
        foundOfShape[i] = true;
        ++result.count;
        if (withLines) {
          result.lines.push_back(SolutionLine(shape, patterns[i], ordering, target));
        }
      }
    }
  }
  if (AddsUpTo(numbers, target)) {
    result.count = 10;
  }
  return result;
}

}  // namespace reki
