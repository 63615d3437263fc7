// The file check of lumetra-cli on any bytes: its findings come in line order, name lines of
// the file, read as UTF-8 on one line each, stay few whatever the file holds, and agree with
// the viewer's reader: a file that the reader refuses or complains about has an error among
// its findings, and a file without findings reads without complaint.

#include "FuzzCheck.h"
#include "ViewerLoad.h"
#include "data/TextEncoding.h"
#include "data/TextLines.h"
#include "data/Validation.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// More than the repeating kinds listed in full and summed up, plus every finding that can come
// once: a file that produced more would produce a report that grows with the file.
constexpr std::size_t kMostFindings = 200;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumetra;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<Finding> findings = ValidateIes(bytes);

    FUZZ_CHECK(findings.size() <= kMostFindings, "the report stays short");
    const std::size_t lines = std::max<std::size_t>(1, SplitIntoLines(bytes).size());
    std::size_t previousLine = 1;
    bool anyError = false;
    for (const Finding& finding : findings) {
        FUZZ_CHECK(finding.line >= previousLine, "findings in line order");
        FUZZ_CHECK(finding.line <= lines + 1, "a finding names a line of the file");
        FUZZ_CHECK(!finding.message.empty(), "a finding says something");
        const std::string message = finding.message.English();
        FUZZ_CHECK(message.find_first_of("\r\n") == std::string::npos, "a finding is one line");
        FUZZ_CHECK(IsValidUtf8(message), "a finding is UTF-8");
        previousLine = finding.line;
        anyError = anyError || finding.severity == Severity::Error;
    }

    const fuzz::ViewerLoad load = fuzz::LoadBytes(bytes);
    if (load.error || !load.messages.empty())
        FUZZ_CHECK(anyError, "what the viewer refuses or complains about is an error");
    if (findings.empty())
        FUZZ_CHECK(!load.error && load.messages.empty() && !load.parseError,
                   "a file without findings reads cleanly");
    return 0;
}
