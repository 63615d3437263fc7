// lumetra-cli catalogue: one row per photometric file of a folder, as tab-separated text, CSV or
// JSON, read on every core and written in file order.

#include "CommandOptions.h"
#include "Commands.h"
#include "ProgressLine.h"
#include "catalogue/CatalogueExport.h"
#include "catalogue/CatalogueScan.h"
#include "surface/FileNameText.h"
#include "surface/LocaleNumbers.h"
#include "translate/Translations.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <functional>

namespace lumetra::cli {

namespace {

constexpr const char* kCatalogueUsage =
    "Usage: lumetra-cli catalogue FOLDER [--recursive] [--csv|--json] [-o FILE] [--jobs N]\n"
    "                             [--encoding NAME]";

using Format = CatalogueOptions::Format;
using Sink = std::function<void(const std::string&)>;

void AddCatalogueOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption({"r", "recursive"}, "Include subfolders."));
    parser.addOption(QCommandLineOption("csv", "CSV."));
    parser.addOption(QCommandLineOption("json", "JSON."));
    parser.addOption(QCommandLineOption({"o", "output"}, "Output file.", "file"));
    parser.addOption(QCommandLineOption("encoding", "The headers' text encoding.", "name"));
    AddJobsOption(parser);
}

// The rows one by one through the sink, in the chosen format.
void WriteRows(const CatalogueOptions& options, const std::vector<catalogue::RowRequest>& files,
               const Sink& sink) {
    using namespace catalogue;
    ProgressLine progress;
    std::size_t done = 0;
    const properties::NumberFormat shown = Worded(LocaleNumberFormat());
    if (options.format == Format::Json)
        sink("[");
    else
        sink(options.format == Format::Csv ? CsvHeader() : TsvHeader(shown));
    ScanCatalogue(files, {options.jobs, 0, nullptr}, [&](CatalogueRow&& row) {
        if (options.format == Format::Json)
            sink((done == 0 ? "\n" : ",\n") + row.jsonText);
        else
            sink(options.format == Format::Csv ? CsvLine(row) : TsvLine(row, shown));
        progress.Show(++done, files.size());
    });
    progress.Clear();
    if (options.format == Format::Json)
        sink(done == 0 ? "]\n" : "\n]\n");
}

int WriteToFile(const CatalogueOptions& options, const std::vector<catalogue::RowRequest>& files) {
    QSaveFile file(options.output);
    if (!file.open(QIODevice::WriteOnly))
        return Fail("Cannot write " + options.output + ": " + file.errorString());
    WriteRows(options, files, [&file](const std::string& text) {
        file.write(text.data(), static_cast<qint64>(text.size()));
    });
    if (!file.commit()) // also when a write failed on the way
        return Fail("Cannot write " + options.output + ": " + file.errorString());
    return 0;
}

} // namespace

Parsed<CatalogueOptions> ParseCatalogueOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    AddCatalogueOptions(parser);
    if (!parser.parse(QStringList{"lumetra-cli catalogue"} + arguments))
        return Refused<CatalogueOptions>(parser.errorText(), kCatalogueUsage);
    if (parser.positionalArguments().size() != 1)
        return Refused<CatalogueOptions>("catalogue takes exactly one folder.", kCatalogueUsage);
    if (parser.isSet("csv") && parser.isSet("json"))
        return Refused<CatalogueOptions>("Choose --csv or --json, not both.", kCatalogueUsage);
    CatalogueOptions options;
    options.folder = parser.positionalArguments().front();
    options.output = parser.value("o");
    options.recursive = parser.isSet("recursive");
    options.format = parser.isSet("csv")    ? Format::Csv
                     : parser.isSet("json") ? Format::Json
                                            : Format::Tsv;
    if (const auto error = ParseJobs(parser, options.jobs))
        return Refused<CatalogueOptions>(*error, kCatalogueUsage);
    if (const auto error = ParseEncoding(parser, options.encoding))
        return Refused<CatalogueOptions>(*error, kCatalogueUsage);
    return {options, {}};
}

int RunCatalogue(const QStringList& arguments) {
    const Parsed<CatalogueOptions> parsed = ParseCatalogueOptions(arguments);
    if (!parsed.options)
        return Fail(parsed.error) + 1; // a usage error exits with 2
    const CatalogueOptions& options = *parsed.options;
    if (!QFileInfo(options.folder).isDir())
        return Fail("Not a folder: " + options.folder);
    auto files = catalogue::CatalogueFiles(FileNameBytes(options.folder), options.recursive,
                                           options.format == Format::Json);
    for (catalogue::RowRequest& file : files)
        file.encoding = options.encoding;
    if (!options.output.isEmpty())
        return WriteToFile(options, files);
    WriteRows(options, files,
              [](const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); });
    return std::fflush(stdout) == 0 ? 0 : Fail("Cannot write the catalogue to stdout");
}

} // namespace lumetra::cli
