#include "ComparisonText.h"

#include "data/Translatable.h"

namespace lumetra::compare {

namespace {

using properties::FigureText;
using properties::Unit;

constexpr Unit kPercentagePoints{"pp", 1};
constexpr Unit kCandelaPerKilolumen{"cd/klm", 0};

// Marked in the context "Compare"; the windows and lumetra-cli give them in the user's language.
struct Texts {
    const char* LargestTypeC;
    const char* LargestTypeAB;
    const char* Where[2][2]; // [shared grid][thinned]
    const char* NotCompared;
    const char* NotComparedNoFlux;
};
constexpr Texts kTexts{
    LUMETRA_TR_NOOP("Compare", "%1 at C %2, gamma %3 (%4 against %5)"),
    LUMETRA_TR_NOOP("Compare", "%1 at H %2, V %3 (%4 against %5)"),
    {{LUMETRA_TR_NOOP("Compare", "on the union of the files' angles, interpolated"),
      LUMETRA_TR_NOOP("Compare",
                      "on the union of the files' angles, interpolated, thinned evenly")},
     {LUMETRA_TR_NOOP("Compare", "at the angles both files store"),
      LUMETRA_TR_NOOP("Compare", "at the angles both files store, thinned evenly")}},
    LUMETRA_TR_NOOP("Compare",
                    "Intensities not compared: the files differ in photometric type or hold no "
                    "data."),
    LUMETRA_TR_NOOP("Compare",
                    "Intensities not compared: the files differ in photometric type or hold no "
                    "data. Per kilolumen, every file needs a lamp or luminaire flux."),
};

std::string Words(const char* marked, const properties::NumberFormat& format) {
    return format.Words(Message("Compare", marked));
}

std::string Signed(const std::string& text, long double value) {
    const bool shownAsZero = text.find_first_of("123456789") == std::string::npos;
    return value > 0 && !shownAsZero ? "+" + text : text;
}

} // namespace

Unit ValueUnit(FigureKind kind) {
    switch (kind) {
    case FigureKind::Flux:
        return properties::kLumen;
    case FigureKind::Intensity:
        return properties::kCandela;
    case FigureKind::Fraction:
        return properties::kPercent;
    case FigureKind::Angle:
        return properties::kDegree;
    case FigureKind::Power:
        return properties::kWatt;
    case FigureKind::Efficacy:
        return properties::kEfficacy;
    }
    return properties::kNone;
}

long double FigureScale(FigureKind kind) {
    return kind == FigureKind::Fraction ? 100 : 1;
}

std::string ValueText(const Figure& value, FigureKind kind,
                      const properties::NumberFormat& format) {
    const Figure scaled = value ? Figure(*value * FigureScale(kind)) : value;
    return FigureText(scaled, ValueUnit(kind), format);
}

std::string DifferenceText(const FigureDifference& difference, FigureKind kind,
                           const properties::NumberFormat& format) {
    if (!difference.Absolute)
        return properties::NotAvailableText(format);
    if (*difference.Absolute == 0)
        return "0";
    const long double absolute = *difference.Absolute * FigureScale(kind);
    const Unit unit = kind == FigureKind::Fraction ? kPercentagePoints : ValueUnit(kind);
    std::string text = Signed(FigureText(absolute, unit, format), absolute);
    if (difference.Percent && kind != FigureKind::Angle)
        text += " (" +
                Signed(FigureText(*difference.Percent, properties::kPercent, format),
                       *difference.Percent) +
                ")";
    return text;
}

FigureTextRow FigureTextOf(const FigureRow& row, const properties::NumberFormat& format) {
    FigureTextRow text{format.Words(row.Caption), {}, {}, {}};
    for (const Figure& value : row.Values)
        text.Values.push_back(ValueText(value, row.Kind, format));
    for (std::size_t i = 1; i < row.ToFirst.size(); ++i) {
        text.Differences.push_back(DifferenceText(row.ToFirst[i], row.Kind, format));
        text.Beyond.push_back(row.ToFirst[i].BeyondTolerance);
    }
    return text;
}

std::string IntensityText(long double value, IntensityUnit unit, bool sign,
                          const properties::NumberFormat& format) {
    const Unit shown = unit == IntensityUnit::Candela ? properties::kCandela : kCandelaPerKilolumen;
    const std::string text = FigureText(value, shown, format);
    return sign ? Signed(text, value) : text;
}

std::string LargestText(const IntensityDifference& largest, IntensityUnit unit, bool typeC,
                        const properties::NumberFormat& format) {
    return format.Words(Message("Compare", typeC ? kTexts.LargestTypeC : kTexts.LargestTypeAB)
                            .Arg(IntensityText(largest.Value, unit, true, format))
                            .Arg(FigureText(largest.C, properties::kDegree, format))
                            .Arg(FigureText(largest.Gamma, properties::kDegree, format))
                            .Arg(IntensityText(largest.Other, unit, false, format))
                            .Arg(IntensityText(largest.First, unit, false, format)));
}

std::string ComparedWhereText(bool sharedGrid, bool thinned,
                              const properties::NumberFormat& format) {
    return Words(kTexts.Where[sharedGrid ? 1 : 0][thinned ? 1 : 0], format);
}

std::string NotComparedText(IntensityUnit unit, const properties::NumberFormat& format) {
    return Words(unit == IntensityUnit::CandelaPerKilolumen ? kTexts.NotComparedNoFlux
                                                            : kTexts.NotCompared,
                 format);
}

} // namespace lumetra::compare
