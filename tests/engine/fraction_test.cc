#include "engine/fraction.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/errors.h"

namespace reki {
namespace {

Fraction F(std::int32_t n, std::int32_t d = 1) {
  return Fraction{n, d};
}

struct CalcCase {
  Fraction x;
  char op;
  Fraction y;
  Fraction expected;
};

TEST(CalculateTest, ExactResultsInLowestTerms) {
  const CalcCase cases[] = {
      {F(1, 2), '+', F(1, 3), F(5, 6)},
      {F(3, 4), '-', F(3, 4), F(0, 1)},
      {F(3), '-', F(5), F(-2)},
      {F(7, 2), 'x', F(3, 4), F(21, 8)},
      {F(2), ':', F(4), F(1, 2)},
      {F(0), ':', F(5), F(0, 1)},
      {F(-3), ':', F(-6), F(1, 2)},  // the sign leaves the denominator
      {F(3), ':', F(-6), F(-1, 2)},
      {F(99, 98), ':', F(97), F(99, 9506)},
      // Raw products beyond 32 bits whose reduced result fits: computed, not refused.
      {F(99), ':', F(1, 9506), F(941094)},
      {F(65536), 'x', F(1, 65536), F(1)},
      {F(2147483647), '-', F(2147483647), F(0)},
      {F(-2147483647 - 1), ':', F(1), F(-2147483647 - 1)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Calculate(c.x, c.y, c.op), c.expected)
        << FractionText(c.x) << " " << c.op << " " << FractionText(c.y);
  }
}

TEST(CalculateTest, DivisionByZeroStaysUndefined) {
  EXPECT_EQ(Calculate(F(7), F(0), ':'), F(7, 0));
  EXPECT_EQ(Calculate(F(1), F(5, 0), ':'), F(0, 0));
  EXPECT_EQ(Calculate(F(7, 0), F(1), '+').denominator, 0);
  EXPECT_EQ(Calculate(F(7, 0), F(3), 'x').denominator, 0);
  EXPECT_EQ(Calculate(F(3, 4), F(0), ':'), F(3, 0));
}

TEST(CalculateTest, OverflowOnlyWhenTheReducedResultDoesNotFit) {
  const CalcCase overflowing[] = {
      {F(2147483647), '+', F(1), {}},
      {F(-2147483647 - 1), '-', F(1), {}},
      {F(65536), 'x', F(65536), {}},
      {F(-2147483647 - 1), ':', F(-1), {}},  // 2^31 does not fit
      {F(1, 65536), 'x', F(1, 65536), {}},   // the denominator does not fit
  };
  for (const auto& c : overflowing) {
    EXPECT_THROW(Calculate(c.x, c.y, c.op), IntegerOverflowError)
        << FractionText(c.x) << " " << c.op << " " << FractionText(c.y);
  }
  // An undefined value only overflows when its own numerator does not fit.
  EXPECT_EQ(Calculate(F(100000), F(0), ':'), F(100000, 0));
  EXPECT_THROW(Calculate(F(2147483647), F(2, 0), 'x'), IntegerOverflowError);
  EXPECT_STREQ(IntegerOverflowError().what(), "Integer overflow");
}

TEST(CalculateTest, BothEntryFormsAgree) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<std::int32_t> value(-999, 999);
  const std::pair<char, std::uint8_t> ops[] = {
      {'+', kOpPlus}, {'-', kOpMinus}, {'x', kOpTimes}, {':', kOpDivide}};
  for (int i = 0; i < 2000; ++i) {
    const Fraction x = F(value(random), value(random));
    const Fraction y = F(value(random), value(random));
    for (const auto& [c, code] : ops) {
      EXPECT_EQ(Calculate(x, y, c), CalculateStep(CalcStep{x, y, code}));
    }
  }
}

// Every defined result is in lowest terms with a positive denominator; zero is 0/1.
TEST(CalculateTest, ResultsKeepTheInvariant) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int32_t> value(-5000, 5000);
  for (int i = 0; i < 5000; ++i) {
    const Fraction x = F(value(random), value(random));
    const Fraction y = F(value(random), value(random));
    for (const char c : {'+', '-', 'x', ':'}) {
      const Fraction r = Calculate(x, y, c);
      if (r.denominator == 0) {
        EXPECT_TRUE(x.denominator == 0 || y.denominator == 0 || (c == ':' && y.numerator == 0));
        continue;
      }
      EXPECT_GT(r.denominator, 0);
      EXPECT_EQ(Gcd(std::abs(r.numerator), r.denominator), 1) << FractionText(r);
      // Cross-check the value in wide arithmetic.
      const long double expected =
          c == '+' ? static_cast<long double>(x.numerator) / x.denominator +
                         static_cast<long double>(y.numerator) / y.denominator
          : c == '-' ? static_cast<long double>(x.numerator) / x.denominator -
                           static_cast<long double>(y.numerator) / y.denominator
          : c == 'x'
              ? static_cast<long double>(x.numerator) / x.denominator * y.numerator / y.denominator
              : static_cast<long double>(x.numerator) / x.denominator * y.denominator / y.numerator;
      EXPECT_NEAR(static_cast<long double>(r.numerator) / r.denominator, expected,
                  1e-9L * (1 + std::abs(expected)));
    }
  }
}

TEST(GcdTest, EuclidAndReduceDivisor) {
  EXPECT_EQ(Gcd(12, 18), 6);
  EXPECT_EQ(Gcd(7, 0), 7);
  EXPECT_EQ(Gcd(0, 0), 0);
  EXPECT_EQ(ReduceDivisor(6, 4), 2);
  EXPECT_EQ(ReduceDivisor(6, -4), -2);
  EXPECT_EQ(ReduceDivisor(0, -5), -5);  // n = 0: d itself
  EXPECT_EQ(ReduceDivisor(-7, 3), 1);
  EXPECT_THROW(ReduceDivisor(1, -2147483647 - 1), IntegerOverflowError);
}

TEST(OpCharTest, CodesAndEverythingElse) {
  EXPECT_EQ(OpChar(10), '+');
  EXPECT_EQ(OpChar(20), '-');
  EXPECT_EQ(OpChar(30), 'x');
  EXPECT_EQ(OpChar(40), ':');
  for (const int other : {0, 15, 41, -10, 255}) {
    EXPECT_EQ(OpChar(other), ' ');
  }
}

TEST(FractionTextTest, WholeNumbersFractionsAndUndefined) {
  EXPECT_EQ(FractionText(F(12)), "12");
  EXPECT_EQ(FractionText(F(-2)), "-2");
  EXPECT_EQ(FractionText(F(-7, 2)), "-7/2");
  EXPECT_EQ(FractionText(F(-9407, 97)), "-9407/97");
  EXPECT_EQ(FractionText(F(5, 0)), "5/0");
}

TEST(ParseFractionTest, TakesBothIntegersAsWritten) {
  EXPECT_EQ(ParseFraction("12"), F(12));
  EXPECT_EQ(ParseFraction("-7/2"), F(-7, 2));
  EXPECT_EQ(ParseFraction("6/4"), F(6, 4));
  EXPECT_EQ(ParseFraction("3/0"), F(3, 0));
  EXPECT_EQ(ParseFraction(" 5/ 8"), F(5, 8));
}

TEST(ParseFractionTest, NamesThePartThatIsNoNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"abc", "abc"}, {"3/", ""}, {"5/", ""}, {"/3", ""}, {"7/2/1", "2/1"}, {"12 ", "12 "}};
  for (const auto& [text, part] : cases) {
    try {
      ParseFraction(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const ConvertError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(part) + "' is not a valid integer value") << text;
    }
  }
}

}  // namespace
}  // namespace reki
