// The run-time errors of the game. Each one is an exception that leaves the handler that raised it;
// the window's shared guard catches it and shows its message in an error box.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace reki {

// Base of every error that the game reports to the user in an error box.
class PlatformError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An exact result that does not fit a signed 32-bit integer.
class IntegerOverflowError : public PlatformError {
 public:
  IntegerOverflowError() : PlatformError("Integer overflow") {}
};

// A text that is not a whole number, named in the message.
class ConvertError : public PlatformError {
 public:
  explicit ConvertError(std::string_view text)
      : PlatformError("'" + std::string(text) + "' is not a valid integer value") {}
};

// A value outside the range of the variable or table that should hold it.
class RangeCheckError : public PlatformError {
 public:
  RangeCheckError() : PlatformError("Range check error") {}
};

// A position outside a list.
class ListIndexError : public PlatformError {
 public:
  ListIndexError() : PlatformError("List index out of bounds") {}
};

// A file that could not be written, named in the message.
class WriteError : public PlatformError {
 public:
  explicit WriteError(std::string_view fileName)
      : PlatformError("Unable to write to " + std::string(fileName)) {}
};

}  // namespace reki
