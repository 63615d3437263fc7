// The check behind lumetra-cli check on any bytes: it must end with a short, well-formed report
// in line order, and it must report an error for every file that the viewer's reader cannot read
// cleanly (a refusal, a number that does not convert, numbers missing).

#include "FuzzCheck.h"
#include "data/Errors.h"
#include "data/IesReader.h"
#include "data/TextEncoding.h"
#include "data/TextLines.h"
#include "data/Validation.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Every repeating kind lists ten findings and a sum-up; the rest occur at most once each.
constexpr std::size_t kMostFindings = 4 * 11 + 20;

bool ReaderFails(std::string_view bytes) {
    lumetra::TextLines lines = lumetra::SplitIntoLines(bytes);
    lumetra::tIES record;
    lumetra::TextLines header;
    try {
        return lumetra::ReadIES(lines, record, header, nullptr);
    } catch (const lumetra::LumetraError&) {
        return true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumetra;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<Finding> findings = ValidateIes(bytes);
    FUZZ_CHECK(findings.size() <= kMostFindings, "the report stays short");
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        FUZZ_CHECK(finding.line >= 1, "lines are 1-based");
        FUZZ_CHECK(i == 0 || findings[i - 1].line <= finding.line, "findings come in line order");
        FUZZ_CHECK(!finding.message.empty() && IsValidUtf8(finding.message), "messages are UTF-8");
        FUZZ_CHECK(finding.message.find_first_of("\r\n") == std::string::npos,
                   "a message is one line");
    }
    const bool hasError = std::any_of(findings.begin(), findings.end(), [](const Finding& finding) {
        return finding.severity == Severity::Error;
    });
    FUZZ_CHECK(hasError || !ReaderFails(bytes),
               "a file the reader cannot read cleanly has an error");
    return 0;
}
