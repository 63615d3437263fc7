#pragma once
// Errors carry the exact text that the user sees, in English as what() and as a message that the
// windows and lumetra-cli translate (TranslatedError).

#include "Message.h"

#include <stdexcept>
#include <string>

namespace lumetra {

class LumetraError : public std::runtime_error {
  public:
    // Text that is not translated (a system's error text, a message put together elsewhere).
    explicit LumetraError(const std::string& text)
        : std::runtime_error(text), message_(Message::Verbatim(text)) {}
    explicit LumetraError(const char* text) : LumetraError(std::string(text)) {}
    explicit LumetraError(Message message)
        : std::runtime_error(message.English()), message_(std::move(message)) {}

    const Message& message() const { return message_; }

  private:
    Message message_;
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
