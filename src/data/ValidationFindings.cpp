#include "ValidationFindings.h"

#include "TextEncoding.h"
#include "Translatable.h"

#include <algorithm>
#include <cstdio>

namespace lumetra {

namespace {

// The sum-up of each repeating kind, for one more occurrence and for several (%1 of them). Whole
// sentences, since languages inflect the words around the count differently.
struct OmittedName {
    const char* one;
    const char* several;
};
constexpr std::array<OmittedName, static_cast<std::size_t>(Repeating::kCount)> kOmittedNames = {{
    {LUMETRA_TR_NOOP("Check", "And 1 more token that is not a number from here on"),
     LUMETRA_TR_NOOP("Check", "And %1 more tokens that are not numbers from here on")},
    {LUMETRA_TR_NOOP("Check",
                     "And 1 more vertical angle that is not above the one before from here on"),
     LUMETRA_TR_NOOP("Check",
                     "And %1 more vertical angles that are not above the one before from here on")},
    {LUMETRA_TR_NOOP("Check", "And 1 more negative candela value from here on"),
     LUMETRA_TR_NOOP("Check", "And %1 more negative candela values from here on")},
    {LUMETRA_TR_NOOP("Check",
                     "And 1 more keyword line of a form the viewer cannot show from here on"),
     LUMETRA_TR_NOOP("Check",
                     "And %1 more keyword lines of a form the viewer cannot show from here on")},
}};

constexpr std::size_t kQuotedBytes = 40;

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

} // namespace

void FindingList::Add(Severity severity, std::size_t line, Message message) {
    findings_.push_back(Finding{severity, line, std::move(message)});
}

void FindingList::Add(Repeating kind, Severity severity, std::size_t line, Message message) {
    const auto k = static_cast<std::size_t>(kind);
    if (listed_[k] < kListedPerKind) {
        ++listed_[k];
        Add(severity, line, std::move(message));
        return;
    }
    Omitted& omitted = omitted_[k];
    if (omitted.count++ == 0) {
        omitted.firstLine = line;
        omitted.severity = severity;
    }
}

std::vector<Finding> FindingList::Take() && {
    for (std::size_t k = 0; k < omitted_.size(); ++k) {
        const Omitted& omitted = omitted_[k];
        if (omitted.count > 0)
            Add(omitted.severity, omitted.firstLine,
                omitted.count == 1 ? Message("Check", kOmittedNames[k].one)
                                   : Message("Check", kOmittedNames[k].several)
                                         .Arg(std::to_string(omitted.count)));
    }
    std::stable_sort(findings_.begin(), findings_.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return std::move(findings_);
}

std::string Quoted(std::string_view text) {
    std::size_t cut = std::min(text.size(), kQuotedBytes);
    while (cut > 0 && cut < text.size() && IsUtf8Continuation(text[cut]))
        --cut; // never split a UTF-8 sequence, which would make the rest read as Latin-1
    std::string escaped;
    for (const char c : text.substr(0, cut)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            escaped += hex;
        } else {
            escaped += c;
        }
    }
    if (cut < text.size())
        escaped += "...";
    // Appended piece by piece: GCC 12 at -O3 warns falsely on a literal + std::string.
    std::string quoted(1, '\'');
    quoted.append(ToUtf8(escaped)).push_back('\'');
    return quoted;
}

} // namespace lumetra
