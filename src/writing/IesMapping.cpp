#include "IesMapping.h"

#include "Adjustment.h"
#include "data/AsciiCase.h"
#include "data/IesReader.h"
#include "data/VersionLine.h"
#include "eulumdat/LineCursor.h"

#include <cmath>

namespace lumetra::writing {

namespace {

std::string Trimmed(std::string_view text) {
    return std::string(TrimBlanks(text));
}

std::string Trimmed(std::string_view text);

std::string Keyword(const char* keyword, const std::string& untrimmed) {
    const std::string value = Trimmed(untrimmed);
    return value.empty() ? std::string(keyword) : std::string(keyword) + " " + value;
}

TextLines IesKeywordLines(const TextLines& header) {
    TextLines lines;
    const std::size_t end = header.empty() ? 0 : header.size() - 1; // the TILT line is last
    for (std::size_t i = 0; i < end; ++i) {
        if (i == 0 && IsVersionLine(header[i]))
            continue;
        const std::string line = Trimmed(header[i]);
        if (!line.empty())
            lines.push_back(line.front() == '[' ? line : "[OTHER] " + line);
    }
    return lines;
}

std::string TiltValue(const TextLines& header) {
    if (header.empty())
        return "NONE";
    const std::string& tilt = header.back();
    const auto eq = tilt.find('=');
    return eq == std::string::npos ? "NONE" : Trimmed(std::string_view(tilt).substr(eq + 1));
}

IesDocument FromIes(const SourceFile& source, IesVersion version) {
    IesDocument document;
    document.KeywordLines = IesKeywordLines(source.Ies.HeaderLines);
    document.Tilt = TiltValue(source.Ies.HeaderLines);
    document.TiltValues = source.Ies.Tilt;
    const LuminaireFacts& facts = source.Facts;
    IesNumbers& n = document.Numbers;
    n.Lamps = facts.NumberOfLamps;
    n.LumensPerLamp =
        source.LampFlux ? *source.LampFlux / facts.NumberOfLamps : source.Record.LampLumens;
    n.Multiplier = source.Record.CandelaMultiplier * source.IntensityScale;
    n.Computed = source.IntensityScale != 1 || source.LampFlux.has_value();
    n.PhotometricType = facts.PhotometricType;
    n.UnitsType = source.Record.UnitsType;
    n.Width = facts.Width;
    n.Length = facts.Length;
    n.Height = facts.Height;
    n.BallastFactor = facts.BallastFactor;
    n.SecondValue = SecondValueFor(source, version);
    n.InputWatts = facts.InputWatts;
    document.Candela = source.Record.Candela;
    return document;
}

// Line k (1-based) of the EULUMDAT file, blanks trimmed; empty past the end.
std::string LdtLine(const SourceFile& source, std::size_t k) {
    const TextLines& lines = source.Eulumdat.Lines;
    return k >= 1 && k <= lines.size() ? Trimmed(lines[k - 1]) : std::string();
}

std::string JoinedLines(const SourceFile& source, std::size_t first, std::size_t count,
                        const char* separator) {
    std::string joined;
    for (std::size_t k = first; k < first + count; ++k)
        joined += (k > first ? separator : "") + LdtLine(source, k);
    return joined;
}

TextLines LdtDescriptionKeywords(const SourceFile& source) {
    return {Keyword("[TEST]", LdtLine(source, 8)),       "[TESTLAB]",
            Keyword("[ISSUEDATE]", LdtLine(source, 12)), Keyword("[MANUFAC]", LdtLine(source, 1)),
            Keyword("[LUMCAT]", LdtLine(source, 10)),    Keyword("[LUMINAIRE]", LdtLine(source, 9)),
            Keyword("[LAMP]", LdtLine(source, 28))};
}

bool AllEqual(const SourceFile& source, std::size_t first, std::size_t count) {
    for (std::size_t k = first + 1; k < first + count; ++k)
        if (LdtLine(source, k) != LdtLine(source, first))
            return false;
    return true;
}

// What IES has no field for, in keywords of its own.
void AddLdtOnlyKeywords(const SourceFile& source, TextLines& lines) {
    lines.push_back(Keyword("[_LUMINAIRESIZE]", JoinedLines(source, 13, 3, " ") + " mm"));
    if (!AllEqual(source, 18, 4))
        lines.push_back(Keyword("[_LUMINOUSHEIGHTS]", JoinedLines(source, 18, 4, " ") + " mm"));
    lines.push_back(Keyword("[_LDT_DFF]", LdtLine(source, 22)));
    lines.push_back(Keyword("[_LDT_LORL]", LdtLine(source, 23)));
    long double tilt = 0; // "0", "0.0" and a blank line all say the luminaire was not tilted
    const std::string tiltLine = LdtLine(source, 25);
    if (!tiltLine.empty() && !(ConvertLineNumber(tiltLine, tilt) && tilt == 0))
        lines.push_back(Keyword("[_LDT_TILT]", LdtLine(source, 25)));
    const std::size_t sets = source.Eulumdat.File.LampSets.size();
    const std::string colour = JoinedLines(source, 30, 2, " / ");
    if (colour != " / ")
        lines.push_back(Keyword("[_LDT_COLOUR]", colour));
    for (std::size_t i = 1; i < sets; ++i)
        lines.push_back(Keyword("[_LDT_LAMPSET]", JoinedLines(source, 27 + 6 * i, 6, "; ")));
    const std::string ratios = JoinedLines(source, 27 + 6 * sets, 10, " ");
    if (ratios.find_first_not_of(' ') != std::string::npos)
        lines.push_back(Keyword("[_LDT_DIRECTRATIOS]", ratios));
}

void FillLdtNumbers(const SourceFile& source, IesNumbers& n) {
    long double lamps = 0;
    long double flux = 0;
    long double watts = 0;
    bool absolute = false;
    for (const EulumdatLampSet& set : source.Eulumdat.File.LampSets) {
        lamps += std::fabs(set.NumberOfLamps);
        flux += set.TotalFlux;
        watts += set.Wattage;
        absolute = absolute || set.NumberOfLamps < 0;
    }
    n.Lamps = lamps == 0 ? 1 : lamps;
    n.LumensPerLamp = absolute ? -1 : source.LampFlux.value_or(flux) / n.Lamps;
    n.Multiplier = source.IntensityScale;
    n.Computed = true; // lumens per lamp is a quotient
    n.UnitsType = 2;
    n.Width = source.Facts.Width;
    n.Length = source.Facts.Length;
    long double height = 0;
    for (const auto& side : source.Eulumdat.File.LuminousAreaHeights)
        height += side.value_or(0);
    n.Height = height / 4 / 1000;
    n.InputWatts = watts;
}

IesDocument FromEulumdat(const SourceFile& source, IesVersion version) {
    IesDocument document;
    document.KeywordLines = LdtDescriptionKeywords(source);
    AddLdtOnlyKeywords(source, document.KeywordLines);
    FillLdtNumbers(source, document.Numbers);
    document.Numbers.SecondValue = SecondValueFor(source, version);
    const long double perUnit = source.Eulumdat.CandelaPerUnit;
    document.Candela = source.Record.Candela;
    document.CandelaComputed = perUnit != 1;
    for (tArrEx& plane : document.Candela)
        for (long double& value : plane)
            value *= perUnit; // as the reader converts them
    return document;
}

} // namespace

long double SecondValueFor(const SourceFile& source, IesVersion version) {
    if (version == IesVersion::Lm63_2002)
        return 1;
    const long double value = IsLm63_2019(source) ? source.Ies.SecondValue : 1.00001L;
    const bool scaled = source.IntensityScale != 1 || source.LampFlux.has_value();
    const long double code = std::nearbyintl(value * 100000);
    if (!scaled || !(std::fabs(code) < 1e9L) || static_cast<long long>(code) / 100 % 10 == 1)
        return value;
    return (code + 100) / 100000;
}

IesDocument IesDocumentOf(const SourceFile& source, IesVersion version) {
    IesDocument document = source.Format == PhotometricFormat::Eulumdat
                               ? FromEulumdat(source, version)
                               : FromIes(source, version);
    document.VerticalAngles = source.Record.VerticalAngles;
    document.HorizontalAngles = source.Record.HorizontalAngles;
    return document;
}

} // namespace lumetra::writing
