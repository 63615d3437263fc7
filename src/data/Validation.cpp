#include "Validation.h"

#include "HeaderValidation.h"
#include "Loading.h"
#include "NumericValidation.h"
#include "ValidationCursors.h"
#include "ValidationFindings.h"

#include <string>

namespace lumetra {

std::string_view SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

Finding FileTooLargeFinding(unsigned long long size) {
    return Finding{Severity::Error, 1,
                   "The file has " + std::to_string(size) + " bytes, more than the viewer reads (" +
                       std::to_string(kMaxFileBytes) + "): it refuses the file"};
}

std::vector<Finding> ValidateIes(std::string_view bytes) {
    FindingList findings;
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    if (text.size() < bytes.size())
        findings.Add(Severity::Warning, NulLine(bytes),
                     "A NUL byte ends the text here: the viewer ignores everything after it");
    if (text.empty()) {
        findings.Add(Severity::Error, 1, "The file is empty");
        return std::move(findings).Take();
    }
    if (HasMoreLinesThan(text, kMaxFileLines)) {
        findings.Add(Severity::Error, kMaxFileLines + 1,
                     "The file has more than " + std::to_string(kMaxFileLines) +
                         " lines, more than the viewer reads: it refuses the file");
        return std::move(findings).Take();
    }
    LineCursor lines(text);
    if (const auto header = CheckHeader(lines, findings))
        CheckNumericBlock(lines, *header, findings);
    return std::move(findings).Take();
}

} // namespace lumetra
