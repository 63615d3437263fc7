#pragma once
// Writing a file so that it is either whole or not there: the bytes go to a temporary file in the
// target's folder, are flushed to disk, and only then take the target's name.

#include "data/Errors.h"

#include <string>
#include <string_view>

namespace lumetra::writing {

// A file that could not be written; the text names the file and the reason.
class WriteError : public LumetraError {
  public:
    using LumetraError::LumetraError;
};

enum class Existing { Keep, Replace };

// Writes bytes as the file name, atomically. With Existing::Keep an existing file of that name
// is left alone and the write fails; the check and the rename are one step, so a file that
// appears meanwhile is never replaced either. Throws WriteError ("Cannot write FILE: reason");
// no temporary file is left behind.
void WriteFileAtomically(const std::string& fileName, std::string_view bytes, Existing existing);

} // namespace lumetra::writing
