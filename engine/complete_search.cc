#include "engine/complete_search.h"

#include <array>
#include <utility>

#include "engine/raw_fraction.h"
#include "platform/errors.h"
#include "platform/int_text.h"

namespace reki {
namespace {

using raw::RawFraction;

// A term that carries its text along with its value, for writing a solution out.
struct WrittenTerm {
  RawFraction value;
  std::string text;
  bool compound = false;  // made by an operation, so bracketed inside a larger one
  bool plain = true;      // it and every step inside it give a whole number of at least 0
};

bool IsPlainValue(const RawFraction& v) {
  return raw::IsDefined(v) && v.n % v.d == 0 && v.n / v.d >= 0;
}

std::string Bracketed(const WrittenTerm& t) {
  return t.compound ? "(" + t.text + ")" : t.text;
}

template <char op>
RawFraction Combine(const RawFraction& x, const RawFraction& y) {
  return raw::Apply<op>(x, y);
}

template <char op>
WrittenTerm Combine(const WrittenTerm& x, const WrittenTerm& y) {
  const RawFraction value = raw::Apply<op>(x.value, y.value);
  return {value, Bracketed(x) + " " + op + " " + Bracketed(y), true,
          x.plain && y.plain && IsPlainValue(value)};
}

// Hands every term that one operation makes of x and y, in either order, to emit; stops as soon as
// emit returns true, and then returns true itself.
template <class Term, class Emit>
bool ForEachCombination(const Term& x, const Term& y, Emit& emit) {
  return emit(Combine<'+'>(x, y)) || emit(Combine<'x'>(x, y)) || emit(Combine<'-'>(x, y)) ||
         emit(Combine<'-'>(y, x)) || emit(Combine<':'>(x, y)) || emit(Combine<':'>(y, x));
}

constexpr std::size_t kPairTerms = 6;
constexpr std::size_t kTripleTerms = 3 * kPairTerms * kPairTerms;

template <class Term, std::size_t N>
struct TermList {
  std::array<Term, N> terms;
  std::size_t size = 0;

  bool operator()(Term t) {
    terms[size++] = std::move(t);
    return false;
  }
};

// Hands every term of every expression over the four leaves to emit: each leaf used once, in any
// bracketing. An expression is either a leaf joined to an expression of the other three, or two
// pairs joined; an expression of three is a leaf joined to a pair.
template <class Term, class Emit>
bool ForEachExpression(const std::array<Term, 4>& leaf, Emit& emit) {
  // Default-initialised like `triple` below: each pair's six terms are written before they are
  // read. (Value-initialising this nested array with {} crashes the front end of clang 14, which
  // the fuzz build uses.)
  std::array<std::array<TermList<Term, kPairTerms>, 4>, 4> pairs;
  for (int i = 0; i < 4; ++i) {
    for (int j = i + 1; j < 4; ++j) {
      ForEachCombination(leaf[i], leaf[j], pairs[i][j]);
    }
  }
  const auto pair = [&pairs](int i, int j) -> const auto& {
    return i < j ? pairs[i][j].terms : pairs[j][i].terms;
  };
  for (int single = 0; single < 4; ++single) {
    std::array<int, 3> rest{};
    for (int i = 0, k = 0; i < 4; ++i) {
      if (i != single) {
        rest[k++] = i;
      }
    }
    TermList<Term, kTripleTerms> triple;
    for (int s = 0; s < 3; ++s) {
      for (const Term& x : pair(rest[(s + 1) % 3], rest[(s + 2) % 3])) {
        ForEachCombination(x, leaf[rest[s]], triple);
      }
    }
    for (const Term& x : triple.terms) {
      if (ForEachCombination(x, leaf[single], emit)) {
        return true;
      }
    }
  }
  constexpr std::array<std::array<int, 4>, 3> kPairings = {
      {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}}};
  for (const auto& [i, j, k, l] : kPairings) {
    for (const Term& x : pair(i, j)) {
      for (const Term& y : pair(k, l)) {
        if (ForEachCombination(x, y, emit)) {
          return true;
        }
      }
    }
  }
  return false;
}

std::array<RawFraction, 4> Leaves(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
  for (const std::int32_t n : {a, b, c, d}) {
    if (n < 0 || n > raw::kMaxLeaf) {
      throw RangeCheckError();
    }
  }
  return {raw::Whole(a), raw::Whole(b), raw::Whole(c), raw::Whole(d)};
}

bool Reaches(const std::array<RawFraction, 4>& leaves, std::int32_t target) {
  auto hits = [target](const RawFraction& v) { return raw::Equals(v, target); };
  return ForEachExpression(leaves, hits);
}

}  // namespace

ReachableTargets FindReachableTargets(std::int32_t a, std::int32_t b, std::int32_t c,
                                      std::int32_t d) {
  ReachableTargets reached;
  auto mark = [&reached](const RawFraction& v) {
    if (const auto t = raw::WholeInRange(v, kMaxTarget)) {
      reached.set(*t);
    }
    return false;
  };
  ForEachExpression(Leaves(a, b, c, d), mark);
  return reached;
}

std::optional<std::string> FindAnySolution(std::int32_t a, std::int32_t b, std::int32_t c,
                                           std::int32_t d, std::int32_t target) {
  const std::array<RawFraction, 4> values = Leaves(a, b, c, d);
  if (!Reaches(values, target)) {
    return std::nullopt;
  }
  std::array<WrittenTerm, 4> leaves;
  for (int i = 0; i < 4; ++i) {
    leaves[i] = {values[i], IntToStr(static_cast<std::int32_t>(values[i].n)), false, true};
  }
  // A solution whose steps all give whole numbers of at least 0 is easiest to follow; take the
  // first of those, or else the first of all.
  std::optional<std::string> first;
  std::optional<std::string> firstPlain;
  auto keep = [&first, &firstPlain, target](const WrittenTerm& t) {
    if (raw::Equals(t.value, target)) {
      auto& slot = t.plain ? firstPlain : first;
      if (!slot) {
        slot = t.text + " = " + IntToStr(target);
      }
    }
    return firstPlain.has_value();
  };
  ForEachExpression(leaves, keep);
  return firstPlain ? firstPlain : first;
}

std::vector<HiddenSolution> FindHiddenSolutions(const NumberSet& numbers, std::int32_t target,
                                                const LevelTable& levels) {
  std::vector<HiddenSolution> hidden;
  for (std::int32_t index = 0; index < kCombinationCount; ++index) {
    if (levels[index] != kImpossibleLevel - 1) {
      continue;
    }
    const auto n = ExerciseNumbers(numbers, UnrankCombination(index));
    if (auto solution = FindAnySolution(n[0], n[1], n[2], n[3], target)) {
      hidden.push_back({index, std::move(*solution)});
    }
  }
  return hidden;
}

}  // namespace reki
