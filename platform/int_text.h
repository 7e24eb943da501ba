// Conversions between whole numbers and their decimal text. Every text that the game reads as a
// number goes through StrToInt, so the rules below hold for all of them alike.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace reki {

// Reads a signed 32-bit number: leading blanks, an optional '+' or '-', then decimal digits to the
// end of the text, or '$' and hexadecimal digits. An empty text, any other character (a trailing
// blank too) or a value outside the 32-bit range throws ConvertError naming the whole text.
std::int32_t StrToInt(std::string_view text);

// The decimal text of a number, with a leading '-' when negative.
std::string IntToStr(std::int64_t value);

}  // namespace reki
