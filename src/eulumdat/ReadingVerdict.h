#pragma once
// Whether the figures computed from a loaded file are results. When the IES reader flags a file
// (a token that is not a number, fewer values than the counts say), the record holds zeros or
// values in the wrong places, and a flux or an angle computed from it is no result at all. Every
// place that shows figures (the summary on the command line, the data sheet, the Properties
// window, the catalogue) asks this one rule and shows its note instead of the figures.

#include "data/Validation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

// What is shown in place of the figures of a file that did not read completely.
Message NotSignificantMessage();

struct ReadingVerdict {
    bool complete = true;           // the figures are results
    Message readerLine;             // the reader's message on one line ("Error! Line 12")
    std::optional<Finding> finding; // check's first error for the file
    std::optional<Message> other;   // the file plainly holds the other format
};

// The verdict on a file as loaded: parseError is the reader's flag, readerMessage its first
// message (empty when it gave none), bytes the file as read (may be empty when parseError is
// false: a complete file is not checked again).
ReadingVerdict JudgeReading(std::string_view fileName, bool parseError,
                            const Message& readerMessage, std::string_view bytes);

// The verdict's note for a person, one line each: NotSignificantMessage(), the reader's line,
// check's finding ("Line 12: error: ..."), the other format. Empty for a complete file.
std::vector<Message> VerdictLines(const ReadingVerdict& verdict);

// The same in English, as JSON carries it.
std::vector<std::string> EnglishVerdictLines(const ReadingVerdict& verdict);

// Check's finding for a person, as the verdict and the Properties window name it:
// "Line 12: error: ..." (with severity) or "Line 12: ..." (without).
Message FindingLine(const Finding& finding, bool withSeverity);

} // namespace lumetra
