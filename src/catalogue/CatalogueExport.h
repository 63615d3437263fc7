#pragma once
// Catalogue rows as text for other programs: CSV with the units in the column names,
// tab-separated text for the clipboard, and one JSON object per row.

#include "CatalogueRow.h"
#include "properties/FigureText.h"

#include <string>
#include <vector>

namespace lumetra::catalogue {

// The header line and one line per row, "\r\n"-ended as RFC 4180 has it; numbers without
// grouping, "." as decimal point, empty where undefined.
std::string CsvHeader();
std::string CsvLine(const CatalogueRow& row);

// Header and rows as displayed, tab-separated, "\n"-ended; tabs and line breaks in cells become
// blanks.
std::string TsvHeader(const properties::NumberFormat& format = {});
std::string TsvLine(const CatalogueRow& row, const properties::NumberFormat& format = {});
std::string TsvText(const std::vector<const CatalogueRow*>& rows, // header and rows
                    const properties::NumberFormat& format = {});

// "File", "Status" ("clean", "message", "fails"), "Message" (the reader's message or the
// failure, null when clean), the description fields, and every key of the row's summaryJson.
Json RowJson(const CatalogueRow& row);

// RowJson(row).dump(), with the row's summaryJson moved into the object instead of copied (the
// row keeps none): what the thread that read the row writes into its jsonText.
std::string TakeRowJsonText(CatalogueRow& row);

} // namespace lumetra::catalogue
