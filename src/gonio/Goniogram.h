#pragma once
// The goniogram: grid, intensity scale and plane curves drawn on a drawing surface.

#include "DrawingSurface.h"
#include "data/Message.h"
#include "data/Photometry.h"

#include <string>

namespace lumetra {

// What the main window passes to a drawing of the curves.
struct GonioView {
    int plane = 0;      // the plane selector's position P
    bool fit = false;   // fit toggle down: scale to the peak of the drawn planes
    bool ortho = false; // orthogonal toggle down
    long double globalMaxCandela = 0;
    std::string decimalSeparator = ".";
    Wording wording = nullptr; // the captions' language; none keeps English
    bool operator==(const GonioView&) const = default;
};

// Bounds of the square paint area inside its panel, in panel coordinates.
struct PaintAreaBounds {
    int left = 0;
    int top = 0;
    int size = 0;
    bool operator==(const PaintAreaBounds&) const = default;
};

// Paint-area layout for a panel client size.
PaintAreaBounds PaintAreaLayout(int panelWidth, int panelHeight);

// Clears the paint area of width x height and draws the bare grid.
void ShowGrid(DrawingSurface& canvas, int width, int height);

// Draws scale and curves of the record over a grid just drawn by ShowGrid.
void DrawIES(DrawingSurface& canvas, int width, int height, const tIES& record,
             const GonioView& view);

// The plane drawn on the left when plane s is drawn on the right.
int OppositePlane(const tArrEx& horizontalAngles, int s);

} // namespace lumetra
