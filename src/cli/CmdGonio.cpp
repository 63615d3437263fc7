// lumetra-cli gonio: the grid and goniogram of a file, as the main window draws them, written as
// PNG or SVG.

#include "CommandOptions.h"
#include "Commands.h"
#include "data/Errors.h"
#include "data/GlobalMax.h"
#include "data/Loading.h"
#include "data/TextEncoding.h"
#include "gonio/Goniogram.h"
#include "gonio/GoniogramView.h"
#include "surface/FileNameText.h"
#include "surface/GoniogramExport.h"
#include "translate/Translations.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>
#include <optional>

namespace lumetra::cli {

namespace {

constexpr const char* kUsage =
    "Usage: lumetra-cli gonio FILE -o OUT.png|OUT.svg [--plane N] [--fit] [--ortho] [--size S]";

} // namespace

Parsed<GonioOptions> ParseGonioOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption output({"o", "output"}, "Output file (.png or .svg).", "file");
    const QCommandLineOption plane("plane", "C-plane index.", "N", "0");
    const QCommandLineOption size("size", "Width and height in pixels.", "S",
                                  QString::number(GonioOptions().size));
    const QCommandLineOption fit("fit", "Scale to the peak of the drawn planes.");
    const QCommandLineOption ortho("ortho", "Add the orthogonal pair at plane 0.");
    parser.addOptions({output, plane, size, fit, ortho});
    GonioOptions options;
    if (const auto error = ParseInputAndOutput(parser, "gonio", arguments, {"png", "svg"},
                                               options.input, options.output))
        return Refused<GonioOptions>(*error, kUsage);
    const auto planeIndex = PlaneIndex(parser.value(plane));
    if (!planeIndex)
        return Refused<GonioOptions>(PlaneIndexError(parser.value(plane)), kUsage);
    options.plane = *planeIndex;
    const auto pixels = IntNumber(parser.value(size));
    if (!pixels || *pixels < kSmallestExportSide || *pixels > kLargestExportSide)
        return Refused<GonioOptions>(QString("--size takes a whole number from %1 to %2, not '%3'.")
                                         .arg(kSmallestExportSide)
                                         .arg(kLargestExportSide)
                                         .arg(parser.value(size)),
                                     kUsage);
    options.size = *pixels;
    options.fit = parser.isSet(fit);
    options.ortho = parser.isSet(ortho);
    return {options, {}};
}

namespace {

// Without fit, the curves are scaled to the peak of every plane, as after a load in the window.
GonioView ViewOf(const GonioOptions& options, const tIES& record) {
    long double globalMaxCandela = 0;
    if (!options.fit)
        FindPeakOfAllPlanes(record, globalMaxCandela);
    GonioView view = GoniogramView(options.plane, options.fit, options.ortho, globalMaxCandela,
                                   DecimalSeparator());
    view.wording = TranslatedUtf8; // the captions in the user's language, as in the window
    return view;
}

} // namespace

int RunGonio(const QStringList& arguments) {
    const Parsed<GonioOptions> parsed = ParseGonioOptions(arguments);
    if (!parsed.options)
        return FailUsage(parsed.error);
    const GonioOptions& options = *parsed.options;

    tIES record;
    bool readerMessage = false;
    if (!LoadRecord(options.input, record, &readerMessage))
        return 1;
    if (const auto error = PlaneRangeError(options.plane, record, options.input))
        return Fail(*error);

    const GonioView view = ViewOf(options, record);
    try {
        ExportGoniogramAsShown(options.output, options.size, record, view,
                               "Goniogram of " + QFileInfo(options.input).fileName());
        return readerMessage ? kExitReaderMessage : 0;
    } catch (const LumetraError& error) {
        return Fail(ErrorText(error));
    }
}

} // namespace lumetra::cli
