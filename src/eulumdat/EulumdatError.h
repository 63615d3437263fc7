#pragma once
// A fault of an EULUMDAT file, with the file line that holds it (or the line that is missing).

#include "data/Errors.h"

#include <cstddef>
#include <string>

namespace lumetra {

class EulumdatError : public LumetraError {
  public:
    EulumdatError(std::size_t line, const std::string& what)
        : LumetraError("Line " + std::to_string(line) + " of the EULUMDAT file: " + what),
          line_(line), reason_(what) {}

    std::size_t line() const { return line_; }
    // The fault without its line, for reports that give the line on their own.
    const std::string& reason() const { return reason_; }

  private:
    std::size_t line_;
    std::string reason_;
};

} // namespace lumetra
