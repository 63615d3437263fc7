#include "DiagramSamples.h"
#include "diagrams/DiagramChoices.h"
#include "diagrams/SolidDiagram.h"
#include "support/Records.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace lumetra::diagrams {
namespace {

using test::HasLabel;
using test::LabelFault;
using test::MakeRecord;
using test::RecordingSurface;

// Counts the filled polygons besides recording their outlines.
class PolygonSurface : public RecordingSurface {
  public:
    int polygons = 0;
    void Polygon(const std::vector<SurfacePoint>& corners) override {
        ++polygons;
        RecordingSurface::Polygon(corners);
    }
};

TEST(Solid, DirectionsFollowTheTypesAxes) {
    struct Case {
        bool typeC;
        double plane, vertical;
        Vector3 expected;
    } const cases[] = {
        {true, 0, 0, {0, 0, -1}},  // gamma 0: straight down
        {true, 0, 90, {1, 0, 0}},  // C0 at the horizon
        {true, 90, 90, {0, 1, 0}}, // C90
        {true, 0, 180, {0, 0, 1}}, // straight up
        {false, 0, 0, {1, 0, 0}},  // the beam axis of types A and B
        {false, 90, 0, {0, 1, 0}}, {false, 0, 90, {0, 0, 1}},
    };
    for (const Case& c : cases) {
        const Vector3 d = Direction(c.typeC, c.plane, c.vertical);
        EXPECT_NEAR(d.x, c.expected.x, 1e-12) << c.plane << "/" << c.vertical;
        EXPECT_NEAR(d.y, c.expected.y, 1e-12);
        EXPECT_NEAR(d.z, c.expected.z, 1e-12);
    }
}

TEST(Solid, EachPointLiesAtItsIntensityOverThePeak) {
    tIES record = MakeRecord({0, 90, 180}, {{400, 100, 0}}, {0}); // axial
    record.CandelaMultiplier = 1;
    LuminaireFacts facts;
    facts.PhotometricType = 1;
    const DiagramData data(record, facts);
    const SolidMesh mesh = BuildSolid(data, IntensityUnit::Candela);
    EXPECT_EQ(mesh.peak, 400);
    ASSERT_EQ(mesh.points.size(), mesh.columns * mesh.rows);
    for (std::size_t c = 0; c < mesh.columns; c += 7) {
        const Vector3& down = mesh.points[c];                                  // gamma 0
        const Vector3& side = mesh.points[(mesh.rows / 2) * mesh.columns + c]; // gamma 90
        EXPECT_NEAR(down.z, -1, 1e-12);
        EXPECT_NEAR(std::hypot(side.x, side.y), 0.25, 1e-12);
        EXPECT_NEAR(side.z, 0, 1e-12);
    }
}

TEST(Solid, DrawsShadedQuadsAndMarksTheAxes) {
    const auto& sample = test::Sample("ldt_isym1_19_batwing.ldt");
    const DiagramData data(sample.record, sample.facts);
    const SolidMesh mesh = BuildSolid(data, IntensityUnit::Candela);
    PolygonSurface surface;
    DiagramOptions options;
    DrawSolidDiagram(surface, {0, 0, 800, 700}, mesh, {}, options);
    EXPECT_GT(surface.polygons, 0);
    for (const char* label : {"C0", "C90", "\u03b3 0\u00b0"})
        EXPECT_TRUE(HasLabel(surface, label)) << label;
    EXPECT_EQ(LabelFault(surface, 800, 700), "");
    // Shading: the quads do not all get one colour.
    std::set<Color> colours;
    for (const auto& call : surface.calls)
        if (call.op == test::Op::LineTo)
            colours.insert(call.pen.color);
    EXPECT_GT(colours.size(), 20u);
}

// Only quads facing the viewer are drawn: on a sphere, a view and its opposite one together draw
// each quad exactly once.
TEST(Solid, DrawsTheQuadsFacingTheViewer) {
    tIES record = MakeRecord({0, 90, 180}, {{100, 100, 100}}, {0}); // isotropic
    record.CandelaMultiplier = 1;
    LuminaireFacts facts;
    facts.PhotometricType = 1;
    const SolidMesh mesh = BuildSolid(DiagramData(record, facts), IntensityUnit::Candela);
    const auto drawn = [&mesh](const SolidView& view) {
        PolygonSurface surface;
        DrawSolidDiagram(surface, {0, 0, 800, 700}, mesh, view, {});
        return surface.polygons;
    };
    const int total = int((mesh.columns - 1) * (mesh.rows - 1));
    for (const SolidView& view : {SolidView{35, 20, 1}, SolidView{-100, 55, 1}}) {
        const int front = drawn(view);
        const int back = drawn({view.azimuth + 180, -view.elevation, 1});
        EXPECT_EQ(front + back, total) << view.azimuth;
        EXPECT_NEAR(front, total / 2, total / 10) << view.azimuth;
    }
}

TEST(SolidView, TurningWrapsTheAzimuthAndStopsTheElevationAtThePoles) {
    const SolidView view{170, 80, 1};
    const SolidView turned = Turned(view, 20, 20);
    EXPECT_DOUBLE_EQ(turned.azimuth, -170);
    EXPECT_DOUBLE_EQ(turned.elevation, 90);
    EXPECT_DOUBLE_EQ(Turned(view, -350, -200).azimuth, 180); // -180 is the same view
    EXPECT_DOUBLE_EQ(Turned(view, -350, -200).elevation, -90);
    EXPECT_DOUBLE_EQ(Zoomed(view, 1).zoom, kZoomPerNotch);
    EXPECT_DOUBLE_EQ(Zoomed(view, 100).zoom, kLargestZoom);
    EXPECT_DOUBLE_EQ(Zoomed(view, -100).zoom, kSmallestZoom);
}

TEST(DiagramChoices, PlanesOfferTheDefaultsThenEveryPlaneBelow180) {
    tIES record = MakeRecord({0, 90}, {{1, 1}, {1, 1}, {1, 1}}, {0, 45, 90}); // quadrant
    record.CandelaMultiplier = 1;
    LuminaireFacts facts;
    facts.PhotometricType = 1;
    const auto options = PlaneOptions(DiagramData(record, facts));
    EXPECT_EQ(options, (std::vector<PlaneChoice>{{0}, {90}, {45}, {135}}));
}

} // namespace
} // namespace lumetra::diagrams
