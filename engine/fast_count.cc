#include "engine/fast_count.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "engine/patterns.h"
#include "engine/raw_fraction.h"
#include "engine/solver.h"

namespace reki {
namespace {

using raw::Apply;
using raw::RawFraction;

// One pattern of the solver's tables, numbered 0..44 in the order Type I, II, III, IV and table
// order within each shape.
struct PatternCode {
  Shape shape = Shape::kTypeI;
  char o1 = '+';
  char o2 = '+';
  char o3 = '+';
};

constexpr std::array<PatternCode, kPatternCount> kPatternCodes = [] {
  std::array<PatternCode, kPatternCount> codes{};
  std::size_t i = 0;
  for (const Shape shape : kShapes) {
    for (const std::string_view ops : PatternsOf(shape)) {
      codes[i++] = {shape, ops[0], ops[1], ops[2]};
    }
  }
  return codes;
}();
static_assert(kPatternCount <= 64, "one bit per pattern in a 64-bit mask");

constexpr std::size_t OpIndex(char op) {
  switch (op) {
    case '+':
      return 0;
    case '-':
      return 1;
    case 'x':
      return 2;
    default:
      return 3;
  }
}

// The values that patterns share within one ordering (a, b, c, d): a o1 b for the four operations,
// and c o2 d for Type II's right-hand bracket.
struct SharedValues {
  RawFraction c;
  RawFraction d;
  std::array<RawFraction, 4> ab;
  std::array<RawFraction, 4> cd;
};

SharedValues Share(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
  const RawFraction ra = raw::Whole(a);
  const RawFraction rb = raw::Whole(b);
  const RawFraction rc = raw::Whole(c);
  const RawFraction rd = raw::Whole(d);
  return {rc,
          rd,
          {Apply<'+'>(ra, rb), Apply<'-'>(ra, rb), Apply<'x'>(ra, rb), Apply<':'>(ra, rb)},
          {Apply<'+'>(rc, rd), Apply<'-'>(rc, rd), Apply<'x'>(rc, rd), Apply<':'>(rc, rd)}};
}

// The final value of pattern I with the shared values of an ordering. Patterns with the same first
// two operations compute the same middle value, which the compiler keeps once.
template <std::size_t I>
RawFraction EvaluatePattern(const SharedValues& v) {
  constexpr PatternCode p = kPatternCodes[I];
  const RawFraction ab = v.ab[OpIndex(p.o1)];
  if constexpr (p.shape == Shape::kTypeI) {
    return Apply<p.o3>(Apply<p.o2>(ab, v.c), v.d);
  } else if constexpr (p.shape == Shape::kTypeII) {
    return Apply<p.o3>(ab, v.cd[OpIndex(p.o2)]);
  } else if constexpr (p.shape == Shape::kTypeIII) {
    return Apply<p.o3>(Apply<p.o2>(v.c, ab), v.d);
  } else {
    return Apply<p.o3>(v.d, Apply<p.o2>(v.c, ab));
  }
}

// Calls sink(i, value) for every pattern i with ordering (a, b, c, d), all in straight-line code.
template <class Sink>
void EvaluateOrdering(const std::array<std::int64_t, 4>& o, Sink& sink) {
  const SharedValues v = Share(o[0], o[1], o[2], o[3]);
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (sink(I, EvaluatePattern<I>(v)), ...);
  }
  (std::make_index_sequence<kPatternCount>{});
}

// Every distinct ordering of the four numbers once: an ordering that repeats because two numbers
// are equal gives the same values, and a pattern counts once however many orderings reach the
// target with it.
template <class Sink>
void EvaluateDistinctOrderings(std::array<std::int64_t, 4> numbers, Sink& sink) {
  std::sort(numbers.begin(), numbers.end());
  do {
    EvaluateOrdering(numbers, sink);
  } while (std::next_permutation(numbers.begin(), numbers.end()));
}

// The patterns that reach one target, one bit each.
struct OneTargetHits {
  std::int64_t target;
  std::uint64_t found = 0;

  void operator()(std::size_t pattern, RawFraction value) {
    found |= std::uint64_t{raw::Equals(value, target)} << pattern;
  }
};

// The patterns that reach each target 1..999, one bit each.
struct AllTargetHits {
  std::array<std::uint64_t, kMaxTarget + 1> found{};

  void operator()(std::size_t pattern, RawFraction value) {
    if (const auto t = raw::WholeInRange(value, kMaxTarget)) {
      found[*t] |= std::uint64_t{1} << pattern;
    }
  }
};

bool FitsFastPath(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
  const auto fits = [](std::int32_t n) { return n >= 0 && n <= raw::kMaxLeaf; };
  return fits(a) && fits(b) && fits(c) && fits(d);
}

constexpr std::uint8_t kSumCount = 10;

}  // namespace

std::uint8_t CountSolutions(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                            std::int32_t target) {
  if (!FitsFastPath(a, b, c, d)) {
    return FindSolutions(a, b, c, d, target, false).count;
  }
  if (a + b + c + d == target) {
    return kSumCount;
  }
  OneTargetHits hits{target};
  EvaluateDistinctOrderings({a, b, c, d}, hits);
  return static_cast<std::uint8_t>(std::popcount(hits.found));
}

TargetCounts CountSolutionsForAllTargets(std::int32_t a, std::int32_t b, std::int32_t c,
                                         std::int32_t d) {
  TargetCounts counts{};
  if (!FitsFastPath(a, b, c, d)) {
    for (std::int32_t t = kMinTarget; t <= kMaxTarget; ++t) {
      counts[t] = FindSolutions(a, b, c, d, t, false).count;
    }
    return counts;
  }
  AllTargetHits hits;
  EvaluateDistinctOrderings({a, b, c, d}, hits);
  for (std::int32_t t = kMinTarget; t <= kMaxTarget; ++t) {
    counts[t] = static_cast<std::uint8_t>(std::popcount(hits.found[t]));
  }
  const std::int32_t sum = a + b + c + d;
  if (sum >= kMinTarget && sum <= kMaxTarget) {
    counts[sum] = kSumCount;
  }
  return counts;
}

}  // namespace reki
