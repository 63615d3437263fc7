#include "CatalogueRow.h"

#include "CatalogueTexts.h"
#include "LampText.h"
#include "compliance/BugRating.h"
#include "compliance/ComplianceJson.h"
#include "compliance/LuminanceTable.h"
#include "data/AsciiCase.h"
#include "data/Errors.h"
#include "data/FileReading.h"
#include "data/IesReader.h"
#include "data/Loading.h"
#include "data/ReadableText.h"
#include "data/TextEncoding.h"
#include "eulumdat/Eulumdat.h"
#include "eulumdat/PhotometryFile.h"
#include "eulumdat/ReadingVerdict.h"
#include "properties/SummaryRows.h"
#include "summary/SummaryJson.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <string_view>

namespace lumetra::catalogue {

namespace {

// A keyword's value of the readable (UTF-8) header, trimmed.
std::string Keyword(const char* keyword, const std::string& headerText) {
    return std::string(TrimBlanks(HeaderKeyword(keyword, headerText)));
}

// Every lamp set of an EULUMDAT file, read in the header's encoding, or the header's one lamp
// line when they cannot be read.
std::string EulumdatLamp(const TextLines& fileLines, const std::string& encoding,
                         std::string headerLamp) {
    try {
        std::string sets = LampSetsText(ReadEulumdatHead(fileLines).LampSets);
        return sets.empty() ? headerLamp : DecodeReadableLines({sets}, encoding).lines.front();
    } catch (const LumetraError&) {
        return headerLamp;
    }
}

// The description fields as the viewer shows them: the header decoded in the chosen encoding,
// or in the one guessed for the file.
void Describe(const RowRequest& request, const TextLines& fileLines, const TextLines& headerLines,
              CatalogueRow& row) {
    const ReadableLines readable = DecodeReadableLines(headerLines, request.encoding);
    const std::string headerText = HeaderText(readable.lines);
    row.manufacturer = Keyword("[MANUFAC]", headerText);
    row.catalogueNumber = Keyword("[LUMCAT]", headerText);
    row.luminaire = Keyword("[LUMINAIRE]", headerText);
    row.lamp = Keyword("[LAMP]", headerText);
    if (IsEulumdatFileName(request.path))
        row.lamp = EulumdatLamp(fileLines, readable.encoding, std::move(row.lamp));
}

CatalogueRow Failed(CatalogueRow row, Message why) {
    row.status = RowStatus::Fails;
    row.statusText = ToUtf8(why.English());
    row.statusMessage = std::move(why);
    return row;
}

Message Said(TextId id) {
    const std::string text = Text(id);
    return Message("Catalogue", text.c_str());
}

// A file larger than the catalogue reads is refused by its size alone; anything else that
// cannot be read is left to the loader, which opens regular files only.
Message Refusal(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxCatalogueFileBytes)
        return Said(TextId::TooLarge);
    return {};
}

// The reader's message on one line: its line breaks become blanks.
std::string ReaderMessageLine(const std::string& message) {
    std::string line = ToUtf8(message);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

// The BUG rating and the luminance table, each computed once for the cells and the JSON: the
// JSON is compliance::SummaryJson's, put together from them (the row test holds the two equal).
void AddCompliance(const tIES& record, const LuminaireFacts& facts, bool withJson,
                   CatalogueRow& row) {
    const compliance::BugRating rating = compliance::RateBug(record, facts);
    const compliance::LuminanceTable table = compliance::LuminanceTableOf(record, facts);
    row.bugRating = rating.Figures ? rating.Figures->Rating : rating.Unavailable;
    row.bugRated = rating.Figures.has_value();
    row.maxLuminance65 = compliance::MaxAtGamma(table, kCatalogueLuminanceGamma);
    if (!withJson)
        return;
    row.summaryJson = summary::SummaryJson(record, facts, row.summary);
    row.summaryJson["BUG"] = compliance::BugJson(rating);
    row.summaryJson["Luminance"] = compliance::LuminanceJson(table);
}

// Why the figures of a file the reader flagged are no results, on one line.
Message NotSignificant(const std::string& path, const Message& message) {
    FileReader reader;
    const bool read = reader.Read(path) == FileRead::Whole;
    const ReadingVerdict verdict =
        JudgeReading(path, true, message, read ? reader.bytes() : std::string_view());
    const std::vector<Message> lines = VerdictLines(verdict);
    constexpr std::size_t kMostArguments = 9; // %1 to %9
    std::string pattern;
    for (std::size_t i = 0; i < lines.size() && lines.size() <= kMostArguments; ++i)
        pattern += (i == 0 ? "%" : "; %") + std::to_string(i + 1);
    if (pattern.empty() && !lines.empty()) { // too many to translate one by one: English
        for (const std::string& line : EnglishVerdictLines(verdict))
            pattern += (pattern.empty() ? "" : "; ") + line;
        return Message::Verbatim(pattern);
    }
    Message joined = Message::Verbatim(pattern);
    for (const Message& line : lines)
        joined.Arg(line);
    return joined;
}

} // namespace

CatalogueRow LoadCatalogueRow(const RowRequest& request) {
    CatalogueRow row;
    row.file = request.relative;
    if (Message refusal = Refusal(request.path); !refusal.empty())
        return Failed(std::move(row), std::move(refusal));
    tIES record;
    LuminaireFacts facts;
    TextLines fileLines;
    TextLines headerLines;
    Message message;
    const Notifier notify = [&message](const Message& text) { message = text; };
    bool parseError = false;
    try {
        parseError =
            LoadPhotometryFile(request.path, record, fileLines, headerLines, notify, facts);
    } catch (const LumetraError& error) {
        return Failed(std::move(row), error.message());
    } catch (const std::bad_alloc&) {
        return Failed(std::move(row), Said(TextId::OutOfMemory));
    }
    row.format = ToUtf8(properties::FormatText(request.path, headerLines));
    Describe(request, fileLines, headerLines, row);
    if (parseError) // the figures of a file that did not read completely are no results
        return Failed(std::move(row), NotSignificant(request.path, message));
    if (!summary::HasPhotometricData(record))
        return Failed(std::move(row), Said(TextId::NoPhotometricData));
    row.summary = summary::Summarize(record, facts);
    AddCompliance(record, facts, request.withJson, row);
    row.status = message.empty() ? RowStatus::Clean : RowStatus::ReaderMessage;
    row.statusText = ReaderMessageLine(message.English());
    row.statusMessage = message;
    return row;
}

} // namespace lumetra::catalogue
