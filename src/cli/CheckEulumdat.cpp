#include "CheckEulumdat.h"

#include "data/Loading.h"
#include "data/Message.h"
#include "data/TextLines.h"
#include "data/ValidationCursors.h"
#include "eulumdat/EulumdatError.h"
#include "eulumdat/EulumdatRecord.h"
#include "summary/PhotometricSummary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace lumetra::cli {

namespace {

std::string Percent(long double fraction) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4Lg %%", fraction * 100);
    return text;
}

Finding FormatError(const EulumdatError& error) {
    return Finding{Severity::Error, error.line(),
                   LUMETRA_MESSAGE("Check", "%1: the viewer refuses the file")
                       .Arg(Message(error.reason()).StartingSentence())};
}

// A stated ratio of 0 disagrees with any light at all; a ratio that cannot be computed (no lamp
// flux) or is not stated is not compared.
void CompareLightOutputRatio(const tIES& record, const LuminaireFacts& facts,
                             std::vector<Finding>& findings) {
    if (!facts.StatedLightOutputRatio || !std::isfinite(*facts.StatedLightOutputRatio))
        return;
    const summary::Figure ratio = summary::LightOutputRatioOf(record, facts);
    if (!ratio)
        return;
    const long double computed = *ratio;
    const long double stated = *facts.StatedLightOutputRatio;
    if (std::fabs(computed - stated) <= kLightOutputRatioTolerance * std::fabs(stated))
        return;
    findings.push_back(Finding{Severity::Warning, kLightOutputRatioLine,
                               LUMETRA_MESSAGE("Check", "The intensities give a light output "
                                                        "ratio of %1, the file states %2: they "
                                                        "differ by more than %3 of the stated "
                                                        "value")
                                   .Arg(Percent(computed))
                                   .Arg(Percent(stated))
                                   .Arg(Percent(kLightOutputRatioTolerance))});
}

} // namespace

std::vector<Finding> ValidateEulumdat(std::string_view bytes) {
    std::vector<Finding> findings;
    // The loader splits the text as the IES check counts it and stops at a NUL in the same way.
    if (HasMoreLinesThan(bytes, kMaxFileLines))
        return {Finding{Severity::Error, kMaxFileLines + 1,
                        LUMETRA_MESSAGE("Check", "The file has more than %1 lines, more than the "
                                                 "viewer reads: it refuses the file")
                            .Arg(std::to_string(kMaxFileLines))}};
    if (const std::size_t nul = NulLine(bytes); nul != 0)
        findings.push_back(Finding{Severity::Warning, nul,
                                   LUMETRA_MESSAGE("Check", "A NUL byte ends the text here: the "
                                                            "viewer ignores everything after it")});
    try {
        tIES record;
        TextLines headerLines;
        LuminaireFacts facts;
        EulumdatToRecord(ReadEulumdat(SplitIntoLines(bytes)), record, headerLines, facts);
        CompareLightOutputRatio(record, facts, findings);
    } catch (const EulumdatError& error) {
        findings.push_back(FormatError(error));
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return findings;
}

} // namespace lumetra::cli
