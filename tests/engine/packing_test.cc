#include "engine/packing.h"

#include <gtest/gtest.h>

#include <random>

namespace reki {
namespace {

GradedSet RandomSet(std::mt19937& random, std::int32_t target) {
  GradedSet set;
  set.numbers = {3, 7, 12, 19, 25, 31, 44, 58, 77, 99};
  std::shuffle(set.numbers.begin(), set.numbers.end(), random);
  set.target = target;
  std::uniform_int_distribution<int> code(0, 5);
  for (auto& level : set.levels) {
    level = static_cast<std::uint8_t>(code(random));
  }
  return set;
}

TEST(PackResultsTest, RoundTripForEveryTarget) {
  std::mt19937 random(42);
  for (std::int32_t target = 1; target <= 999; ++target) {
    const GradedSet set = RandomSet(random, target);
    const PackedResults packed = PackResults(set);
    ASSERT_EQ(packed.a.size(), 190u);
    ASSERT_EQ(packed.b.size(), 190u);
    const auto back = UnpackResults(packed);
    ASSERT_TRUE(back.has_value()) << target;
    EXPECT_EQ(*back, set) << target;
  }
}

TEST(PackResultsTest, RoundTripOfExtremeLevelTables) {
  for (const int code : {0, 5}) {
    GradedSet set{kDefaultNumbers, 24, {}};
    set.levels.fill(static_cast<std::uint8_t>(code));
    EXPECT_EQ(UnpackResults(PackResults(set)), set);
  }
}

TEST(PackResultsTest, CharacterLayout) {
  GradedSet set{{7, 12, 99, 1, 2, 3, 4, 5, 6, 8}, 999, {}};
  set.levels[0] = 2;  // L[1] goes with the target's high part
  set.levels[1] = 1;  // L[2], L[3] in A[12]
  set.levels[2] = 4;
  set.levels[3] = 5;  // L[4], L[5] in B[12]
  set.levels[4] = 3;
  set.levels[713] = 5;  // L[714] in A[190]
  set.levels[714] = 4;  // L[715] in B[190]
  const PackedResults p = PackResults(set);
  EXPECT_EQ(p.a.substr(0, 3), "729");
  EXPECT_EQ(p.b.substr(0, 3), "019");
  EXPECT_EQ(p.a[10], static_cast<char>(32 + 39));
  EXPECT_EQ(p.b[10], static_cast<char>(32 + 12 + 13 * 2));
  EXPECT_EQ(p.a[11], static_cast<char>(32 + 1 + 6 * 4));
  EXPECT_EQ(p.b[11], static_cast<char>(32 + 5 + 6 * 3));
  EXPECT_EQ(p.a[189], '5');
  EXPECT_EQ(p.b[189], '4');

  set.target = 80;
  const PackedResults p80 = PackResults(set);
  EXPECT_EQ(p80.a[10], ' ');
  EXPECT_EQ(p80.b[10], static_cast<char>(33 + 13 * 2));
}

TEST(UnpackResultsTest, RefusesValuesThatBreakTheFormat) {
  const PackedResults good = PackResults(GradedSet{kDefaultNumbers, 24, {}});
  ASSERT_TRUE(UnpackResults(good).has_value());

  auto with = [&good](auto change) {
    PackedResults p = good;
    change(p);
    return p;
  };
  const std::pair<const char*, PackedResults> broken[] = {
      {"A short", with([](PackedResults& p) { p.a.pop_back(); })},
      {"B missing", with([](PackedResults& p) { p.b.clear(); })},
      {"B long", with([](PackedResults& p) { p.b += '0'; })},
      {"digit not a digit", with([](PackedResults& p) { p.a[3] = 'x'; })},
      {"number 0", with([](PackedResults& p) { p.a[0] = '0'; })},
      {"repeated number", with([](PackedResults& p) { p.a[1] = '1'; })},
      {"target char below range", with([](PackedResults& p) { p.a[10] = 31; })},
      {"target 0", with([](PackedResults& p) {
         p.a[10] = ' ';
         p.b[10] = ' ';
       })},
      {"target above 999", with([](PackedResults& p) {
         p.a[10] = static_cast<char>(32 + 79);
         p.b[10] = static_cast<char>(32 + 12);
       })},
      {"level pair above C", with([](PackedResults& p) { p.b[50] = 'D'; })},
      {"level pair below blank", with([](PackedResults& p) { p.a[50] = 10; })},
      {"first level above 5", with([](PackedResults& p) { p.b[10] = static_cast<char>(32 + 78); })},
      {"last level 6", with([](PackedResults& p) { p.a[189] = '6'; })},
      {"high byte", with([](PackedResults& p) { p.a[100] = static_cast<char>(0xE9); })},
  };
  for (const auto& [what, packed] : broken) {
    EXPECT_FALSE(UnpackResults(packed).has_value()) << what;
  }
}

TEST(SetNaamTest, TargetThenTenNumbersEachFollowedByAColon) {
  EXPECT_EQ(SetNaam(kDefaultNumbers, 24), "24;1:2:3:4:5:6:7:8:9:10:");
  EXPECT_EQ(SetNaam({90, 91, 92, 93, 94, 95, 96, 97, 98, 99}, 999),
            "999;90:91:92:93:94:95:96:97:98:99:");
}

TEST(SplitSetNaamTest, PiecesAsTheGridShowsThem) {
  const SetNameParts parts = SplitSetNaam("25;1:2:3:4:5:6:7:8:9:10:");
  EXPECT_EQ(parts.target, "25");
  EXPECT_EQ(parts.numbers[0], "1");
  EXPECT_EQ(parts.numbers[9], "10");

  const SetNameParts odd = SplitSetNaam("1:2;3");
  EXPECT_EQ(odd.target, "1:2");
  EXPECT_EQ(odd.numbers[0], "");  // no ':' left: empty cells
  EXPECT_EQ(odd.numbers[9], "");

  const SetNameParts noSemicolon = SplitSetNaam("5:6:");
  EXPECT_EQ(noSemicolon.target, "");
  EXPECT_EQ(noSemicolon.numbers[0], "5");
  EXPECT_EQ(noSemicolon.numbers[1], "6");
}

}  // namespace
}  // namespace reki
