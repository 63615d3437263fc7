#include "CommandOptions.h"

#include <QFileInfo>
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

namespace {

// "-o OUT.png or -o OUT.svg" and ".png or .svg" from {"png", "svg"}.
QString Joined(const QStringList& suffixes, const QString& before) {
    QStringList parts;
    for (const QString& suffix : suffixes)
        parts << before + suffix;
    return parts.join(" or ");
}

} // namespace

std::optional<QString> ParseInputAndOutput(QCommandLineParser& parser, const QString& command,
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
    if (!suffixes.contains(QFileInfo(output).suffix().toLower()))
        return "The output file must end in " + Joined(suffixes, ".") + ": " + output;
    return std::nullopt;
}

} // namespace lumetra::cli
