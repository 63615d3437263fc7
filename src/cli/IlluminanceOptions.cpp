// The options of lumetra-cli illuminance.

#include "CommandOptions.h"
#include "illuminance/IlluminanceText.h"

#include <QFileInfo>
#include <charconv>
#include <cmath>

namespace lumetra::cli {

namespace {

constexpr const char* kUsage = "Usage: lumetra-cli illuminance FILE [--height H] [--size S] "
                               "[--step D] [--wall X] [--json] [-o OUT.png|svg|pdf|csv]";

// A decimal number in extended precision, "." as the decimal point whatever the locale.
std::optional<long double> Decimal(const QString& text) {
    const std::string bytes = text.trimmed().toStdString();
    long double value = 0;
    const auto [end, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    if (bytes.empty() || error != std::errc() || end != bytes.data() + bytes.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

// What is wrong with a usable-looking request, naming the options.
QString RequestError(illuminance::RequestFault fault, const QCommandLineParser& parser) {
    using illuminance::RequestFault;
    switch (fault) {
    case RequestFault::StepsNotWhole:
        return QString("--size %1 is not a whole number of --step %2: the area must hold a whole "
                       "number of grid steps.")
            .arg(parser.value("size"), parser.value("step"));
    case RequestFault::TooManySteps:
        return QString("--size %1 / --step %2 is more than %3 steps.")
            .arg(parser.value("size"), parser.value("step"))
            .arg(illuminance::kMostSteps);
    default:
        return illuminance::RequestFaultText(fault);
    }
}

std::optional<QString> ReadLength(const QCommandLineParser& parser, const char* name,
                                  long double& into) {
    if (!parser.isSet(name))
        return std::nullopt;
    const auto value = Decimal(parser.value(name));
    if (!value)
        return QString("--%1 takes a number in metres, not '%2'.").arg(name, parser.value(name));
    into = *value;
    return std::nullopt;
}

std::optional<QString> ReadLengths(const QCommandLineParser& parser,
                                   illuminance::IlluminanceRequest& request) {
    for (const auto& [name, field] :
         {std::pair{"height", &request.Height}, std::pair{"size", &request.Size},
          std::pair{"step", &request.Step}})
        if (auto error = ReadLength(parser, name, *field))
            return error;
    if (parser.isSet("wall")) {
        long double wall = 0;
        if (auto error = ReadLength(parser, "wall", wall))
            return error;
        request.Wall = wall;
    }
    if (const auto fault = illuminance::FaultOf(request))
        return RequestError(*fault, parser);
    return std::nullopt;
}

std::optional<QString> ReadFiles(const QCommandLineParser& parser, IlluminanceCliOptions& options) {
    if (parser.positionalArguments().size() != 1)
        return QString("illuminance takes exactly one input file.");
    options.input = parser.positionalArguments().front();
    options.json = parser.isSet("json");
    if (!parser.isSet("o"))
        return std::nullopt;
    options.output = parser.value("o");
    const QString suffix = QFileInfo(options.output).suffix().toLower();
    if (!QStringList{"png", "svg", "pdf", "csv"}.contains(suffix))
        return "The output file must end in .png, .svg, .pdf or .csv: " + options.output;
    return std::nullopt;
}

} // namespace

Parsed<IlluminanceCliOptions> ParseIlluminanceOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({{{"o", "output"}, "Output file.", "file"},
                       {"height", "Mounting height in metres.", "H"},
                       {"size", "Side of the square area in metres.", "S"},
                       {"step", "Grid step in metres.", "D"},
                       {"wall", "Distance of the wall along C0 in metres.", "X"},
                       {"json", "Print JSON."}});
    if (!parser.parse(QStringList{"lumetra-cli illuminance"} + arguments))
        return Refused<IlluminanceCliOptions>(parser.errorText(), kUsage);
    IlluminanceCliOptions options;
    if (auto error = ReadFiles(parser, options))
        return Refused<IlluminanceCliOptions>(*error, kUsage);
    if (auto error = ReadLengths(parser, options.request))
        return Refused<IlluminanceCliOptions>(*error, kUsage);
    return {options, {}};
}

} // namespace lumetra::cli
