#include "IntensityTable.h"

#include "FigureText.h"

#include <algorithm>

namespace lumetra::properties {

namespace {

std::string GridText(const tIES& record, char delimiter, const std::string& separator,
                     const char* lineEnd, long double factor) {
    std::string text = "gamma \\ C";
    for (std::size_t c = 0; c < ColumnCount(record); ++c)
        text += delimiter + StoredNumberText(record.HorizontalAngles[c], separator);
    text += lineEnd;
    for (std::size_t r = 0; r < RowCount(record); ++r) {
        text += StoredNumberText(record.VerticalAngles[r], separator);
        for (std::size_t c = 0; c < ColumnCount(record); ++c) {
            const auto value = CellValue(record, {r, c});
            text +=
                delimiter + (value ? StoredNumberText(*value * factor, separator) : std::string());
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

std::string TabSeparatedText(const tIES& record, const std::string& separator, long double factor) {
    return GridText(record, '\t', separator, "\n", factor);
}

std::string CsvText(const tIES& record, long double factor) {
    return GridText(record, ',', ".", "\r\n", factor);
}

std::string MultiplierNote(const tIES& record, const std::string& separator) {
    if (record.CandelaMultiplier == 1)
        return "Values as stored; the candela multiplier is 1.";
    return "Values as stored; candela = value \u00d7 " +
           StoredNumberText(record.CandelaMultiplier, separator) +
           " (the file's candela multiplier).";
}

namespace {

bool PerKilolumenAvailable(const LuminaireFacts& facts) {
    return facts.StatedLampFlux && *facts.StatedLampFlux > 0;
}

} // namespace

std::vector<TableUnit> TableUnits(const LuminaireFacts& facts) {
    if (facts.Format != PhotometricFormat::Eulumdat)
        return {TableUnit::AsStored};
    if (!PerKilolumenAvailable(facts))
        return {TableUnit::Candela};
    return {TableUnit::CandelaPerKilolumen, TableUnit::Candela};
}

const char* TableUnitName(TableUnit unit) {
    switch (unit) {
    case TableUnit::CandelaPerKilolumen:
        return "cd/klm";
    case TableUnit::Candela:
        return "cd";
    case TableUnit::AsStored:
        break;
    }
    return "as stored";
}

// An EULUMDAT record holds candela: the stored cd/klm times the lamp flux in klm.
long double TableFactor(const LuminaireFacts& facts, TableUnit unit) {
    if (unit != TableUnit::CandelaPerKilolumen || !PerKilolumenAvailable(facts))
        return 1;
    return 1000 / *facts.StatedLampFlux;
}

std::string TableNote(const tIES& record, const LuminaireFacts& facts, TableUnit unit,
                      const std::string& separator) {
    const NumberFormat format(separator);
    const std::string flux = FigureText(facts.StatedLampFlux, kLumen, format);
    switch (unit) {
    case TableUnit::CandelaPerKilolumen:
        return "Values in cd/klm, as the file holds them (per 1000 lm of its " + flux +
               " lamp flux).";
    case TableUnit::Candela:
        if (!PerKilolumenAvailable(facts))
            return "Values in cd; the file gives no lamp flux to show its cd/klm by.";
        return "Values in cd: the file's cd/klm times its " + flux + " lamp flux.";
    case TableUnit::AsStored:
        break;
    }
    return MultiplierNote(record, separator);
}

} // namespace lumetra::properties
