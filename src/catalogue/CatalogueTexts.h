#pragma once
// Every text the catalogue core shows a person, in one table so it can be translated later.

#include <string>

namespace lumetra::catalogue {

enum class TextId {
    TooLarge,
    OutOfMemory,
    NoPhotometricData,
    StatusClean,
    StatusMessage,
    StatusFails,
    RangeUnknownColumn,
    RangeBadBounds,
};

// The text in English, UTF-8.
std::string Text(TextId id);

} // namespace lumetra::catalogue
