#include "ExportRules.h"

#include <QFileInfo>
#include <QRect>
#include <QStringList>
#include <algorithm>
#include <array>

namespace lumetra {

namespace {

struct FormatNames {
    ExportFormat format;
    const char* filter;
    QStringList extensions; // the first is the one added to a name without any
};

const std::array<FormatNames, 4>& Formats() {
    static const std::array<FormatNames, 4> formats{{
        {ExportFormat::Png, "PNG image (*.png)", {"png"}},
        {ExportFormat::Jpeg, "JPEG image (*.jpg *.jpeg)", {"jpg", "jpeg"}},
        {ExportFormat::Svg, "SVG drawing (*.svg)", {"svg"}},
        {ExportFormat::Pdf, "PDF document (*.pdf)", {"pdf"}},
    }};
    return formats;
}

const FormatNames& NamesOf(ExportFormat format) {
    for (const FormatNames& names : Formats())
        if (names.format == format)
            return names;
    return Formats().front();
}

// Extensions that promise content of another kind: pictures this program does not write,
// documents, and the photometric files it reads, which a picture must never replace.
bool NamesAnotherFormat(const QString& suffix) {
    static const QStringList others{"bmp", "gif", "tif", "tiff", "webp", "ppm",  "pgm",  "pbm",
                                    "xbm", "xpm", "ico", "tga",  "jp2",  "heic", "avif", "svgz",
                                    "eps", "ps",  "emf", "wmf",  "ies",  "ldt"};
    return others.contains(suffix);
}

std::optional<ExportFormat> FormatOfSuffix(const QString& suffix) {
    for (const FormatNames& names : Formats())
        if (names.extensions.contains(suffix))
            return names.format;
    return std::nullopt;
}

QString AllowedList(const std::vector<ExportFormat>& allowed) {
    QStringList extensions;
    for (ExportFormat format : allowed)
        extensions << "." + NamesOf(format).extensions.front();
    return extensions.join(", ");
}

ExportChoice Refused(const QString& fileName, const QString& suffix,
                     const std::vector<ExportFormat>& allowed) {
    return {std::nullopt, QString("Cannot save as \"%1\": files ending in .%2 are "
                                  "not written here. Choose a name ending in %3.")
                              .arg(QFileInfo(fileName).fileName(), suffix, AllowedList(allowed))};
}

ExportFormat FormatOfFilter(const QString& filter, const std::vector<ExportFormat>& allowed) {
    for (ExportFormat format : allowed)
        if (filter == NamesOf(format).filter)
            return format;
    return allowed.empty() ? ExportFormat::Png : allowed.front();
}

} // namespace

QString SaveFilter(ExportFormat format) {
    return NamesOf(format).filter;
}

QString SaveFilters(const std::vector<ExportFormat>& formats) {
    QStringList filters;
    for (ExportFormat format : formats)
        filters << SaveFilter(format);
    return filters.join(";;");
}

ExportChoice ChooseExportTarget(const QString& fileName, const QString& selectedFilter,
                                const std::vector<ExportFormat>& allowed) {
    const ExportFormat chosen = FormatOfFilter(selectedFilter, allowed);
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (const auto named = FormatOfSuffix(suffix)) {
        if (std::find(allowed.begin(), allowed.end(), *named) == allowed.end())
            return Refused(fileName, suffix, allowed);
        return {ExportTarget{fileName, *named}, {}};
    }
    if (NamesAnotherFormat(suffix))
        return Refused(fileName, suffix, allowed);
    // No extension, or a dot that is part of the name ("lamp.v2"): the filter's is added.
    const QString separator = fileName.endsWith('.') ? "" : ".";
    return {ExportTarget{fileName + separator + NamesOf(chosen).extensions.front(), chosen}, {}};
}

QSize ClampedExportSize(QSize requested) {
    return QSize(std::clamp(requested.width(), kSmallestExportSide, kLargestExportSide),
                 std::clamp(requested.height(), kSmallestExportSide, kLargestExportSide));
}

QRect CentredSquare(QSize area, int side) {
    return QRect((area.width() - side) / 2, (area.height() - side) / 2, side, side);
}

} // namespace lumetra
