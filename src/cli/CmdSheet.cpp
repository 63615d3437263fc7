// lumetra-cli sheet: the one-page PDF data sheet of a file, as the windows write it.

#include "Commands.h"
#include "data/Errors.h"
#include "data/Loading.h"
#include "data/ReadableText.h"
#include "surface/DataSheet.h"
#include "surface/ExportRules.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>
#include <optional>

namespace lumetra::cli {

namespace {

constexpr const char* kUsage = "Usage: lumetra-cli sheet FILE -o OUT.pdf";

struct SheetOptions {
    QString input;
    QString output;
};

// The options, or the usage error; ".pdf" is added to an output name without an extension.
std::optional<SheetOptions> ParseOptions(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    const QCommandLineOption output({"o", "output"}, "Output PDF file.", "file");
    parser.addOption(output);
    if (!parser.parse(QStringList{"lumetra-cli sheet"} + arguments))
        error = parser.errorText();
    else if (parser.positionalArguments().size() != 1)
        error = "sheet takes exactly one input file.";
    else if (!parser.isSet(output))
        error = "Missing the output file (-o OUT.pdf).";
    if (!error.isEmpty())
        return std::nullopt;
    const ExportChoice choice = ChooseExportTarget(parser.value(output), {}, {ExportFormat::Pdf});
    if (!choice.target) {
        error = choice.error;
        return std::nullopt;
    }
    SheetOptions options{parser.positionalArguments().front(), choice.target->fileName};
    return options;
}

} // namespace

int RunSheet(const QStringList& arguments) {
    QString error;
    const auto options = ParseOptions(arguments, error);
    if (!options)
        return Fail(error + "\n" + kUsage) + 1;
    tIES record;
    LuminaireFacts facts;
    TextLines headerLines;
    if (!LoadRecord(options->input, record, facts, headerLines))
        return 1;
    const std::string description =
        BuildDescription(HeaderText(DecodeReadableLines(headerLines).lines));
    try {
        const DataSheetContent sheet =
            MakeDataSheet(options->input, description, record, facts, RenderControls{});
        WriteDataSheet(options->output, sheet, SheetPageSize(QLocale().measurementSystem()));
        return 0;
    } catch (const LumetraError& failure) {
        return Fail(ErrorText(failure));
    }
}

} // namespace lumetra::cli
