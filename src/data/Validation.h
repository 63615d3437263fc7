#pragma once
// Checking an IES file against LM-63 and against what the viewer can read and show, as a list of
// findings for a report. The check never changes how the viewer reads a file; it says where a
// file will not read or show as its author meant.

#include "Message.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

// Error: the viewer cannot read or render the file as meant (values land in the wrong place,
// read as 0, or the file is refused). Warning: it reads and shows the file, but the file departs
// from LM-63 or holds something the viewer leaves out.
enum class Severity { Error, Warning };

struct Finding {
    Severity severity = Severity::Error;
    std::size_t line = 1; // 1-based file line
    Message message;      // no line breaks
};

// "error" or "warning".
std::string_view SeverityName(Severity severity);

// The findings for a file's bytes, ordered by line. Time is linear in the size of the file and
// memory beyond the bytes does not grow with the file or with the counts that it declares.
std::vector<Finding> ValidateIes(std::string_view bytes);

// The finding for a file larger than the viewer reads (kMaxFileBytes), which is not read at all.
Finding FileTooLargeFinding(unsigned long long size);

} // namespace lumetra
