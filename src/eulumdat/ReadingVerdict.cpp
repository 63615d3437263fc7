#include "ReadingVerdict.h"

#include "OtherFormat.h"
#include "PhotometryFile.h"
#include "data/Message.h"

#include <algorithm>

namespace lumetra {

Message NotSignificantMessage() {
    return LUMETRA_MESSAGE("ReadingVerdict", "not significant: the file did not read completely");
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
                            const Message& readerMessage, std::string_view bytes) {
    ReadingVerdict verdict;
    if (!parseError)
        return verdict;
    verdict.complete = false;
    verdict.readerLine = Message(readerMessage).OnOneLine();
    // Only the IES reader flags a file; an EULUMDAT fault stops the loading instead.
    if (!IsEulumdatFileName(fileName))
        verdict.finding = FirstError(ValidateIes(bytes));
    verdict.other = OtherFormatNoteOfBytes(fileName, bytes);
    return verdict;
}

Message FindingLine(const Finding& finding, bool withSeverity) {
    if (!withSeverity)
        return LUMETRA_MESSAGE("ReadingVerdict", "Line %1: %2")
            .Arg(std::to_string(finding.line))
            .Arg(finding.message);
    // The severity's word stays English, as in check's report.
    return LUMETRA_MESSAGE("ReadingVerdict", "Line %1: %2: %3")
        .Arg(std::to_string(finding.line))
        .Arg(std::string(SeverityName(finding.severity)))
        .Arg(finding.message);
}

std::vector<Message> VerdictLines(const ReadingVerdict& verdict) {
    if (verdict.complete)
        return {};
    std::vector<Message> lines{NotSignificantMessage()};
    if (!verdict.readerLine.empty())
        lines.push_back(verdict.readerLine);
    if (verdict.finding)
        lines.push_back(FindingLine(*verdict.finding, true));
    if (verdict.other)
        lines.push_back(*verdict.other);
    return lines;
}

std::vector<std::string> EnglishVerdictLines(const ReadingVerdict& verdict) {
    std::vector<std::string> lines;
    for (const Message& line : VerdictLines(verdict))
        lines.push_back(line.English());
    return lines;
}

} // namespace lumetra
