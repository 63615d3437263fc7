// The diagrams on QPainter: the surface's polygon and text measure, and the picture at a screen
// density.

#include "diagrams/Diagram.h"
#include "support/Records.h"
#include "surface/DiagramExport.h"
#include "surface/QPainterSurface.h"

#include <QImage>
#include <gtest/gtest.h>

namespace lumetra {
namespace {

TEST(DiagramPicture, PolygonsAreFilledWithTheBrush) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainterSurface surface(&image);
    surface.pen = Pen{Rgb(0, 0, 255), 1, PenStyle::Solid};
    surface.brush = Brush{Rgb(0, 0, 255), BrushStyle::Solid};
    surface.Polygon({{5, 5}, {35, 5}, {35, 35}, {5, 35}});
    EXPECT_EQ(image.pixelColor(20, 20), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
}

TEST(DiagramPicture, TextIsMeasuredInTheSurfacesFont) {
    QPainterSurface surface;
    surface.font = Font{"Arial", Rgb(0, 0, 0), -20};
    const TextExtent one = surface.MeasureText("8");
    const TextExtent four = surface.MeasureText("8888");
    EXPECT_GT(one.width, 5);
    EXPECT_NEAR(four.width, 4 * one.width, 2);
    EXPECT_GE(one.height, 20);
    // The core's estimate, used where no metrics exist, is never narrower than the real face.
    EXPECT_GE(EstimatedTextExtent(surface.font, "-180\u00b0").width,
              surface.MeasureText("-180\u00b0").width);
}

TEST(DiagramPicture, DenseScreensGetMorePixelsForTheSameDrawing) {
    tIES record = test::MakeRecord({0, 45, 90}, {{100, 80, 10}}, {0});
    record.CandelaMultiplier = 1;
    LuminaireFacts facts;
    facts.PhotometricType = 1;
    const diagrams::DiagramData data(record, facts);
    const QImage normal = DiagramImage({300, 200}, data, {});
    const QImage dense = DiagramImage({300, 200}, data, {}, 2);
    EXPECT_EQ(normal.size(), QSize(300, 200));
    EXPECT_EQ(dense.size(), QSize(600, 400));
    EXPECT_EQ(dense.pixelColor(1, 1), QColor(Qt::white));
}

} // namespace
} // namespace lumetra
