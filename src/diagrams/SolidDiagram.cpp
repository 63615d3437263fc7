#include "SolidDiagram.h"

#include "DiagramTexts.h"
#include "Frame.h"
#include "Labels.h"
#include "RoundScale.h"
#include "gonio/Pixels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumetra::diagrams {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr std::size_t kPlaneSteps = 72; // every 5 degrees around
constexpr std::size_t kVerticalSteps = 72;
constexpr double kAxisReach = 1.2; // the marked axes run a little beyond the brightest direction
constexpr Color kAxisColor = Rgb(60, 60, 60);

double Dot(const Vector3& a, const Vector3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vector3 Minus(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vector3 Scaled(const Vector3& a, double factor) {
    return {a.x * factor, a.y * factor, a.z * factor};
}

// The view as a camera: right and up on the screen, and towards the viewer.
struct Camera {
    Vector3 right, up, toward;
    double scale = 1;
    double cx = 0, cy = 0;

    SurfacePoint Screen(const Vector3& p) const {
        return {Rnd(cx + scale * Dot(p, right)), Rnd(cy - scale * Dot(p, up))};
    }
    double Depth(const Vector3& p) const { return Dot(p, toward); }
};

// The axes marked on the solid: C0 (H0), C90 (H90) and the downward axis.
std::vector<Vector3> MarkedAxes(bool typeC) {
    return {Direction(typeC, 0, typeC ? 90 : 0), Direction(typeC, 90, typeC ? 90 : 0), {0, 0, -1}};
}

// The view turned as asked, scaled and centred so the solid and the marked axes fill the area.
Camera CameraFor(const SolidMesh& mesh, const SolidView& view, const Box& area) {
    const double az = view.azimuth * kDegree;
    const double el = std::clamp(view.elevation, -90.0, 90.0) * kDegree;
    Camera camera;
    camera.toward = {std::cos(el) * std::cos(az), std::cos(el) * std::sin(az), std::sin(el)};
    camera.right = {-std::sin(az), std::cos(az), 0};
    camera.up = Cross(camera.toward, camera.right);
    double left = 0, right = 0, bottom = 0, top = 0;
    const auto widen = [&](const Vector3& p) {
        left = std::min(left, Dot(p, camera.right));
        right = std::max(right, Dot(p, camera.right));
        bottom = std::min(bottom, Dot(p, camera.up));
        top = std::max(top, Dot(p, camera.up));
    };
    for (const Vector3& p : mesh.points)
        widen(p);
    for (const Vector3& axis : MarkedAxes(mesh.typeC))
        widen(Scaled(axis, kAxisReach));
    const double fit = std::min(area.width / std::max(right - left, 1e-9),
                                area.height / std::max(top - bottom, 1e-9));
    camera.scale = 0.85 * fit * std::clamp(view.zoom, 0.1, 20.0);
    camera.cx = area.left + area.width / 2.0 - camera.scale * (left + right) / 2;
    camera.cy = area.top + area.height / 2.0 + camera.scale * (bottom + top) / 2;
    return camera;
}

struct Quad {
    std::size_t corner[4];
    Vector3 normal; // outward: the mesh runs C (H) along columns and gamma (V) along rows
    double depth = 0;
};

Color Shaded(const Vector3& normal, const Camera& camera) {
    const double length = std::sqrt(Dot(normal, normal));
    if (length == 0)
        return Rgb(200, 120, 40);
    // A light from the viewer's upper left, a little in front.
    const Vector3 light = Scaled({camera.toward.x * 0.6 + camera.up.x * 0.6 - camera.right.x * 0.5,
                                  camera.toward.y * 0.6 + camera.up.y * 0.6 - camera.right.y * 0.5,
                                  camera.toward.z * 0.6 + camera.up.z * 0.6 - camera.right.z * 0.5},
                                 1 / std::sqrt(0.36 + 0.36 + 0.25));
    const double lit = std::fabs(Dot(normal, light)) / length;
    const double level = 0.3 + 0.7 * lit;
    return Rgb(static_cast<unsigned>(250 * level), static_cast<unsigned>(165 * level),
               static_cast<unsigned>(60 * level));
}

// The quads that face the viewer, back to front. The solid is closed and star-shaped about its
// centre, so a quad facing away is always hidden behind one facing the viewer: leaving those out
// halves the drawing without changing the picture.
std::vector<Quad> SortedQuads(const SolidMesh& mesh, const Camera& camera) {
    std::vector<Quad> quads;
    quads.reserve(mesh.columns * mesh.rows / 2);
    for (std::size_t r = 0; r + 1 < mesh.rows; ++r)
        for (std::size_t c = 0; c + 1 < mesh.columns; ++c) {
            Quad quad{{r * mesh.columns + c, r * mesh.columns + c + 1,
                       (r + 1) * mesh.columns + c + 1, (r + 1) * mesh.columns + c},
                      {},
                      0};
            const Vector3* p[4];
            for (int i = 0; i < 4; ++i)
                p[i] = &mesh.points[quad.corner[i]];
            quad.normal = Cross(Minus(*p[2], *p[0]), Minus(*p[3], *p[1]));
            if (!(Dot(quad.normal, camera.toward) > 0))
                continue;
            for (const Vector3* point : p)
                quad.depth += camera.Depth(*point);
            quads.push_back(quad);
        }
    std::sort(quads.begin(), quads.end(),
              [](const Quad& a, const Quad& b) { return a.depth < b.depth; });
    return quads;
}

void DrawQuads(DrawingSurface& surface, const SolidMesh& mesh, const Camera& camera) {
    std::vector<SurfacePoint> corners(4);
    for (const Quad& quad : SortedQuads(mesh, camera)) {
        for (std::size_t i = 0; i < 4; ++i)
            corners[i] = camera.Screen(mesh.points[quad.corner[i]]);
        const Color colour = Shaded(quad.normal, camera);
        surface.pen = Pen{colour, 1, PenStyle::Solid};
        surface.brush = Brush{colour, BrushStyle::Solid};
        surface.Polygon(corners);
    }
}

// An axis from the centre beyond the solid, with its label at the tip.
void DrawAxis(DrawingSurface& surface, LabelPlacer& labels, const Camera& camera,
              const Vector3& direction, const std::string& name, int width) {
    const SurfacePoint centre = camera.Screen({0, 0, 0});
    const SurfacePoint tip = camera.Screen(Scaled(direction, kAxisReach));
    surface.pen = Pen{kAxisColor, width, PenStyle::Dash};
    surface.MoveTo(centre.x, centre.y);
    surface.LineTo(tip.x, tip.y);
    const HAlign h = tip.x > centre.x + 2 ? HAlign::Left
                                          : (tip.x < centre.x - 2 ? HAlign::Right : HAlign::Centre);
    const VAlign v = tip.y > centre.y + 2
                         ? VAlign::Top
                         : (tip.y < centre.y - 2 ? VAlign::Bottom : VAlign::Middle);
    labels.Place(name, tip.x, tip.y, h, v, true);
}

} // namespace

Vector3 Direction(bool typeC, double plane, double vertical) {
    const double p = plane * kDegree;
    const double v = vertical * kDegree;
    if (typeC) // gamma from the downward axis, C from C0 towards C90
        return {std::sin(v) * std::cos(p), std::sin(v) * std::sin(p), -std::cos(v)};
    // H about the vertical axis, V above the horizontal, the beam along x.
    return {std::cos(v) * std::cos(p), std::cos(v) * std::sin(p), std::sin(v)};
}

SolidMesh BuildSolid(const DiagramData& data, IntensityUnit unit) {
    SolidMesh mesh;
    mesh.typeC = data.TypeC();
    if (!data.HasData())
        return mesh;
    const double planeFrom = mesh.typeC ? 0 : -180;
    const double verticalFrom = mesh.typeC ? 0 : -90;
    mesh.columns = kPlaneSteps + 1;
    mesh.rows = kVerticalSteps + 1;
    std::vector<double> verticals(mesh.rows);
    for (std::size_t r = 0; r < mesh.rows; ++r)
        verticals[r] = verticalFrom + 180.0 * double(r) / double(kVerticalSteps);
    std::vector<double> values(mesh.columns * mesh.rows, 0.0);
    const double factor = data.UnitFactor(unit);
    for (std::size_t c = 0; c < mesh.columns; ++c) {
        const double plane = planeFrom + 360.0 * double(c) / double(kPlaneSteps);
        const std::vector<double> column = data.ColumnAt(plane, verticals);
        for (std::size_t r = 0; r < mesh.rows; ++r) {
            values[r * mesh.columns + c] = std::max(0.0, column[r] * factor);
            mesh.peak = std::max(mesh.peak, values[r * mesh.columns + c]);
        }
    }
    mesh.points.resize(values.size());
    const double scale = mesh.peak > 0 ? 1 / mesh.peak : 0;
    for (std::size_t r = 0; r < mesh.rows; ++r)
        for (std::size_t c = 0; c < mesh.columns; ++c) {
            const double plane = planeFrom + 360.0 * double(c) / double(kPlaneSteps);
            mesh.points[r * mesh.columns + c] = Scaled(Direction(mesh.typeC, plane, verticals[r]),
                                                       values[r * mesh.columns + c] * scale);
        }
    return mesh;
}

void DrawSolidDiagram(DrawingSurface& surface, const Box& picture, const SolidMesh& mesh,
                      const SolidView& view, const DiagramOptions& options) {
    LabelPlacer labels(surface, picture);
    const Frame frame = DrawFrame(surface, labels, picture, {}, options);
    const Camera camera = CameraFor(mesh, view, frame.drawing);
    const std::string peak = texts::Words(options.wording, texts::kSolidPeak) + " " +
                             ValueText(mesh.peak) + " " + options.unit;
    labels.Place(peak, frame.drawing.left, frame.drawing.top, HAlign::Left, VAlign::Top);
    DrawQuads(surface, mesh, camera);
    const int width = std::max(1, frame.lineWidth);
    const std::vector<Vector3> axes = MarkedAxes(mesh.typeC);
    const char* const names[] = {mesh.typeC ? "C0" : "H0", mesh.typeC ? "C90" : "H90",
                                 mesh.typeC ? "\u03b3 0\u00b0" : "V -90\u00b0"};
    for (std::size_t i = 0; i < axes.size(); ++i)
        DrawAxis(surface, labels, camera, axes[i], names[i], width);
}

} // namespace lumetra::diagrams
