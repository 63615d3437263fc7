#include "LuminousOpening.h"

#include "data/Translatable.h"

namespace lumetra::properties {

namespace {

int Sign(long double value) {
    return (value > 0) - (value < 0);
}

struct SignedShape {
    int width, length, height;
    const char* equalSides; // the two named sides (or all three) equal
    const char* otherwise;
};

// -1 round, 0 none, +1 straight; the pairs compared for equality are those the shape's name
// depends on.
constexpr SignedShape kShapes[] = {
    {0, 0, 0, LUMETRA_TR_NOOP("Properties", "Point"), LUMETRA_TR_NOOP("Properties", "Point")},
    {1, 1, 0, LUMETRA_TR_NOOP("Properties", "Rectangular"),
     LUMETRA_TR_NOOP("Properties", "Rectangular")},
    {1, 1, 1, LUMETRA_TR_NOOP("Properties", "Rectangular with luminous sides"),
     LUMETRA_TR_NOOP("Properties", "Rectangular with luminous sides")},
    {-1, -1, 0, LUMETRA_TR_NOOP("Properties", "Circular"),
     LUMETRA_TR_NOOP("Properties", "Ellipse")},
    {-1, -1, 1, LUMETRA_TR_NOOP("Properties", "Vertical cylinder"),
     LUMETRA_TR_NOOP("Properties", "Vertical ellipsoidal cylinder")},
    {-1, -1, -1, LUMETRA_TR_NOOP("Properties", "Sphere"),
     LUMETRA_TR_NOOP("Properties", "Ellipsoidal spheroid")},
    {-1, 1, -1, LUMETRA_TR_NOOP("Properties", "Horizontal cylinder along photometric horizontal"),
     LUMETRA_TR_NOOP("Properties", "Horizontal ellipsoidal cylinder along photometric horizontal")},
    {1, -1, -1,
     LUMETRA_TR_NOOP("Properties", "Horizontal cylinder perpendicular to photometric horizontal"),
     LUMETRA_TR_NOOP("Properties",
                     "Horizontal ellipsoidal cylinder perpendicular to photometric horizontal")},
    {-1, 0, -1, LUMETRA_TR_NOOP("Properties", "Vertical circle facing photometric horizontal"),
     LUMETRA_TR_NOOP("Properties", "Vertical ellipse facing photometric horizontal")},
    {0, -1, -1,
     LUMETRA_TR_NOOP("Properties",
                     "Vertical circle facing perpendicular to photometric horizontal"),
     LUMETRA_TR_NOOP("Properties",
                     "Vertical ellipse facing perpendicular to photometric horizontal")},
};

// The round sides of a shape are equal when it is a circle, cylinder or sphere.
bool RoundSidesEqual(long double width, long double length, long double height) {
    const int w = Sign(width), l = Sign(length), h = Sign(height);
    if (w < 0 && l < 0 && h < 0)
        return width == length && length == height;
    if (w < 0 && l < 0)
        return width == length;
    if (w < 0 && h < 0)
        return width == height;
    if (l < 0 && h < 0)
        return length == height;
    return true;
}

} // namespace

std::string OpeningShape(long double width, long double length, long double height) {
    for (const SignedShape& shape : kShapes) {
        if (shape.width == Sign(width) && shape.length == Sign(length) &&
            shape.height == Sign(height))
            return RoundSidesEqual(width, length, height) ? shape.equalSides : shape.otherwise;
    }
    return LUMETRA_TR_NOOP("Properties", "Not an LM-63 shape");
}

std::string UnitsName(long double unitsType) {
    if (unitsType == 1)
        return "feet";
    if (unitsType == 2)
        return "meters";
    return "unknown units";
}

} // namespace lumetra::properties
