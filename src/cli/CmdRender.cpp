// lumetra-cli render: the light-pattern picture of a file, as the render window shows it, written
// as an 8-bit grey PNG.

#include "CommandOptions.h"
#include "Commands.h"
#include "data/Errors.h"
#include "data/Loading.h"
#include "data/TextEncoding.h"
#include "render/LightPattern.h"
#include "render/RenderBars.h"
#include "surface/LightPatternPicture.h"
#include "surface/PictureFile.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cstdio>
#include <optional>

namespace lumetra::cli {

namespace {

// "1..100": the positions a bar takes.
QString RangeText(const BarRange& bar) {
    return QString("%1..%2").arg(bar.minimum).arg(bar.maximum);
}

QString Usage() {
    return QString("Usage: lumetra-cli render FILE -o OUT.png [--plane N] [--brightness %1] "
                   "[--zoom %2] [--radiosity]")
        .arg(RangeText(kBrightnessBar), RangeText(kZoomBar));
}

// "Brightness bar position, 1 to 100."
QString PositionHelp(const char* bar, const BarRange& range) {
    return QString("%1 bar position, %2 to %3.").arg(bar).arg(range.minimum).arg(range.maximum);
}

// A bar clamps any position it is given into its range.
std::optional<int> BarPosition(const QString& text, const BarRange& bar) {
    const auto value = WholeNumber(text);
    if (!value)
        return std::nullopt;
    return ClampToBar(*value, bar);
}

} // namespace

Parsed<RenderOptions> ParseRenderOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption output({"o", "output"}, "Output file (.png).", "file");
    const QCommandLineOption plane("plane", "C-plane index.", "N", "0");
    const QCommandLineOption brightness("brightness", PositionHelp("Brightness", kBrightnessBar),
                                        "B", QString::number(kBrightnessBar.initial));
    const QCommandLineOption zoom("zoom", PositionHelp("Zoom", kZoomBar), "Z",
                                  QString::number(kZoomBar.initial));
    const QCommandLineOption radiosity("radiosity", "Add the radiosity term.");
    parser.addOptions({output, plane, brightness, zoom, radiosity});
    RenderOptions options;
    if (const auto error = ParseInputAndOutput(parser, "render", arguments, {"png"}, options.input,
                                               options.output))
        return Refused<RenderOptions>(*error, Usage());
    const auto planeIndex = PlaneIndex(parser.value(plane));
    if (!planeIndex)
        return Refused<RenderOptions>(PlaneIndexError(parser.value(plane)), Usage());
    options.plane = *planeIndex;
    const auto brightnessPosition = BarPosition(parser.value(brightness), kBrightnessBar);
    if (!brightnessPosition)
        return Refused<RenderOptions>(
            "--brightness takes a whole number, not '" + parser.value(brightness) + "'.", Usage());
    options.controls.brightness = *brightnessPosition;
    const auto zoomPosition = BarPosition(parser.value(zoom), kZoomBar);
    if (!zoomPosition)
        return Refused<RenderOptions>(
            "--zoom takes a whole number, not '" + parser.value(zoom) + "'.", Usage());
    options.controls.zoom = *zoomPosition;
    options.controls.radiosity = parser.isSet(radiosity);
    return {options, {}};
}

namespace {

// The window renders nothing for a record without angles or planes; here that is an error.
std::optional<QString> RecordError(const RenderOptions& options, const tIES& record) {
    if (record.VerticalAngles.empty() || record.HorizontalAngles.empty())
        return QString("Nothing to render: %1 has no vertical angles or no planes.")
            .arg(options.input);
    return PlaneRangeError(options.plane, record, options.input);
}

} // namespace

int RunRender(const QStringList& arguments) {
    const Parsed<RenderOptions> parsed = ParseRenderOptions(arguments);
    if (!parsed.options)
        return FailUsage(parsed.error);
    const RenderOptions& options = *parsed.options;

    tIES record;
    bool readerMessage = false;
    if (!LoadRecord(options.input, record, &readerMessage))
        return 1;
    if (const auto error = RecordError(options, record))
        return Fail(*error);

    LightPatternGrid grid;
    try {
        RenderLightPattern(record, RenderSettingsOf(options.plane, options.controls), nullptr,
                           grid);
        WriteImageFile(options.output, PictureOf(grid), "PNG");
    } catch (const LumetraError& error) {
        return Fail(ErrorText(error));
    }
    return readerMessage ? kExitReaderMessage : 0;
}

} // namespace lumetra::cli
