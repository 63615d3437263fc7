#pragma once
// The options of lumetra-cli's subcommands: what each one's arguments say, parsed without running
// anything, so the parsing is tested in process. A new subcommand adds its options and its Parse
// function here, its Run function to Commands.h and its row to the table in main.cpp.

#include "compare/IntensityUnit.h"
#include "data/Photometry.h"
#include "diagrams/Diagram.h"
#include "illuminance/IlluminanceRequest.h"
#include "render/RenderBars.h"
#include "surface/ExportRules.h"

#include <QCommandLineParser>
#include <QStringList>
#include <optional>
#include <string>

namespace lumetra::cli {

// A subcommand's options, or the text of what is wrong with its arguments, usage line included.
template <typename Options> struct Parsed {
    std::optional<Options> options;
    QString error;
};

template <typename Options> Parsed<Options> Refused(const QString& error, const QString& usage) {
    return {std::nullopt, error + "\n" + usage};
}

// The text as a whole number, or none.
std::optional<long long> WholeNumber(const QString& text);
// The same, only when it fits an int.
std::optional<int> IntNumber(const QString& text);

// --plane N, the same for gonio and render: a plane index from 0 to 65535, the most planes a file
// holds; none for anything else.
std::optional<int> PlaneIndex(const QString& text);
// What is wrong with a --plane value that PlaneIndex refused.
QString PlaneIndexError(const QString& text);
// What is wrong with a plane that the record does not hold, or none; position 0 of a record
// without planes is the bare grid, as in the main window.
std::optional<QString> PlaneRangeError(int plane, const tIES& record, const QString& fileName);

// --jobs N, the same for every batch command: how many files are worked on at once, 1 to
// kMostJobs; 0 (every core) when the option is not given.
inline constexpr unsigned kMostJobs = 256;
inline constexpr const char* kJobsOption = "jobs";
// The value of --jobs, or none when it is not a whole number from 1 to kMostJobs.
std::optional<unsigned> JobsNumber(const QString& text);
// What is wrong with a --jobs value that JobsNumber refused.
QString JobsError(const QString& text);
// Adds --jobs to a subcommand's parser, and reads it into jobs; returns what is wrong.
void AddJobsOption(QCommandLineParser& parser);
std::optional<QString> ParseJobs(const QCommandLineParser& parser, unsigned& jobs);

// Parses the arguments with the parser's options, then takes exactly one input file and the
// output file of -o, whose suffix (any letter case) must be one of the given ones. Returns what
// is wrong, without the usage line.
// The iconv name of --encoding's value (empty when not given), or what is wrong with it.
std::optional<QString> ParseEncoding(const QCommandLineParser& parser, std::string& encoding);

std::optional<QString> ParseInputAndOutput(QCommandLineParser& parser, const QString& command,
                                           const QStringList& arguments,
                                           const QStringList& suffixes, QString& input,
                                           QString& output);

// gonio FILE -o OUT.png|OUT.svg [--plane N] [--fit] [--ortho] [--size S]
struct GonioOptions {
    QString input;
    QString output;
    int plane = 0;
    int size = 400;
    bool fit = false;
    bool ortho = false;
};
Parsed<GonioOptions> ParseGonioOptions(const QStringList& arguments);

// render FILE -o OUT.png [--plane N] [--brightness B] [--zoom Z] [--radiosity]
struct RenderOptions {
    QString input;
    QString output;
    int plane = 0;
    RenderControls controls; // the bars' positions and the radiosity box
};
Parsed<RenderOptions> ParseRenderOptions(const QStringList& arguments);

// check [--json] [--jobs N] PATH...; refused with the usage line (after what is wrong with
// --jobs's value).
struct CheckOptions {
    bool json = false;
    bool help = false;
    unsigned jobs = 0; // 0: every core
    QStringList paths;
};
Parsed<CheckOptions> ParseCheckArguments(const QStringList& arguments);

// summary FILE [--json]; --json may stand anywhere. Refused with the usage line alone.
struct SummaryOptions {
    QString input;
    bool json = false;
};
Parsed<SummaryOptions> ParseSummaryOptions(const QStringList& arguments);

// bug FILE [--front DEG] [--json]; the front centre in degrees, any finite value.
struct BugOptions {
    QString input;
    std::optional<long double> front;
    bool json = false;
};
Parsed<BugOptions> ParseBugOptions(const QStringList& arguments);

// sheet FILE -o OUT.pdf [--encoding NAME]; ".pdf" is added to an output name without an
// extension. sheet FOLDER -o OUTFOLDER [--encoding NAME] [--force] [--jobs N]: one sheet per
// photometric file below FOLDER.
struct SheetOptions {
    QString input;
    QString output;
    std::string encoding; // the header's encoding as iconv names it; empty: guessed
    bool folder = false;  // the input is a folder, the output one too
    bool force = false;   // existing sheets below the output folder are replaced
    unsigned jobs = 0;    // 0: every core
};
Parsed<SheetOptions> ParseSheetOptions(const QStringList& arguments);

// convert IN -o OUT | convert FOLDER -o OUTFOLDER --to ies|ldt, with [--ies-version 2002|2019]
// [--lumens L] [--multiply K] [--rotate 90|180|270] [--force] [--lenient] [--jobs N]. Whether IN
// is a folder is settled when the command runs; here only the arguments are read.
struct ConvertOptions {
    QString input;
    QString output;
    QString to; // "ies", "ldt" or empty
    bool iesVersion2019 = false;
    std::optional<double> lumens;
    double multiply = 1;
    int rotate = 0;
    bool force = false;
    bool lenient = false;
    unsigned jobs = 0; // 0: every core
};
Parsed<ConvertOptions> ParseConvertOptions(const QStringList& arguments);

// compare A B [C D] [--json] [--unit cd|cdklm]; options may stand anywhere.
struct CompareOptions {
    QStringList inputs;
    bool json = false;
    compare::IntensityUnit unit = compare::IntensityUnit::Candela;
};
Parsed<CompareOptions> ParseCompareOptions(const QStringList& arguments);

// catalogue FOLDER [--recursive] [--csv|--json] [-o FILE] [--jobs N]
struct CatalogueOptions {
    enum class Format { Tsv, Csv, Json };
    QString folder;
    QString output; // empty: stdout
    Format format = Format::Tsv;
    bool recursive = false;
    unsigned jobs = 0;    // 0: every core
    std::string encoding; // the headers' encoding as iconv names it; empty: guessed per file
};
Parsed<CatalogueOptions> ParseCatalogueOptions(const QStringList& arguments);

// diagram FILE --kind K -o OUT.png|svg|pdf [--planes A,B] [--unit cd|cdklm] [--log]
// [--lit-half] [--step N] [--size W[xH]] [--view AZ,EL]
struct DiagramCommandOptions {
    QString input;
    ExportTarget output;
    QSize size{1000, 800};
    diagrams::DiagramRequest request;
};
Parsed<DiagramCommandOptions> ParseDiagramOptions(const QStringList& arguments);

// "0,90" as plane choices: a number or "H"-number is a type C plane pair or a type A or B
// vertical line at that H; "V"-number a type A or B horizontal line at that V. At most four.
std::optional<std::vector<diagrams::PlaneChoice>> PlaneList(const QString& text);

// illuminance FILE [--height H] [--size S] [--step D] [--wall X] [--json] [-o OUT]; lengths in
// metres, S / D a whole number; OUT ends in .png, .svg, .pdf or .csv.
struct IlluminanceCliOptions {
    QString input;
    QString output; // empty: no file
    illuminance::IlluminanceRequest request;
    bool json = false;
};
Parsed<IlluminanceCliOptions> ParseIlluminanceOptions(const QStringList& arguments);

} // namespace lumetra::cli
