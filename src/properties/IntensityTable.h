#pragma once
// The stored candela table as a grid: one row per vertical angle (gamma), one column per
// horizontal angle (C), values as the file gives them (the candela multiplier not applied).

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lumetra::properties {

struct Cell {
    std::size_t row;    // vertical angle index
    std::size_t column; // horizontal angle index
};

// Rows and columns of the grid: the vertical angles, and the planes that have both an angle
// and values.
std::size_t RowCount(const tIES& record);
std::size_t ColumnCount(const tIES& record);

// The stored value of a cell; none where the plane holds fewer values than there are angles.
std::optional<long double> CellValue(const tIES& record, Cell cell);

// The first cell of the largest value; none for an empty grid.
std::optional<Cell> MaxCell(const tIES& record);

// The grid as text with a heading row of C angles and a heading column of gamma angles, the
// corner "gamma \ C". Tab-separated lines ending in LF, which spreadsheets paste into cells; CSV
// with commas, "." as decimal separator and CR LF line ends. Each value is multiplied by factor
// (TableFactor), so the text holds what the table shows.
std::string TabSeparatedText(const tIES& record, const std::string& separator = ".",
                             long double factor = 1);
std::string CsvText(const tIES& record, long double factor = 1);

// The units the table is shown in. An IES file's values are shown as stored (the candela
// multiplier not applied); an EULUMDAT file holds cd/klm, shown first, and can be shown in cd.
enum class TableUnit { AsStored, CandelaPerKilolumen, Candela };

// The units offered for a file, the first one shown at first: cd/klm needs a positive lamp flux.
std::vector<TableUnit> TableUnits(const LuminaireFacts& facts);
// "as stored", "cd/klm", "cd".
const char* TableUnitName(TableUnit unit);
// A record's value times this is the value in the unit.
long double TableFactor(const LuminaireFacts& facts, TableUnit unit);
// What the shown values are: the multiplier note for values as stored, else the unit and how it
// relates to what the file holds.
std::string TableNote(const tIES& record, const LuminaireFacts& facts, TableUnit unit,
                      const std::string& separator = ".");

// "Values as stored; candela = value x 2.5 (the file's candela multiplier)", or a note that the
// multiplier is 1.
std::string MultiplierNote(const tIES& record, const std::string& separator = ".");

} // namespace lumetra::properties
