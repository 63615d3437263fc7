#pragma once
// A fault of an EULUMDAT file, with the file line that holds it (or the line that is missing).

#include "data/Errors.h"
#include "data/Message.h"

#include <cstddef>
#include <string>

namespace lumetra {

class EulumdatError : public LumetraError {
  public:
    EulumdatError(std::size_t line, Message reason)
        : LumetraError(LUMETRA_MESSAGE("EulumdatReader", "Line %1 of the EULUMDAT file: %2")
                           .Arg(std::to_string(line))
                           .Arg(reason)),
          line_(line), reason_(std::move(reason)) {}

    std::size_t line() const { return line_; }
    // The fault without its line, for reports that give the line on their own.
    const Message& reason() const { return reason_; }

  private:
    std::size_t line_;
    Message reason_;
};

} // namespace lumetra
