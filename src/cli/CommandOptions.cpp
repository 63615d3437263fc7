#include "CommandOptions.h"

#include "compare/Comparison.h"
#include "data/ReadableText.h"
#include "surface/ExportRules.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>

namespace lumetra::cli {

std::optional<long long> WholeNumber(const QString& text) {
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

std::optional<int> IntNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<unsigned> JobsNumber(const QString& text) {
    const auto jobs = WholeNumber(text);
    if (!jobs || *jobs < 1 || *jobs > kMostJobs)
        return std::nullopt;
    return static_cast<unsigned>(*jobs);
}

QString JobsError(const QString& text) {
    return QString("--jobs takes a whole number from 1 to %1: %2").arg(kMostJobs).arg(text);
}

void AddJobsOption(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(kJobsOption, "Files worked on at once.", "n"));
}

std::optional<QString> ParseJobs(const QCommandLineParser& parser, unsigned& jobs) {
    if (!parser.isSet(kJobsOption))
        return std::nullopt;
    const QString text = parser.value(kJobsOption);
    const auto number = JobsNumber(text);
    if (!number)
        return JobsError(text);
    jobs = *number;
    return std::nullopt;
}

namespace {

// "-o OUT.png or -o OUT.svg" and ".png or .svg" from {"png", "svg"}.
QString Joined(const QStringList& suffixes, const QString& before) {
    QStringList parts;
    for (const QString& suffix : suffixes)
        parts << before + suffix;
    return parts.join(" or ");
}

// ParseInputAndOutput without the check of the output's suffix, for a command that settles
// the output name itself.
std::optional<QString> ParseInputAndOutputName(QCommandLineParser& parser, const QString& command,
                                               const QStringList& arguments,
                                               const QStringList& suffixes, QString& input,
                                               QString& output) {
    if (!parser.parse(QStringList{"lumetra-cli " + command} + arguments))
        return parser.errorText();
    if (parser.positionalArguments().size() != 1)
        return command + " takes exactly one input file.";
    input = parser.positionalArguments().front();
    if (!parser.isSet("o"))
        return "Missing the output file (" + Joined(suffixes, "-o OUT.") + ").";
    output = parser.value("o");
    return std::nullopt;
}

constexpr const char* kSummaryUsage = "Usage: lumetra-cli summary FILE [--json]";
constexpr const char* kSheetUsage =
    "Usage: lumetra-cli sheet FILE -o OUT.pdf [--encoding NAME]\n"
    "       lumetra-cli sheet FOLDER -o OUTFOLDER [--encoding NAME] [--force] [--jobs N]";
constexpr const char* kCompareUsage =
    "Usage: lumetra-cli compare A B [C D] [--json] [--unit cd|cdklm]";

// Takes --unit NAME or --unit=NAME out of the arguments; false for a missing or unknown name.
bool TakeUnit(QStringList& arguments, compare::IntensityUnit& unit) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name;
        if (arguments[i] == "--unit" && i + 1 < arguments.size())
            name = arguments.takeAt(i + 1);
        else if (arguments[i].startsWith("--unit="))
            name = arguments[i].mid(7);
        else if (arguments[i] == "--unit")
            return false;
        else
            continue;
        arguments.removeAt(i);
        const auto named = compare::UnitNamed(name.toStdString());
        if (!named)
            return false;
        unit = *named;
        --i;
    }
    return true;
}

constexpr const char* kBugUsage = "Usage: lumetra-cli bug FILE [--front DEG] [--json]";

// A finite number of degrees, "." as the decimal point whatever the locale.
std::optional<long double> Degrees(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<QString> ParseInputAndOutput(QCommandLineParser& parser, const QString& command,
                                           const QStringList& arguments,
                                           const QStringList& suffixes, QString& input,
                                           QString& output) {
    if (auto error = ParseInputAndOutputName(parser, command, arguments, suffixes, input, output))
        return error;
    if (!suffixes.contains(QFileInfo(output).suffix().toLower()))
        return "The output file must end in " + Joined(suffixes, ".") + ": " + output;
    return std::nullopt;
}

std::optional<QString> ParseEncoding(const QCommandLineParser& parser, std::string& encoding) {
    if (!parser.isSet("encoding"))
        return std::nullopt;
    encoding = KnownEncodingName(parser.value("encoding").toStdString());
    if (encoding.empty())
        return "Unknown encoding '" + parser.value("encoding") + "'.";
    return std::nullopt;
}

Parsed<SummaryOptions> ParseSummaryOptions(const QStringList& arguments) {
    QStringList files = arguments;
    const bool json = files.removeAll("--json") > 0;
    if (files.size() != 1 || files.front().startsWith("-"))
        return {std::nullopt, kSummaryUsage};
    return {SummaryOptions{files.front(), json}, {}};
}

Parsed<CompareOptions> ParseCompareOptions(const QStringList& arguments) {
    CompareOptions options;
    options.inputs = arguments;
    options.json = options.inputs.removeAll("--json") > 0;
    if (!TakeUnit(options.inputs, options.unit))
        return {std::nullopt, QString("The unit must be cd or cdklm.\n") + kCompareUsage};
    const bool optionLeft = std::any_of(options.inputs.begin(), options.inputs.end(),
                                        [](const QString& a) { return a.startsWith("-"); });
    const auto count = static_cast<std::size_t>(options.inputs.size());
    if (optionLeft || count < 2 || count > compare::kMaxComparedFiles)
        return {std::nullopt, kCompareUsage};
    return {options, {}};
}

Parsed<BugOptions> ParseBugOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption("front", "Front centre in degrees.", "degrees"));
    parser.addOption(QCommandLineOption("json", "Print JSON."));
    if (!parser.parse(QStringList{"lumetra-cli bug"} + arguments))
        return Refused<BugOptions>(parser.errorText(), kBugUsage);
    if (parser.positionalArguments().size() != 1)
        return Refused<BugOptions>("bug takes exactly one input file.", kBugUsage);
    BugOptions options{parser.positionalArguments().front(), std::nullopt, parser.isSet("json")};
    if (parser.isSet("front")) {
        options.front = Degrees(parser.value("front"));
        if (!options.front)
            return Refused<BugOptions>(
                "The front must be a number of degrees: " + parser.value("front"), kBugUsage);
    }
    return {options, {}};
}

Parsed<SheetOptions> ParseSheetOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption({"o", "output"}, "Output PDF file.", "file"));
    parser.addOption(QCommandLineOption("encoding", "The header's text encoding.", "name"));
    parser.addOption(QCommandLineOption("force", "Replace existing sheets."));
    AddJobsOption(parser);
    SheetOptions options;
    if (const auto error = ParseInputAndOutputName(parser, "sheet", arguments, {"pdf"},
                                                   options.input, options.output))
        return Refused<SheetOptions>(*error, kSheetUsage);
    if (const auto error = ParseEncoding(parser, options.encoding))
        return Refused<SheetOptions>(*error, kSheetUsage);
    if (const auto error = ParseJobs(parser, options.jobs))
        return Refused<SheetOptions>(*error, kSheetUsage);
    options.force = parser.isSet("force");
    options.folder = QFileInfo(options.input).isDir();
    if (options.folder)
        return {options, {}};
    const ExportChoice choice = ChooseExportTarget(options.output, {}, {ExportFormat::Pdf});
    if (!choice.target)
        return Refused<SheetOptions>(choice.error, kSheetUsage);
    options.output = choice.target->fileName;
    return {options, {}};
}

namespace {

constexpr const char* kConvertUsage =
    "Usage: lumetra-cli convert IN -o OUT.ies|OUT.ldt [OPTIONS]\n"
    "       lumetra-cli convert FOLDER -o OUTFOLDER --to ies|ldt [OPTIONS] [--jobs N]";

// A finite positive number, or none.
std::optional<double> PositiveNumber(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

void AddConvertOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption({"o", "output"}, "Output file or folder.", "path"));
    parser.addOption(QCommandLineOption("to", "Format of a folder's files.", "ies|ldt"));
    parser.addOption(QCommandLineOption("ies-version", "IES version.", "2002|2019"));
    parser.addOption(QCommandLineOption("lumens", "Lamp flux to scale to.", "lm"));
    parser.addOption(QCommandLineOption("multiply", "Factor for the intensities.", "k"));
    parser.addOption(QCommandLineOption("rotate", "Turn of the C-planes.", "degrees"));
    parser.addOption(QCommandLineOption("force", "Replace existing output files."));
    parser.addOption(QCommandLineOption("lenient", "Read tabs as blanks."));
    AddJobsOption(parser);
}

// The numeric options; returns what is wrong.
std::optional<QString> ReadConvertNumbers(const QCommandLineParser& parser,
                                          ConvertOptions& options) {
    if (parser.isSet("lumens") && !(options.lumens = PositiveNumber(parser.value("lumens"))))
        return "--lumens takes a positive number of lumens: " + parser.value("lumens");
    if (parser.isSet("multiply")) {
        const auto factor = PositiveNumber(parser.value("multiply"));
        if (!factor)
            return "--multiply takes a positive factor: " + parser.value("multiply");
        options.multiply = *factor;
    }
    if (parser.isSet("rotate")) {
        const auto degrees = IntNumber(parser.value("rotate"));
        if (!degrees || (*degrees != 90 && *degrees != 180 && *degrees != 270))
            return "--rotate takes 90, 180 or 270: " + parser.value("rotate");
        options.rotate = *degrees;
    }
    return ParseJobs(parser, options.jobs);
}

std::optional<QString> ReadConvertChoices(const QCommandLineParser& parser,
                                          ConvertOptions& options) {
    options.to = parser.value("to").toLower();
    if (parser.isSet("to") && options.to != "ies" && options.to != "ldt")
        return "--to takes ies or ldt: " + parser.value("to");
    const QString version = parser.value("ies-version");
    if (parser.isSet("ies-version") && version != "2002" && version != "2019")
        return "--ies-version takes 2002 or 2019: " + version;
    options.iesVersion2019 = version == "2019";
    options.force = parser.isSet("force");
    options.lenient = parser.isSet("lenient");
    return ReadConvertNumbers(parser, options);
}

} // namespace

Parsed<ConvertOptions> ParseConvertOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    AddConvertOptions(parser);
    ConvertOptions options;
    if (const auto error = ParseInputAndOutputName(parser, "convert", arguments, {"ies", "ldt"},
                                                   options.input, options.output))
        return Refused<ConvertOptions>(*error, kConvertUsage);
    if (const auto error = ReadConvertChoices(parser, options))
        return Refused<ConvertOptions>(*error, kConvertUsage);
    return {options, {}};
}

} // namespace lumetra::cli
