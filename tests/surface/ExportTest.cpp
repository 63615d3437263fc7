// Saved pictures: the name, format and size a save ends with, white backgrounds, every part of
// the goniogram inside the picture, and the light pattern's own pixels unless scaled.

#include "data/GlobalMax.h"
#include "data/Loading.h"
#include "gonio/GoniogramView.h"
#include "support/QtSupport.h"
#include "support/Samples.h"
#include "surface/GoniogramExport.h"
#include "surface/LightPatternPicture.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace lumetra {
namespace {

using F = ExportFormat;
const std::vector<ExportFormat> kGonio{F::Png, F::Jpeg, F::Svg};
const std::vector<ExportFormat> kRaster{F::Png, F::Jpeg};

tIES Sample(const char* name, GonioView& view) {
    tIES record;
    TextLines fileLines, headerLines;
    LoadPhotometry(test::SamplePath(name), record, fileLines, headerLines, [](const Message&) {});
    long double peak = 0;
    FindGlobalMaxCandela(record, 0, static_cast<int>(record.Candela.size()) - 1, peak);
    view = GoniogramView(0, false, true, peak, ".");
    return record;
}

// The size and reader format of a written file, SVG by its view box.
std::pair<QSize, QByteArray> ReadBack(const QString& fileName) {
    if (fileName.endsWith(".svg", Qt::CaseInsensitive))
        return {QSvgRenderer(fileName).viewBox().size(), "svg"};
    const QImage image(fileName);
    EXPECT_GE(qGray(image.pixel(0, 0)), 250) << "white background";
    return {image.size(), QImageReader::imageFormat(fileName)};
}

TEST(Export, NameFormatAndSizeFollowTheFilterTheNameAndTheRequest) {
    const struct {
        const char* name;
        ExportFormat filter;
        std::vector<ExportFormat> allowed;
        QSize requested;
        const char* written; // empty when refused
        const char* format;
        QSize size;
    } rows[] = {
        {"gonio", F::Png, kGonio, kGoniogramExportSize, "gonio.png", "png", {1000, 1000}},
        {"gonio", F::Jpeg, kGonio, {640, 480}, "gonio.jpg", "jpeg", {640, 480}},
        {"gonio", F::Svg, kGonio, {600, 400}, "gonio.svg", "svg", {600, 400}},
        {"gonio.", F::Png, kGonio, {300, 300}, "gonio.png", "png", {300, 300}},
        {"gonio.jpg", F::Png, kGonio, {300, 300}, "gonio.jpg", "jpeg", {300, 300}},
        {"gonio.JPEG", F::Svg, kGonio, {300, 300}, "gonio.JPEG", "jpeg", {300, 300}},
        {"gonio.Svg", F::Png, kGonio, {300, 300}, "gonio.Svg", "svg", {300, 300}},
        {"lamp.v2", F::Png, kGonio, {300, 300}, "lamp.v2.png", "png", {300, 300}},
        {"huge", F::Png, kGonio, {9000, 1}, "huge.png", "png", {4096, 16}},
        {"gonio.bmp", F::Png, kGonio, {300, 300}, "", "", {}},
        {"lamp.ies", F::Png, kGonio, {300, 300}, "", "", {}},
        {"pattern.svg", F::Png, kRaster, {300, 300}, "", "", {}},
        {"sheet.png", F::Pdf, {F::Pdf}, {}, "", "", {}},
        {"sheet", F::Pdf, {F::Pdf}, {}, "sheet.pdf", "", {}},
    };
    GonioView view;
    const tIES record = Sample("lm1995_pendant_more_crlf.ies", view);
    test::QtTempFolder folder;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString name = folder.filePath(row.name);
        const ExportChoice choice = ChooseExportTarget(name, SaveFilter(row.filter), row.allowed);
        if (*row.written == '\0') {
            EXPECT_FALSE(choice.target);
            EXPECT_TRUE(choice.error.contains(QString("Cannot save as \"%1\"").arg(row.name)))
                << choice.error.toStdString();
            continue;
        }
        ASSERT_TRUE(choice.target) << choice.error.toStdString();
        EXPECT_EQ(choice.target->fileName, folder.filePath(row.written));
        if (choice.target->format == F::Pdf)
            continue;
        ExportGoniogram(*choice.target, ClampedExportSize(row.requested), record, view, "t");
        const auto [size, format] = ReadBack(choice.target->fileName);
        EXPECT_EQ(size, row.size);
        EXPECT_EQ(format, QByteArray(row.format));
    }
}

TEST(Export, EveryPartOfTheGoniogramStaysInsideThePicture) {
    const struct {
        const char* sample;
        QSize picture;
    } rows[] = {{"lm1995_pendant_more_crlf.ies", {307, 307}},
                {"lm2002_roadway_199x38_crlf.ies", {1000, 1000}}, // rings beyond the peak
                {"lm2002_generated_721_planes.ies", {1000, 700}},
                {"lm1986_one_value_per_line_eof_marker.ies", {600, 900}},
                {"lm1986_spotlight_axial.ies", {200, 160}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sample);
        GonioView view;
        const tIES record = Sample(row.sample, view);
        // Drawn in the middle of a larger image, nothing may land outside the picture.
        constexpr int kAround = 100;
        QImage canvas(row.picture + QSize(2 * kAround, 2 * kAround), QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.translate(kAround, kAround);
        PaintGoniogram(painter, row.picture, record, view);
        painter.end();
        const QRect picture(QPoint(kAround, kAround), row.picture);
        int outside = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                outside += !picture.contains(x, y) && canvas.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_EQ(outside, 0);
        // Placed, not shrunk away: the grid spans most of the shorter side.
        const QRect square = GoniogramPlacement(row.picture, record, view);
        EXPECT_GT(square.width(), std::min(row.picture.width(), row.picture.height()) * 3 / 4);
    }
}

TEST(Export, LightPatternKeepsItsComputedPixelsUnlessScaled) {
    QImage picture(kPictureSize, kPictureSize, QImage::Format_RGB32);
    for (int y = 0; y < kPictureSize; ++y)
        for (int x = 0; x < kPictureSize; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    EXPECT_EQ(PictureForExport(picture, picture.size()), picture);
    picture.fill(qRgb(77, 77, 77));
    const QImage wide = PictureForExport(picture, QSize(900, 600));
    EXPECT_EQ(wide.size(), QSize(900, 600));
    EXPECT_EQ(wide.pixel(10, 300), qRgb(255, 255, 255)) << "centred on white";
    EXPECT_EQ(wide.pixel(160, 300), qRgb(77, 77, 77)) << "scaled onto the middle square";
}

} // namespace
} // namespace lumetra
