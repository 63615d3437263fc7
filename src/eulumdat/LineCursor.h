#pragma once
// Walks the lines of an EULUMDAT file, one value per line, and names the file line in every
// fault it finds.

#include "data/Message.h"
#include "data/Photometry.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumetra {

// A line's number: blanks and tabs around it ignored, a decimal comma read as a point, otherwise
// the IES reader's number form. False (value 0) for anything else, an empty line included.
bool ConvertLineNumber(std::string_view line, long double& value);

class LineCursor {
  public:
    explicit LineCursor(const TextLines& lines) : lines_(lines) {}

    // File line (1-based) of the next value.
    std::size_t line() const { return next_ + 1; }

    // Each takes the next line; `what` (marked in the context "EulumdatReader") names the value
    // in the error when the line is missing or does not hold what is asked.
    const std::string& Text(const char* what);
    void Skip(std::size_t count, const char* what);
    long double Number(const char* what);
    std::optional<long double> OptionalNumber(const char* what); // absent if no number
    // A whole number from least to most, written with or without decimals.
    std::size_t WholeNumber(const char* what, std::size_t least, std::size_t most);

    // Refuses before anything is read or allocated when fewer than count lines are left for a
    // list of count values.
    void RequireLines(std::size_t count, const Message& what) const;

  private:
    const std::string& Take(const char* what);

    const TextLines& lines_;
    std::size_t next_ = 0;
};

} // namespace lumetra
