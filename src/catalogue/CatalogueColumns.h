#pragma once
// The catalogue's columns: their headers with units, their names in CSV and range filters, and
// each row's value in them, as a number (for sorting and ranges) and as displayed text.

#include "CatalogueRow.h"
#include "properties/FigureText.h"

#include <array>
#include <optional>
#include <string>

namespace lumetra::catalogue {

enum class Column {
    File,
    Format,
    Manufacturer,
    CatalogueNumber,
    Luminaire,
    Lamp,
    Flux,
    LampFlux,
    LightOutputRatio,
    InputWatts,
    Efficacy,
    MaxIntensity,
    Beam,       // the wider of the two beam angles
    BeamFirst,  // C0-C180, or the horizontal line of type A and B
    BeamSecond, // C90-C270, or the vertical line
    Field,      // the wider of the two field angles
    FieldFirst,
    FieldSecond,
    DownwardFraction,
    Symmetry,
    PhotometricType,
    BugRating,      // "B1-U0-G2"
    MaxLuminance65, // the largest luminance at gamma 65 over C0..C315
    Status,
};
inline constexpr std::size_t kColumnCount = static_cast<std::size_t>(Column::Status) + 1;

struct ColumnInfo {
    Column column;
    const char* header;  // shown, with the unit: "Luminous flux (lm)"
    const char* keyword; // in range filters: "flux"; empty for text columns
    bool numeric;
    properties::Unit unit; // of a numeric column's values, as displayed
};

const std::array<ColumnInfo, kColumnCount>& Columns();
const ColumnInfo& Info(Column column);

// A numeric column's value in its displayed unit (percent for ratios); none where undefined,
// for a text column and for a failing row.
std::optional<long double> NumberOf(const CatalogueRow& row, Column column);

// The cell as shown: numbers with the unit's digits in the format (the locale's, at the window's
// or the command's edge), without the unit (the header has it); "n/a" where undefined, empty for
// a failing row's figures.
std::string CellText(const CatalogueRow& row, Column column,
                     const properties::NumberFormat& format = {});

// The status column: "Loads cleanly", "Reader's message: ...", "Fails: ...", its words in the
// format's language (the reader's message itself stays as the row keeps it).
std::string StatusText(const CatalogueRow& row, const properties::NumberFormat& format = {});

} // namespace lumetra::catalogue
