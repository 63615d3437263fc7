// lumetra-cli gonio: the grid and goniogram of a file, as the main window draws them, written as
// PNG or SVG.

#include "Commands.h"

#include "data/Errors.h"
#include "data/GlobalMax.h"
#include "data/Loading.h"
#include "data/TextEncoding.h"
#include "gonio/Goniogram.h"
#include "surface/GoniogramExport.h"
#include "viewer/GoniogramView.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <optional>

namespace lumetra::cli {

namespace {

constexpr int kDefaultSize = 400;
constexpr int kLargestSize = 4096; // 64 MB of image at most
constexpr const char* kUsage =
    "Usage: lumetra-cli gonio FILE -o OUT.png|OUT.svg [--plane N] [--fit] [--ortho] [--size S]";

struct GonioOptions {
    QString input;
    QString output;
    int plane = 0;
    int size = kDefaultSize;
    bool fit = false;
    bool ortho = false;
};

// The options, or the text of what is wrong with them.
struct ParsedOptions {
    std::optional<GonioOptions> options;
    QString error;
};

ParsedOptions Invalid(const QString& error) { return {std::nullopt, error + "\n" + kUsage}; }

std::optional<int> WholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

ParsedOptions ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption output({"o", "output"}, "Output file (.png or .svg).", "file");
    const QCommandLineOption plane("plane", "C-plane index.", "N", "0");
    const QCommandLineOption size("size", "Width and height in pixels.", "S",
                                  QString::number(kDefaultSize));
    const QCommandLineOption fit("fit", "Scale to the peak of the drawn planes.");
    const QCommandLineOption ortho("ortho", "Add the orthogonal pair at plane 0.");
    parser.addOptions({output, plane, size, fit, ortho});
    if (!parser.parse(QStringList{"lumetra-cli gonio"} + arguments))
        return Invalid(parser.errorText());

    GonioOptions options;
    if (parser.positionalArguments().size() != 1)
        return Invalid("gonio takes exactly one input file.");
    options.input = parser.positionalArguments().front();
    if (!parser.isSet(output))
        return Invalid("Missing the output file (-o OUT.png or -o OUT.svg).");
    options.output = parser.value(output);
    const QString suffix = QFileInfo(options.output).suffix().toLower();
    if (suffix != "png" && suffix != "svg")
        return Invalid("The output file must end in .png or .svg: " + options.output);

    const auto planeIndex = WholeNumber(parser.value(plane));
    if (!planeIndex)
        return Invalid("--plane takes a whole number, not '" + parser.value(plane) + "'.");
    options.plane = *planeIndex;
    const auto pixels = WholeNumber(parser.value(size));
    if (!pixels || *pixels < 1 || *pixels > kLargestSize)
        return Invalid(QString("--size takes a whole number from 1 to %1, not '%2'.")
                           .arg(kLargestSize)
                           .arg(parser.value(size)));
    options.size = *pixels;
    options.fit = parser.isSet(fit);
    options.ortho = parser.isSet(ortho);
    return {options, {}};
}

// A record with no planes has only position 0, where the window draws the bare grid.
std::optional<QString> PlaneError(const GonioOptions& options, const tIES& record) {
    const int planes = static_cast<int>(record.Candela.size());
    if (options.plane == 0 && planes == 0)
        return std::nullopt;
    if (options.plane >= 0 && options.plane < planes)
        return std::nullopt;
    if (planes == 0)
        return QString("Plane %1 is out of range: %2 has no planes.")
            .arg(options.plane)
            .arg(options.input);
    return QString("Plane %1 is out of range: %2 has planes 0 to %3.")
        .arg(options.plane)
        .arg(options.input)
        .arg(planes - 1);
}

// Without fit, the curves are scaled to the peak of every plane, as after a load in the window.
GonioView ViewOf(const GonioOptions& options, const tIES& record) {
    long double globalMaxCandela = 0;
    if (!options.fit)
        FindGlobalMaxCandela(record, 0, static_cast<int>(record.Candela.size()) - 1,
                             globalMaxCandela);
    return GoniogramView(options.plane, options.fit, options.ortho, globalMaxCandela,
                         QLocale().decimalPoint().toStdString());
}

} // namespace

int RunGonio(const QStringList& arguments) {
    const ParsedOptions parsed = ParseOptions(arguments);
    if (!parsed.options)
        return Fail(parsed.error);
    const GonioOptions& options = *parsed.options;

    tIES record;
    bool readerMessage = false;
    if (!LoadRecord(options.input, record, &readerMessage))
        return 1;
    if (const auto error = PlaneError(options, record))
        return Fail(*error);

    const GonioView view = ViewOf(options, record);
    try {
        ExportGoniogram(options.output, options.size, record, view,
                        "Goniogram of " + QFileInfo(options.input).fileName());
        return readerMessage ? kExitReaderMessage : 0;
    } catch (const LumetraError& error) {
        return Fail(ErrorText(error));
    }
}

} // namespace lumetra::cli
