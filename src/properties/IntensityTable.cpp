#include "IntensityTable.h"

#include "FigureText.h"

#include <algorithm>

namespace lumetra::properties {

namespace {

std::string GridText(const tIES& record, char delimiter, const std::string& separator,
                     const char* lineEnd) {
    std::string text = "gamma \\ C";
    for (std::size_t c = 0; c < ColumnCount(record); ++c)
        text += delimiter + StoredNumberText(record.HorizontalAngles[c], separator);
    text += lineEnd;
    for (std::size_t r = 0; r < RowCount(record); ++r) {
        text += StoredNumberText(record.VerticalAngles[r], separator);
        for (std::size_t c = 0; c < ColumnCount(record); ++c) {
            const auto value = CellValue(record, {r, c});
            text += delimiter + (value ? StoredNumberText(*value, separator) : std::string());
        }
        text += lineEnd;
    }
    return text;
}

} // namespace

std::size_t RowCount(const tIES& record) {
    return ColumnCount(record) == 0 ? 0 : record.VerticalAngles.size();
}

std::size_t ColumnCount(const tIES& record) {
    return std::min(record.HorizontalAngles.size(), record.Candela.size());
}

std::optional<long double> CellValue(const tIES& record, Cell cell) {
    if (cell.column >= ColumnCount(record) || cell.row >= RowCount(record))
        return std::nullopt;
    const tArrEx& plane = record.Candela[cell.column];
    if (cell.row >= plane.size())
        return std::nullopt;
    return plane[cell.row];
}

std::optional<Cell> MaxCell(const tIES& record) {
    std::optional<Cell> best;
    long double most = 0;
    for (std::size_t c = 0; c < ColumnCount(record); ++c) {
        for (std::size_t r = 0; r < RowCount(record); ++r) {
            const auto value = CellValue(record, {r, c});
            if (value && (!best || *value > most)) {
                best = Cell{r, c};
                most = *value;
            }
        }
    }
    return best;
}

std::string TabSeparatedText(const tIES& record, const std::string& separator) {
    return GridText(record, '\t', separator, "\n");
}

std::string CsvText(const tIES& record) {
    return GridText(record, ',', ".", "\r\n");
}

std::string MultiplierNote(const tIES& record, const std::string& separator) {
    if (record.CandelaMultiplier == 1)
        return "Values as stored; the candela multiplier is 1.";
    return "Values as stored; candela = value \u00d7 " +
           StoredNumberText(record.CandelaMultiplier, separator) +
           " (the file's candela multiplier).";
}

} // namespace lumetra::properties
