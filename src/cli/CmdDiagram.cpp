// lumetra-cli diagram: a labelled polar, cartesian, isocandela or solid diagram of a file, drawn
// by the same core as the Diagrams window, written as PNG, SVG or PDF.

#include "CommandOptions.h"
#include "Commands.h"
#include "data/Errors.h"
#include "summary/IntensityUnit.h"
#include "surface/DiagramExport.h"
#include "translate/Translations.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

namespace lumetra::cli {

namespace {

constexpr std::size_t kMostPlanes = 4;
constexpr const char* kUsage =
    "Usage: lumetra-cli diagram FILE --kind polar|cartesian|isocandela|solid "
    "-o OUT.png|OUT.svg|OUT.pdf [--planes 0,90] [--unit cd|cdklm] [--log] [--lit-half] "
    "[--step N] [--size W[xH]] [--view AZ,EL]";

std::optional<diagrams::DiagramKind> KindNamed(const QString& name) {
    for (const auto kind : {diagrams::DiagramKind::Polar, diagrams::DiagramKind::Cartesian,
                            diagrams::DiagramKind::Isocandela, diagrams::DiagramKind::Solid})
        if (name == diagrams::KindKey(kind))
            return kind;
    return std::nullopt;
}

std::optional<double> Number(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// "1200x800" or "1000" (square).
std::optional<QSize> PictureSize(const QString& text) {
    const QStringList parts = text.toLower().split('x');
    if (parts.size() > 2)
        return std::nullopt;
    const auto width = IntNumber(parts.front());
    const auto height = IntNumber(parts.back());
    if (!width || !height)
        return std::nullopt;
    const QSize size(*width, *height);
    return ClampedExportSize(size) == size ? std::optional<QSize>(size) : std::nullopt;
}

// "35,20": azimuth and elevation in degrees, the elevation from -90 to 90.
bool ReadView(const QString& text, diagrams::DiagramRequest& request) {
    const QStringList parts = text.split(',');
    if (parts.size() != 2)
        return false;
    const auto azimuth = Number(parts[0]);
    const auto elevation = Number(parts[1]);
    if (!azimuth || !elevation || std::fabs(*elevation) > 90)
        return false;
    request.azimuth = *azimuth;
    request.elevation = *elevation;
    return true;
}

struct DiagramParser {
    QCommandLineParser parser;
    QCommandLineOption output{{"o", "output"}, "Output file (.png, .svg or .pdf).", "file"};
    QCommandLineOption kind{"kind", "polar, cartesian, isocandela or solid.", "K"};
    QCommandLineOption planes{"planes", "Planes, e.g. 0,90.", "list"};
    QCommandLineOption unit{"unit", "cd or cdklm.", "U", "cd"};
    QCommandLineOption log{"log", "Logarithmic intensity axis."};
    QCommandLineOption litHalf{"lit-half", "Only the half space that holds the light."};
    QCommandLineOption step{"step", "Degrees between angle labels.", "N", "30"};
    QCommandLineOption size{"size", "Width and height in pixels.", "WxH", "1000x800"};
    QCommandLineOption view{"view", "Azimuth and elevation in degrees.", "AZ,EL", "35,20"};
    DiagramParser() {
        parser.addOptions({output, kind, planes, unit, log, litHalf, step, size, view});
    }
};

// What the options besides input and output say; an error text or none.
std::optional<QString> ReadRequest(const DiagramParser& p, DiagramCommandOptions& options) {
    diagrams::DiagramRequest& request = options.request;
    const auto kind = KindNamed(p.parser.value(p.kind));
    if (!kind)
        return "--kind takes polar, cartesian, isocandela or solid.";
    request.kind = *kind;
    if (p.parser.isSet(p.planes)) {
        const auto planes = PlaneList(p.parser.value(p.planes));
        if (!planes)
            return "--planes takes up to four angles such as 0,90 (\"V5\": the line at V 5).";
        request.planes = *planes;
    }
    const auto unit = summary::UnitNamed(p.parser.value(p.unit).toLower().toStdString());
    if (!unit)
        return "--unit takes cd or cdklm.";
    request.unit = *unit;
    request.logarithmic = p.parser.isSet(p.log);
    request.litHalfOnly = p.parser.isSet(p.litHalf);
    const auto step = IntNumber(p.parser.value(p.step));
    if (!step || *step < 5 || *step > 90)
        return "--step takes a whole number of degrees from 5 to 90.";
    request.angleStep = *step;
    const auto size = PictureSize(p.parser.value(p.size));
    if (!size)
        return QString("--size takes W or WxH, each from %1 to %2 pixels.")
            .arg(kSmallestExportSide)
            .arg(kLargestExportSide);
    options.size = *size;
    if (!ReadView(p.parser.value(p.view), request))
        return "--view takes the azimuth and the elevation (-90 to 90) in degrees, e.g. 35,20.";
    return std::nullopt;
}

} // namespace

std::optional<std::vector<diagrams::PlaneChoice>> PlaneList(const QString& text) {
    std::vector<diagrams::PlaneChoice> planes;
    for (QString part : text.split(',')) {
        part = part.trimmed().toUpper();
        const bool across = part.startsWith('V');
        if (across || part.startsWith('H'))
            part.remove(0, 1);
        const auto angle = Number(part);
        if (!angle || std::fabs(*angle) > 360 || planes.size() == kMostPlanes)
            return std::nullopt;
        planes.push_back({*angle, across});
    }
    return planes;
}

Parsed<DiagramCommandOptions> ParseDiagramOptions(const QStringList& arguments) {
    DiagramParser p;
    DiagramCommandOptions options;
    QString output;
    if (const auto error = ParseInputAndOutput(p.parser, "diagram", arguments,
                                               {"png", "svg", "pdf"}, options.input, output))
        return Refused<DiagramCommandOptions>(*error, kUsage);
    const ExportChoice choice =
        ChooseExportTarget(output, {}, {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf});
    if (!choice.target)
        return Refused<DiagramCommandOptions>(choice.error, kUsage);
    options.output = *choice.target;
    if (const auto error = ReadRequest(p, options))
        return Refused<DiagramCommandOptions>(*error, kUsage);
    return {options, {}};
}

int RunDiagram(const QStringList& arguments) {
    const Parsed<DiagramCommandOptions> parsed = ParseDiagramOptions(arguments);
    if (!parsed.options)
        return Fail(parsed.error) + 1; // a usage error exits with 2
    DiagramCommandOptions options = *parsed.options;
    tIES record;
    LuminaireFacts facts;
    bool readerMessage = false;
    if (!LoadRecord(options.input, record, facts, &readerMessage))
        return 1;
    const diagrams::DiagramData data(record, facts);
    diagrams::DiagramRequest& request = options.request;
    if (diagrams::UsableUnit(data, request.unit) != request.unit)
        std::fprintf(stderr, "%s gives no lamp flux; the intensities are in cd.\n",
                     qUtf8Printable(options.input));
    const QString name = QFileInfo(options.input).fileName();
    request.wording = TranslatedUtf8; // the picture's words in the user's language
    request.caption = diagrams::DiagramCaption(name.toStdString(), data, request);
    try {
        ExportDiagram(options.output, options.size, data, request,
                      QString::fromStdString(request.caption));
    } catch (const LumetraError& failure) {
        return Fail(ErrorText(failure));
    }
    return readerMessage ? kExitReaderMessage : 0;
}

} // namespace lumetra::cli
