#include "ReadingVerdict.h"

#include "OtherFormat.h"
#include "PhotometryFile.h"

#include <algorithm>

namespace lumetra {

std::string ReaderLine(std::string_view message) {
    std::string line;
    for (const char c : message) {
        const bool lineBreak = c == '\r' || c == '\n';
        if (!lineBreak)
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

namespace {

// The first error, or the first finding when there is no error.
std::optional<Finding> FirstError(std::vector<Finding> findings) {
    if (findings.empty())
        return std::nullopt;
    const auto error = std::find_if(findings.begin(), findings.end(),
                                    [](const Finding& f) { return f.severity == Severity::Error; });
    return error != findings.end() ? *error : findings.front();
}

} // namespace

ReadingVerdict JudgeReading(std::string_view fileName, bool parseError,
                            std::string_view readerMessage, std::string_view bytes) {
    ReadingVerdict verdict;
    if (!parseError)
        return verdict;
    verdict.complete = false;
    verdict.readerLine = ReaderLine(readerMessage);
    // Only the IES reader flags a file; an EULUMDAT fault stops the loading instead.
    if (!IsEulumdatFileName(fileName))
        verdict.finding = FirstError(ValidateIes(bytes));
    verdict.other = OtherFormatNoteOfBytes(fileName, bytes);
    return verdict;
}

std::vector<std::string> VerdictLines(const ReadingVerdict& verdict) {
    if (verdict.complete)
        return {};
    std::vector<std::string> lines{kNotSignificantText};
    if (!verdict.readerLine.empty())
        lines.push_back(verdict.readerLine);
    if (verdict.finding)
        lines.push_back("Line " + std::to_string(verdict.finding->line) + ": " +
                        std::string(SeverityName(verdict.finding->severity)) + ": " +
                        verdict.finding->message);
    if (verdict.other)
        lines.push_back(*verdict.other);
    return lines;
}

} // namespace lumetra
