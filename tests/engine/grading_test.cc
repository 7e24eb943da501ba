#include "engine/grading.h"

#include <gtest/gtest.h>

#include "engine/solver.h"
#include "platform/errors.h"

namespace reki {
namespace {

TEST(LevelForCountTest, GradingTable) {
  const std::pair<int, int> cases[] = {{0, 6}, {1, 5}, {2, 4}, {3, 4}, {4, 3},  {5, 3},
                                       {6, 2}, {7, 2}, {8, 2}, {9, 1}, {10, 1}, {45, 1}};
  for (const auto& [count, level] : cases) {
    EXPECT_EQ(LevelForCount(static_cast<std::uint8_t>(count)), level) << count;
  }
}

TEST(LevelNameTest, SixNamesAndNothingElse) {
  EXPECT_EQ(LevelName(1), "Erg eenvoudig");
  EXPECT_EQ(LevelName(5), "Heel lastig");
  EXPECT_EQ(LevelName(6), "Onmogelijk");
  EXPECT_THROW(LevelName(0), RangeCheckError);
  EXPECT_THROW(LevelName(7), RangeCheckError);
}

TEST(OpgaveTekstTest, FourRightAlignedFieldsOfSeventeenCharacters) {
  EXPECT_EQ(OpgaveTekst(3, 5, 12, 12), " 3 :  5 : 12 : 12");
  EXPECT_EQ(OpgaveTekst(10, 10, 10, 10), "10 : 10 : 10 : 10");
  EXPECT_EQ(OpgaveTekst(1, 1, 1, 1), " 1 :  1 :  1 :  1");
  EXPECT_EQ(OpgaveTekst(3, 7, 12, 24).size(), kOpgaveTekstLength);
  EXPECT_EQ(OpgaveTekst(123, 1, 1, 1), "12 :  1 :  1 :  1");  // cut to two characters
}

TEST(ParseOpgaveTekstTest, ReadsTheFourNumbersBack) {
  EXPECT_EQ(ParseOpgaveTekst(" 3 :  7 : 12 : 24"), (std::array<std::int32_t, 4>{3, 7, 12, 24}));
  EXPECT_EQ(ParseOpgaveTekst("10 : 10 : 10 : 10"), (std::array<std::int32_t, 4>{10, 10, 10, 10}));
  EXPECT_EQ(ParseOpgaveTekst("1 : 2 : 3 : 255"), (std::array<std::int32_t, 4>{1, 2, 3, 255}));
}

TEST(ParseOpgaveTekstTest, RefusesWhatIsNoEntry) {
  EXPECT_THROW(ParseOpgaveTekst(""), ConvertError);
  EXPECT_THROW(ParseOpgaveTekst("1 : 2 : 3"), ConvertError);
  EXPECT_THROW(ParseOpgaveTekst("1:2:3:4"), ConvertError);
  EXPECT_THROW(ParseOpgaveTekst(" a :  7 : 12 : 24"), ConvertError);
  EXPECT_THROW(ParseOpgaveTekst("1 : 2 : 3 : 256"), RangeCheckError);
  EXPECT_THROW(ParseOpgaveTekst("1 : -2 : 3 : 4"), RangeCheckError);
}

TEST(GradeSetTest, DefaultSetExamples) {
  const LevelTable table = GradeSet(kDefaultNumbers, 24);
  auto levelOf = [&table](Combination c) { return table[RankCombination(c)] + 1; };
  EXPECT_EQ(levelOf({1, 2, 3, 4}), 3);  // count 4: "Gaat wel"
  EXPECT_EQ(levelOf({1, 5, 5, 5}), 5);  // count 1
  EXPECT_EQ(levelOf({3, 3, 8, 8}), 5);  // count 1
  EXPECT_EQ(levelOf({6, 6, 6, 6}), 1);  // the sum rule
  EXPECT_EQ(levelOf({1, 1, 1, 1}), 6);  // no solution
}

TEST(BuildLevelListsTest, EveryExerciseOnceInCombinationOrder) {
  const LevelTable table = GradeSet(kDefaultNumbers, 24);
  const LevelLists lists = BuildLevelLists(kDefaultNumbers, table);
  std::size_t total = 0;
  for (const auto& list : lists) {
    total += list.size();
  }
  EXPECT_EQ(total, 715u);
  EXPECT_EQ(lists[5].front(), " 1 :  1 :  1 :  1");  // combination 1, the first of its level
  // Within each list the entries follow the combination numbers.
  std::array<std::size_t, kLevelCount> next{};
  for (std::int32_t index = 0; index < kCombinationCount; ++index) {
    const int code = table[index];
    EXPECT_EQ(lists[code][next[code]++], ExerciseEntry(kDefaultNumbers, index));
  }
}

}  // namespace
}  // namespace reki
