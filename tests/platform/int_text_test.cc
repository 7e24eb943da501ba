#include "platform/int_text.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace reki {
namespace {

struct Accepted {
  const char* text;
  std::int32_t value;
};

TEST(StrToIntTest, ReadsSignedDecimalAndHexWithLeadingBlanks) {
  const Accepted cases[] = {
      {"0", 0},
      {"7", 7},
      {"+7", 7},
      {" 7", 7},
      {"   -12", -12},
      {"07", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"$1F", 31},
      {"-$10", -16},
      {"00000000000000000000012", 12},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StrToInt(c.text), c.value) << "text '" << c.text << "'";
  }
}

TEST(StrToIntTest, RefusesAnythingElseNamingTheWholeText) {
  const char* refused[] = {
      "",    " ",   "+",   "-",  "7 ",  "7a",         "a7",          "1.5",
      "1,5", "1e3", "$",   "$G", "\t7", "2147483648", "-2147483649", "99999999999999999999",
      "--1", "+-1", "0x10"};
  for (const char* text : refused) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const ConvertError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

TEST(IntToStrTest, WritesPlainDecimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-9407), "-9407");
  EXPECT_EQ(IntToStr(941094), "941094");
}

}  // namespace
}  // namespace reki
