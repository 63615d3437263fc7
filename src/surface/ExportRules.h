#pragma once
// What a saved picture or data sheet becomes: its format, its file name and its size. Plain rules,
// no drawing, so the save dialogs and lumetra-cli ask the same questions and get the same answers.

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace lumetra {

enum class ExportFormat { Png, Jpeg, Svg, Pdf };

// A goniogram large enough for a report; a window's paint area is about a third of it.
inline constexpr QSize kGoniogramExportSize{1000, 1000};
// Larger pictures would cost hundreds of megabytes for no visible gain.
inline constexpr int kLargestExportSide = 4096;
inline constexpr int kSmallestExportSide = 16;

// "PNG image (*.png)" and the like: one save-dialog filter per format, in the order given.
QString SaveFilter(ExportFormat format);
QString SaveFilters(const std::vector<ExportFormat>& formats);

// Where and how a picture is written.
struct ExportTarget {
    QString fileName;
    ExportFormat format = ExportFormat::Png;
    bool operator==(const ExportTarget&) const = default;
};

// The target, or the text that says why the name cannot be used.
struct ExportChoice {
    std::optional<ExportTarget> target;
    QString error;
};

// The format follows the chosen filter (the first format when the filter is none of them), and
// its extension is added to a name without one. A name whose extension names one of the allowed
// formats is written in that format; one that names any other picture, document or photometric
// format is refused, so that a picture never lands in a file whose name promises something else.
ExportChoice ChooseExportTarget(const QString& fileName, const QString& selectedFilter,
                                const std::vector<ExportFormat>& allowed);

// A requested size with each side kept between the smallest and the largest export side.
QSize ClampedExportSize(QSize requested);

// A square of the given side centred in an area.
QRect CentredSquare(QSize area, int side);

} // namespace lumetra
