#pragma once
// Errors carry the exact text that the user sees.

#include <stdexcept>
#include <string>

namespace lumetra {

class LumetraError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A floating-point fault met by a computation, with the texts the x87 unit reports.
class FloatingPointError : public LumetraError {
  public:
    using LumetraError::LumetraError;
};

inline const char* const kDivisionByZeroText = "Floating point division by zero";
inline const char* const kInvalidOperationText = "Invalid floating point operation";
inline const char* const kOverflowText = "Floating point overflow";

// printf-style "%s" / "%d" substitution of one argument into a message template.
std::string FormatMessage(const std::string& pattern, const std::string& argument);

} // namespace lumetra
