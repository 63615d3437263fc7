#pragma once
// The luminous opening as a solid seen from a direction: its shape from the file's dimensions and
// its area projected on a plane perpendicular to the direction of view.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumetra::compliance {

enum class OpeningShape {
    Point,
    Rectangle,
    Box,
    Disk,
    Ellipse,
    VerticalCylinder,
    VerticalEllipticalCylinder,
    Sphere,
    Ellipsoid,
    HorizontalCylinderX,
    HorizontalCylinderY,
    VerticalDiskNormalX, // the width is 0: the disk faces along x
    VerticalDiskNormalY, // the length is 0: the disk faces along y
    Unknown,
    None, // EULUMDAT: luminous length 0
};

// The shape's name in JSON and text: "point", "rectangle", ..., "vertical disk", "none".
const char* ShapeName(OpeningShape shape);

struct Opening {
    OpeningShape Shape = OpeningShape::Unknown;
    bool Eulumdat = false;
    // Metres, signs as stored (IES); EULUMDAT: length, width (0 = round) and the heights at C0,
    // C90, C180, C270.
    long double Length = 0;
    long double Width = 0;
    long double Height = 0;
    std::array<long double, 4> Heights{};
};

// The opening of a record from its format's dimensions (IES: feet x 0.3048 for units type 1).
Opening OpeningOf(const tIES& record, const LuminaireFacts& facts);

// Named dimensions in metres for JSON and text: IES Length, Width, Height; EULUMDAT Length,
// Width, HeightC0, HeightC90, HeightC180, HeightC270.
std::vector<std::pair<const char*, long double>> DimensionsOf(const Opening& opening);

// The projected area in m^2 seen from (C, gamma) in degrees; empty for a point, an unknown shape
// or no opening.
std::optional<long double> ProjectedArea(const Opening& opening, long double c, long double gamma);

} // namespace lumetra::compliance
