#include "engine/number_set.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "platform/errors.h"

namespace reki {
namespace {

TEST(UnrankCombinationTest, ReferenceIndexes) {
  // Colexicographic ranks of the positions, counted by hand from C(p4+2,4) + C(p3+1,3) + C(p2,2).
  const std::pair<std::int32_t, Combination> cases[] = {
      {0, {1, 1, 1, 1}},   {1, {1, 1, 1, 2}},   {2, {1, 1, 2, 2}},    {3, {1, 2, 2, 2}},
      {4, {2, 2, 2, 2}},   {5, {1, 1, 1, 3}},   {6, {1, 1, 2, 3}},    {14, {3, 3, 3, 3}},
      {34, {4, 4, 4, 4}},  {35, {1, 1, 1, 5}},  {100, {1, 5, 5, 6}},  {209, {7, 7, 7, 7}},
      {210, {1, 1, 1, 8}}, {494, {9, 9, 9, 9}}, {495, {1, 1, 1, 10}}, {714, {10, 10, 10, 10}},
  };
  for (const auto& [index, expected] : cases) {
    EXPECT_EQ(UnrankCombination(index), expected) << "index " << index;
  }
}

TEST(UnrankCombinationTest, AllIndexesAreDistinctAscendingAndRankBack) {
  std::set<std::tuple<int, int, int, int>> seen;
  for (std::int32_t index = 0; index < kCombinationCount; ++index) {
    const Combination c = UnrankCombination(index);
    EXPECT_TRUE(1 <= c.p1 && c.p1 <= c.p2 && c.p2 <= c.p3 && c.p3 <= c.p4 && c.p4 <= 10) << index;
    EXPECT_EQ(RankCombination(c), index);
    seen.insert({c.p1, c.p2, c.p3, c.p4});
  }
  EXPECT_EQ(seen.size(), 715u);
}

TEST(UnrankCombinationTest, RefusesIndexesOutsideTheTable) {
  for (const std::int32_t index : {-1, 715, 100000, -2147483647 - 1}) {
    EXPECT_THROW(UnrankCombination(index), RangeCheckError) << index;
  }
}

TEST(SortNumbersTest, InsertionSortReportsWhetherAnythingMoved) {
  NumberSet sorted = kDefaultNumbers;
  EXPECT_FALSE(SortNumbers(sorted));
  EXPECT_EQ(sorted, kDefaultNumbers);

  NumberSet reversed = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
  EXPECT_TRUE(SortNumbers(reversed));
  EXPECT_EQ(reversed, kDefaultNumbers);

  NumberSet lastSmallest = {2, 3, 4, 5, 6, 7, 8, 9, 10, 1};
  EXPECT_TRUE(SortNumbers(lastSmallest));
  EXPECT_EQ(lastSmallest, kDefaultNumbers);

  NumberSet withEqual = {5, 5, 1, 7, 7, 2, 3, 4, 6, 8};
  EXPECT_TRUE(SortNumbers(withEqual));
  EXPECT_EQ(withEqual, (NumberSet{1, 2, 3, 4, 5, 5, 6, 7, 7, 8}));
}

TEST(NumberSetTest, DefaultSetAndExercises) {
  EXPECT_TRUE(IsDefaultSet(kDefaultNumbers, 24));
  EXPECT_FALSE(IsDefaultSet(kDefaultNumbers, 25));
  EXPECT_FALSE(IsDefaultSet({2, 1, 3, 4, 5, 6, 7, 8, 9, 10}, 24));
  EXPECT_EQ(ExerciseNumbers(kDefaultNumbers, UnrankCombination(0)),
            (std::array<std::int32_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(ExerciseNumbers(kDefaultNumbers, UnrankCombination(714)),
            (std::array<std::int32_t, 4>{10, 10, 10, 10}));
}

TEST(NumberSetTest, ValidSetsHoldTenDifferentNumbersFromOneTo99) {
  EXPECT_TRUE(IsValidNumberSet(kDefaultNumbers));
  EXPECT_TRUE(IsValidNumberSet({99, 1, 50, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_FALSE(IsValidNumberSet({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_FALSE(IsValidNumberSet({100, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_FALSE(IsValidNumberSet({1, 2, 3, 4, 5, 6, 7, 8, 9, 1}));
}

}  // namespace
}  // namespace reki
