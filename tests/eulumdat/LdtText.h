#pragma once
// Analytic EULUMDAT files for the tests: eight C-planes every 45 degrees, gammas 0, 45 and 90,
// one lamp set of 2 lamps with 2000 lm and a conversion factor of 1.5, so candela = 3 x cd/klm.
// Stored plane k (file order) holds 100 (k + 1) + v cd/klm at gamma index v: every plane differs.

#include "data/Errors.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"
#include "data/TextLines.h"
#include "eulumdat/PhotometryFile.h"
#include "eulumdat/StoredPlanes.h"
#include "support/LoadOutcome.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <optional>
#include <string>

namespace lumetra::test {

inline constexpr int kLdtPlanes = 8;
inline constexpr int kLdtGammas = 3;
inline constexpr long double kCandelaPerUnit = 3;

inline long double StoredValue(std::size_t plane, std::size_t gamma) {
    return 100.0L * static_cast<long double>(plane + 1) + static_cast<long double>(gamma);
}

// Line i of the vector is file line i + 1.
inline TextLines LdtLines(int isym) {
    // Lines 1-32: identification, round luminous area of 500 mm, DFF, LORL with a decimal
    // comma, factor, one lamp set; then ten empty direct ratios, C-angles, gammas, intensities.
    std::string fixed = "ACME Lighting|1|" + std::to_string(isym) +
                        "|8|45|3|45|R123|Luminaire A|L-1|a.ldt|2026-12-07|600|0|80|500|0|10|20|10|"
                        "20|61.5|87,5|1.5|0|1|2|LED 40W|2000|3000K|80|42.5";
    std::replace(fixed.begin(), fixed.end(), '|', '\n');
    TextLines lines = SplitIntoLines(fixed);
    lines.resize(lines.size() + 10);
    for (int c = 0; c < kLdtPlanes; ++c)
        lines.push_back(std::to_string(45 * c));
    for (int g = 0; g < kLdtGammas; ++g)
        lines.push_back(std::to_string(45 * g));
    for (std::size_t k = 0; k < StoredPlaneCount(isym, kLdtPlanes); ++k)
        for (std::size_t v = 0; v < kLdtGammas; ++v)
            lines.push_back(std::to_string(static_cast<int>(StoredValue(k, v))));
    return lines;
}

inline std::string JoinLdt(const TextLines& lines, const std::string& lineBreak = "\n") {
    std::string text;
    for (const auto& line : lines)
        text += line + lineBreak;
    return text;
}

// Everything one load by file name leaves behind.
struct LdtLoad {
    tIES record;
    TextLines fileLines;
    TextLines headerLines;
    LuminaireFacts facts;
    std::optional<std::string> error;

    explicit LdtLoad(const std::string& fileName) {
        try {
            LoadPhotometryFile(fileName, record, fileLines, headerLines, nullptr, facts);
        } catch (const LumetraError& e) {
            error = e.what();
        }
    }
};

inline LdtLoad LoadLdtText(const std::string& text, const std::string& name = "a.ldt") {
    TempFolder folder;
    return LdtLoad(folder.Write(name, text));
}

} // namespace lumetra::test
