#pragma once
// The comparison as text for a person (words in the language of the number format's wording):
// values with their units in the properties' figure format, signed differences with their per cent,
// and where the intensities differ most. Shared by `lumetra-cli compare` and the Compare window;
// every caption is in this file's table.

#include "FigureDifferences.h"
#include "IntensityComparison.h"
#include "IntensityUnit.h"
#include "properties/FigureText.h"

#include <string>
#include <vector>

namespace lumetra::compare {

// The unit a figure is shown in; fractions are shown in per cent (FigureScale).
properties::Unit ValueUnit(FigureKind kind);
long double FigureScale(FigureKind kind);

// "1 234 lm", "87.3 %", "36.4°"; "n/a" for none.
std::string ValueText(const Figure& value, FigureKind kind,
                      const properties::NumberFormat& format = {});

// "+200 lm (+20.0 %)", "-3.5°"; a fraction's difference in percentage points ("+2.1 pp");
// "n/a" when either value is undefined; "0" for no difference.
std::string DifferenceText(const FigureDifference& difference, FigureKind kind,
                           const properties::NumberFormat& format = {});

// A figure row as text: its caption, each file's value, then each further file's difference
// to the first ("n/a" where undefined), and which differences go beyond the tolerance.
struct FigureTextRow {
    std::string Caption;
    std::vector<std::string> Values;
    std::vector<std::string> Differences; // one per file after the first
    std::vector<bool> Beyond;             // beside Differences
};
FigureTextRow FigureTextOf(const FigureRow& row, const properties::NumberFormat& format = {});

// An intensity in the unit: "1 234 cd", "456 cd/klm", signed when asked ("+12 cd").
std::string IntensityText(long double value, IntensityUnit unit, bool sign = false,
                          const properties::NumberFormat& format = {});

// "+1 234 cd at C 135°, gamma 90° (1 000 cd against 2 234 cd)"; H and V for types A and B.
std::string LargestText(const IntensityDifference& largest, IntensityUnit unit, bool typeC,
                        const properties::NumberFormat& format = {});

// How the intensities were compared: "at the stored angles", "on the union of the files'
// angles, interpolated", with "thinned" when the union was too large.
std::string ComparedWhereText(bool sharedGrid, bool thinned,
                              const properties::NumberFormat& format = {});

// Why there is no intensity difference: the files' types differ, a file holds no data or, per
// kilolumen, has no flux.
std::string NotComparedText(IntensityUnit unit, const properties::NumberFormat& format = {});

} // namespace lumetra::compare
