// The rekicalc command line: its commands, options and error handling, apart from main() so that
// tests run it in-process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace reki::cli {

// Exit statuses: 0 success, 1 a failure of the work itself, 2 bad input on the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Runs rekicalc with the arguments behind the program name.
int RunRekicalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace reki::cli
