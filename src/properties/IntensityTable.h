#pragma once
// The stored candela table as a grid: one row per vertical angle (gamma), one column per
// horizontal angle (C), values as the file gives them (the candela multiplier not applied).

#include "data/Photometry.h"

#include <cstddef>
#include <optional>
#include <string>

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
// with commas, "." as decimal separator and CR LF line ends.
std::string TabSeparatedText(const tIES& record, const std::string& separator = ".");
std::string CsvText(const tIES& record);

// "Values as stored; candela = value x 2.5 (the file's candela multiplier)", or a note that the
// multiplier is 1.
std::string MultiplierNote(const tIES& record, const std::string& separator = ".");

} // namespace lumetra::properties
