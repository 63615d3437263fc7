#include "Validation.h"

#include "HeaderValidation.h"
#include "Loading.h"
#include "NumericValidation.h"
#include "Translatable.h"
#include "ValidationCursors.h"
#include "ValidationFindings.h"

#include <string>

namespace lumetra {

std::string_view SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

Finding FileTooLargeFinding(unsigned long long size) {
    return Finding{Severity::Error, 1,
                   LUMETRA_MESSAGE("Check", "The file has %1 bytes, more than the viewer reads "
                                            "(%2): it refuses the file")
                       .Arg(std::to_string(size))
                       .Arg(std::to_string(kMaxFileBytes))};
}

std::vector<Finding> ValidateIes(std::string_view bytes) {
    FindingList findings;
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    if (text.size() < bytes.size())
        findings.Add(Severity::Warning, NulLine(bytes),
                     LUMETRA_MESSAGE("Check", "A NUL byte ends the text here: the viewer ignores "
                                              "everything after it"));
    if (text.empty()) {
        findings.Add(Severity::Error, 1, LUMETRA_MESSAGE("Check", "The file is empty"));
        return std::move(findings).Take();
    }
    if (HasMoreLinesThan(text, kMaxFileLines)) {
        findings.Add(Severity::Error, kMaxFileLines + 1,
                     LUMETRA_MESSAGE("Check", "The file has more than %1 lines, more than the "
                                              "viewer reads: it refuses the file")
                         .Arg(std::to_string(kMaxFileLines)));
        return std::move(findings).Take();
    }
    LineCursor lines(text);
    if (const auto header = CheckHeader(lines, findings))
        CheckNumericBlock(lines, *header, findings);
    return std::move(findings).Take();
}

} // namespace lumetra
