// lumetra-cli bug: the BUG rating of a file, its zone lumens and the convention used.

#include "CommandOptions.h"
#include "Commands.h"
#include "compliance/ComplianceJson.h"
#include "compliance/ComplianceText.h"
#include "summary/PhotometricSummary.h"
#include "surface/LocaleNumbers.h"
#include "translate/Translations.h"

#include <iostream>

namespace lumetra::cli {

int RunBug(const QStringList& arguments) {
    const Parsed<BugOptions> parsed = ParseBugOptions(arguments);
    if (!parsed.options)
        return FailUsage(parsed.error);
    tIES record;
    LuminaireFacts facts;
    if (!LoadRecord(parsed.options->input, record, facts))
        return 1;
    if (!summary::HasPhotometricData(record))
        return Fail("The file holds no photometric data");
    const compliance::BugRating rating = compliance::RateBug(record, facts, parsed.options->front);
    if (parsed.options->json) {
        std::cout << compliance::BugJson(rating).dump() << '\n';
        return 0;
    }
    properties::NumberFormat format = LocaleNumberFormat();
    format.wording = TranslatedUtf8;
    for (const auto& [caption, value] : compliance::BugLines(rating, facts, format))
        std::cout << caption << ": " << value << '\n';
    return 0;
}

} // namespace lumetra::cli
