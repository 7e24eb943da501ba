#include "engine/step_text.h"

#include <gtest/gtest.h>

namespace reki {
namespace {

struct StepCase {
  std::int32_t operands;
  bool opChosen;
  Fraction left;
  Fraction right;
  std::uint8_t op;
  const char* text;
};

TEST(StepTextTest, PiecesInFixedOrderCutAtTwentyCharacters) {
  const StepCase cases[] = {
      {0, false, {7, 1}, {5, 1}, 10, ""},
      {1, false, {7, 1}, {5, 1}, 10, "7 "},
      {1, true, {7, 1}, {5, 1}, 10, "7 + "},
      {0, true, {7, 1}, {5, 1}, 40, ": "},
      {2, false, {7, 1}, {5, 1}, 10, "7 5"},
      {2, true, {7, 1}, {5, 1}, 10, "7 + 5 = 12"},
      {2, true, {3, 1}, {5, 1}, 20, "3 - 5 = -2"},
      {2, true, {7, 1}, {2, 1}, 40, "7 : 2 = 7/2"},
      {2, true, {7, 2}, {3, 4}, 30, "7/2 x 3/4 = 21/8"},
      {2, true, {7, 1}, {0, 1}, 40, "7 : 0 = ---7/0"},
      {2, true, {3, 4}, {0, 1}, 40, "3/4 : 0 = ---3/0"},
      {2, true, {99, 98}, {97, 1}, 40, "99/98 : 97 = 99/9506"},
      {2, true, {99, 97}, {98, 1}, 20, "99/97 - 98 = -9407/9"},
  };
  for (const auto& c : cases) {
    const CalcStep step{c.left, c.right, c.op};
    EXPECT_EQ(StepText(step, c.operands, c.opChosen), c.text);
  }
}

TEST(StepTextTest, FullTextKeepsWhatTheButtonCuts) {
  const CalcStep step{{99, 97}, {98, 1}, kOpMinus};
  EXPECT_EQ(FullStepText(step, 2, true), "99/97 - 98 = -9407/97");
}

}  // namespace
}  // namespace reki
