// Reading the numbers of rekicalc's command line. Every refusal is a UsageError whose message is
// the one line that the tool prints, naming the bad value.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/number_set.h"

namespace reki::cli {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A failure of the work itself (exit status 1), such as a file that cannot be read or written.
class WorkError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};


// A whole number, read as the game reads its edits.
std::int32_t ParseWholeNumber(const std::string& text, const std::string& what);

// A target in 1..999.
std::int32_t ParseTarget(const std::string& text);

// A base number in 1..99.
std::int32_t ParseBaseNumber(const std::string& text);

// Exactly four base numbers (repeats allowed).
std::array<std::int32_t, 4> ParseExercise(const std::vector<std::string>& texts);

// Exactly ten different base numbers, in the order given.
NumberSet ParseNumberSet(const std::vector<std::string>& texts);

// A playable level 1..5.
int ParseLevel(const std::string& text);

// The number of exercises on a worksheet, 1..kMaxWorksheetCount.
inline constexpr std::int32_t kMaxWorksheetCount = 100;
std::int32_t ParseWorksheetCount(const std::string& text);

// A seed: a whole number 0..4294967295, digits only.
std::uint32_t ParseSeed(const std::string& text);

}  // namespace reki::cli
