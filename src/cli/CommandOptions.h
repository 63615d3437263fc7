#pragma once
// The options of lumetra-cli's subcommands: what each one's arguments say, parsed without running
// anything, so the parsing is tested in process. A new subcommand adds its options and its Parse
// function here, its Run function to Commands.h and its row to the table in main.cpp.

#include "compare/IntensityUnit.h"
#include "viewer/RenderBars.h"

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

template <typename Options> Parsed<Options> Refused(const QString& error, const char* usage) {
    return {std::nullopt, error + "\n" + usage};
}

// The text as a whole number, or none.
std::optional<long long> WholeNumber(const QString& text);
// The same, only when it fits an int.
std::optional<int> IntNumber(const QString& text);

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

// check [--json] PATH...; none for a usage error.
struct CheckOptions {
    bool json = false;
    bool help = false;
    QStringList paths;
};
std::optional<CheckOptions> ParseCheckArguments(const QStringList& arguments);

// summary FILE [--json]; --json may stand anywhere. Refused with the usage line alone.
struct SummaryOptions {
    QString input;
    bool json = false;
};
Parsed<SummaryOptions> ParseSummaryOptions(const QStringList& arguments);

// sheet FILE -o OUT.pdf [--encoding NAME]; ".pdf" is added to an output name without an
// extension.
struct SheetOptions {
    QString input;
    QString output;
    std::string encoding; // the header's encoding as iconv names it; empty: guessed
};
Parsed<SheetOptions> ParseSheetOptions(const QStringList& arguments);

// compare A B [C D] [--json] [--unit cd|cdklm]; options may stand anywhere.
struct CompareOptions {
    QStringList inputs;
    bool json = false;
    compare::IntensityUnit unit = compare::IntensityUnit::Candela;
};
Parsed<CompareOptions> ParseCompareOptions(const QStringList& arguments);

} // namespace lumetra::cli
