#include "CatalogueExport.h"

#include "CatalogueColumns.h"
#include "data/TextEncoding.h"

#include <algorithm>

namespace lumetra::catalogue {

namespace {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

// A numeric cell for other programs: the displayed digits, ungrouped, with a decimal point.
std::string CsvCell(const CatalogueRow& row, const ColumnInfo& info) {
    if (!info.numeric)
        return CsvField(CellText(row, info.column));
    if (!NumberOf(row, info.column))
        return {};
    return CellText(row, info.column, properties::NumberFormat(".", ""));
}

std::string TsvCell(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

const char* StatusCode(RowStatus status) {
    switch (status) {
    case RowStatus::Clean:
        return "clean";
    case RowStatus::ReaderMessage:
        return "message";
    case RowStatus::Fails:
        break;
    }
    return "fails";
}

} // namespace

std::string CsvHeader() {
    std::string line;
    for (const ColumnInfo& info : Columns())
        line += (line.empty() ? "" : ",") + CsvField(info.header);
    return line + "\r\n";
}

std::string CsvLine(const CatalogueRow& row) {
    std::string line;
    for (const ColumnInfo& info : Columns())
        line += (info.column == Column::File ? "" : ",") + CsvCell(row, info);
    return line + "\r\n";
}

std::string TsvHeader(const properties::NumberFormat& format) {
    std::string text;
    for (const ColumnInfo& info : Columns())
        text += (info.column == Column::File ? "" : "\t") +
                format.Words(Message("Catalogue", info.header));
    return text + '\n';
}

std::string TsvLine(const CatalogueRow& row, const properties::NumberFormat& format) {
    std::string text;
    for (const ColumnInfo& info : Columns())
        text +=
            (info.column == Column::File ? "" : "\t") + TsvCell(CellText(row, info.column, format));
    return text + '\n';
}

std::string TsvText(const std::vector<const CatalogueRow*>& rows,
                    const properties::NumberFormat& format) {
    std::string text = TsvHeader(format);
    for (const CatalogueRow* row : rows)
        text += TsvLine(*row, format);
    return text;
}

namespace {

void AddRowKeys(const CatalogueRow& row, Json& json) {
    json["File"] = ToUtf8(row.file); // a name need not be UTF-8
    json["Status"] = StatusCode(row.status);
    json["Message"] = row.status == RowStatus::Clean ? Json(nullptr) : Json(row.statusText);
    json["Format"] = row.format;
    json["Manufacturer"] = row.manufacturer;
    json["CatalogueNumber"] = row.catalogueNumber;
    json["Luminaire"] = row.luminaire;
    json["Lamp"] = row.lamp;
}

} // namespace

Json RowJson(const CatalogueRow& row) {
    Json json = row.summaryJson.is_object() ? row.summaryJson : Json::object();
    AddRowKeys(row, json);
    return json;
}

std::string TakeRowJsonText(CatalogueRow& row) {
    Json json = row.summaryJson.is_object() ? std::move(row.summaryJson) : Json::object();
    row.summaryJson = Json();
    AddRowKeys(row, json);
    return json.dump();
}

} // namespace lumetra::catalogue
