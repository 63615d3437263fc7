#include "OpeningArea.h"

#include "summary/SineCosineMemo.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumetra::compliance {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kMetresPerFoot = 0.3048L;

int Sign(long double value) {
    return (value > 0) - (value < 0);
}

struct SignedShape {
    int L, W, H;
    OpeningShape Equal;     // the round sides equal
    OpeningShape Otherwise; // the round sides differ
};

constexpr SignedShape kIesShapes[] = {
    {0, 0, 0, OpeningShape::Point, OpeningShape::Point},
    {1, 1, 0, OpeningShape::Rectangle, OpeningShape::Rectangle},
    {1, 1, 1, OpeningShape::Box, OpeningShape::Box},
    {0, 1, 1, OpeningShape::Box, OpeningShape::Box},
    {1, 0, 1, OpeningShape::Box, OpeningShape::Box},
    {-1, -1, 0, OpeningShape::Disk, OpeningShape::Ellipse},
    {-1, -1, 1, OpeningShape::VerticalCylinder, OpeningShape::VerticalEllipticalCylinder},
    {-1, -1, -1, OpeningShape::Sphere, OpeningShape::Ellipsoid},
    {1, -1, -1, OpeningShape::HorizontalCylinderX, OpeningShape::HorizontalCylinderX},
    {-1, 1, -1, OpeningShape::HorizontalCylinderY, OpeningShape::HorizontalCylinderY},
    {-1, 0, -1, OpeningShape::VerticalDiskNormalY, OpeningShape::VerticalDiskNormalY},
    {0, -1, -1, OpeningShape::VerticalDiskNormalX, OpeningShape::VerticalDiskNormalX},
};

OpeningShape IesShape(long double l, long double w, long double h) {
    const bool equal = l == w && (Sign(h) >= 0 || w == h);
    for (const SignedShape& shape : kIesShapes)
        if (shape.L == Sign(l) && shape.W == Sign(w) && shape.H == Sign(h))
            return equal ? shape.Equal : shape.Otherwise;
    return OpeningShape::Unknown;
}

OpeningShape EulumdatShape(const Opening& o) {
    if (!(o.Length > 0))
        return OpeningShape::None;
    const bool sides =
        std::any_of(o.Heights.begin(), o.Heights.end(), [](long double h) { return h > 0; });
    if (o.Width > 0)
        return sides ? OpeningShape::Box : OpeningShape::Rectangle;
    return sides ? OpeningShape::VerticalCylinder : OpeningShape::Disk;
}

// The direction's components by absolute value; a cosine or sine of a multiple of 90 degrees is
// exactly 0 so a face seen edge-on has no area.
struct Direction {
    long double X, Y, Z;    // |u_x|, |u_y|, |u_z|
    long double CosC, SinC; // signed, for the EULUMDAT side heights
    long double SinG;
};

long double Snapped(long double value) {
    return std::fabs(value) < 1e-15L ? 0 : value;
}

Direction DirectionOf(long double c, long double gamma) {
    const long double cr = c * kPi / 180, gr = gamma * kPi / 180;
    const summary::SineAndCosine trigC = summary::SineCosineOf(cr);
    const summary::SineAndCosine trigG = summary::SineCosineOf(gr);
    const long double cosC = Snapped(trigC.cos), sinC = Snapped(trigC.sin);
    const long double sinG = Snapped(trigG.sin), cosG = Snapped(trigG.cos);
    return {std::fabs(sinG * cosC), std::fabs(sinG * sinC), std::fabs(cosG), cosC, sinC, sinG};
}

// The IES solids; every dimension by absolute value.
std::optional<long double> IesArea(const Opening& o, const Direction& u) {
    const long double l = std::fabs(o.Length), w = std::fabs(o.Width), h = std::fabs(o.Height);
    switch (o.Shape) {
    case OpeningShape::Rectangle:
        return l * w * u.Z;
    case OpeningShape::Box:
        return l * w * u.Z + w * h * u.X + l * h * u.Y;
    case OpeningShape::Disk:
    case OpeningShape::Ellipse:
        return kPi / 4 * l * w * u.Z;
    case OpeningShape::VerticalCylinder:
    case OpeningShape::VerticalEllipticalCylinder:
        return kPi / 4 * l * w * u.Z + h * std::sqrt(l * l * u.Y * u.Y + w * w * u.X * u.X);
    case OpeningShape::Sphere:
    case OpeningShape::Ellipsoid: {
        const long double a = l / 2, b = w / 2, c = h / 2;
        return kPi * std::sqrt(b * b * c * c * u.X * u.X + a * a * c * c * u.Y * u.Y +
                               a * a * b * b * u.Z * u.Z);
    }
    case OpeningShape::HorizontalCylinderX:
        return 2 * l * std::hypot(w / 2 * u.Z, h / 2 * u.Y) + kPi * w * h / 4 * u.X;
    case OpeningShape::HorizontalCylinderY:
        return 2 * w * std::hypot(l / 2 * u.Z, h / 2 * u.X) + kPi * l * h / 4 * u.Y;
    case OpeningShape::VerticalDiskNormalY:
        return kPi / 4 * l * h * u.Y;
    case OpeningShape::VerticalDiskNormalX:
        return kPi / 4 * w * h * u.X;
    default:
        return std::nullopt;
    }
}

// EULUMDAT: each side seen is the one facing the direction, with its own luminous height.
std::optional<long double> EulumdatArea(const Opening& o, const Direction& u) {
    if (o.Shape == OpeningShape::None)
        return std::nullopt;
    const long double hx = u.CosC >= 0 ? o.Heights[0] : o.Heights[2];
    const long double hy = u.SinC >= 0 ? o.Heights[1] : o.Heights[3];
    if (o.Width > 0)
        return o.Length * o.Width * u.Z + o.Width * hx * u.X + o.Length * hy * u.Y;
    const long double hc = hx * u.CosC * u.CosC + hy * u.SinC * u.SinC;
    return kPi / 4 * o.Length * o.Length * u.Z + o.Length * hc * u.SinG;
}

} // namespace

std::optional<long double> ProjectedArea(const Opening& opening, long double c, long double gamma) {
    const Direction u = DirectionOf(c, gamma);
    return opening.Eulumdat ? EulumdatArea(opening, u) : IesArea(opening, u);
}

const char* ShapeName(OpeningShape shape) {
    switch (shape) {
    case OpeningShape::Point:
        return "point";
    case OpeningShape::Rectangle:
        return "rectangle";
    case OpeningShape::Box:
        return "box";
    case OpeningShape::Disk:
        return "disk";
    case OpeningShape::Ellipse:
        return "ellipse";
    case OpeningShape::VerticalCylinder:
        return "vertical cylinder";
    case OpeningShape::VerticalEllipticalCylinder:
        return "vertical elliptical cylinder";
    case OpeningShape::Sphere:
        return "sphere";
    case OpeningShape::Ellipsoid:
        return "ellipsoid";
    case OpeningShape::HorizontalCylinderX:
        return "horizontal cylinder along x";
    case OpeningShape::HorizontalCylinderY:
        return "horizontal cylinder along y";
    case OpeningShape::VerticalDiskNormalX:
    case OpeningShape::VerticalDiskNormalY:
        return "vertical disk";
    case OpeningShape::None:
        return "none";
    case OpeningShape::Unknown:
        break;
    }
    return "unknown";
}

Opening OpeningOf(const tIES& record, const LuminaireFacts& facts) {
    Opening o;
    if (facts.Format == PhotometricFormat::Eulumdat) {
        o.Eulumdat = true;
        o.Length = std::fabs(facts.Length);
        o.Width = std::max(facts.Width, 0.0L); // a round area is stored with a negative width
        o.Heights = facts.LuminousHeights;
        o.Shape = EulumdatShape(o);
        return o;
    }
    const long double unit = record.UnitsType == 1 ? kMetresPerFoot : 1;
    o.Length = facts.Length * unit;
    o.Width = facts.Width * unit;
    o.Height = facts.Height * unit;
    o.Shape = IesShape(o.Length, o.Width, o.Height);
    return o;
}

std::vector<std::pair<const char*, long double>> DimensionsOf(const Opening& o) {
    if (!o.Eulumdat)
        return {{"Length", o.Length}, {"Width", o.Width}, {"Height", o.Height}};
    return {{"Length", o.Length},         {"Width", o.Width},
            {"HeightC0", o.Heights[0]},   {"HeightC90", o.Heights[1]},
            {"HeightC180", o.Heights[2]}, {"HeightC270", o.Heights[3]}};
}

} // namespace lumetra::compliance
