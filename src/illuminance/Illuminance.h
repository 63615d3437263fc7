#pragma once
// Illuminance from one luminaire, point by point: on the floor below it and on a wall facing it.
//
// Map of this library, from record to figures:
//  1. IlluminanceRequest: mounting height, area, grid step and wall distance, in metres, and
//     what makes them unusable (the area must hold a whole number of steps).
//  2. Illuminance (this header): the record's type C intensities, completed by their symmetry
//     and interpolated exactly as the photometric summary does (summary/IntensityGrid), seen
//     from each grid node: E = I(C, gamma) cos(angle of incidence) / r^2 on the floor
//     (h / r^3) and on the wall (X / r^3). Types A and B carry no installed orientation and
//     are refused.
//  3. PlaneFigures: maximum, minimum, average, uniformity and where the maximum is.
//  4. IlluminanceUnits: metres and lux, or feet and foot-candles, for showing a result.
//  5. GridCsv: a grid as a table for spreadsheets.
// Contour lines of a grid come from src/contours. Axes: x along C0, y along C90, z up; C counts
// counter-clockwise seen from above, gamma from the nadir.

#include "IlluminanceRequest.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"
#include "summary/IntensityGrid.h"

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace lumetra::illuminance {

struct PlaneFigures {
    long double Max = 0;
    long double Min = 0;
    long double Avg = 0;                   // arithmetic mean of every node
    std::optional<long double> MinOverAvg; // none when Avg is 0
    std::array<long double, 2> MaxAt{};    // the first maximum in row order
};

// Illuminance in lx on a square grid of nodes: E[j * U.size() + i] at (U[i], V[j]); rows by
// ascending V. U, V are x, y on the floor and y, z on the wall.
struct PlaneGrid {
    tArrEx U;
    tArrEx V;
    tArrEx E;
    PlaneFigures Figures;

    long double At(std::size_t i, std::size_t j) const { return E[j * U.size() + i]; }
};

struct IlluminanceResult {
    IlluminanceRequest Request;
    std::size_t N = 0; // steps along each side
    PlaneGrid Floor;
    std::optional<PlaneGrid> Wall;
};

// Why a record cannot be computed.
enum class RecordFault { NoPhotometricData, NeedsTypeC };

// The intensity interpolant of a type C record (types other than A and B count as C), or why
// there is none.
std::variant<summary::IntensityGrid, RecordFault> TypeCIntensity(const tIES& record,
                                                                 const LuminaireFacts& facts);

// E at (x, y) on the floor height metres below the luminaire, in lx. A walk over nearby points
// passes the same hints to each call (see summary::IntensityHints).
long double FloorIlluminance(const summary::IntensityGrid& intensity, long double height,
                             long double x, long double y,
                             summary::IntensityHints* hints = nullptr);

// E at (y, z) on the wall x = distance, z measured up from the floor, in lx.
long double WallIlluminance(const summary::IntensityGrid& intensity, long double height,
                            long double distance, long double y, long double z,
                            summary::IntensityHints* hints = nullptr);

// The node coordinates -size/2 + i size/n (centred) or i size/n (from 0), i = 0..n.
tArrEx NodeCoordinates(long double size, std::size_t n, bool centred);

// The floor grid and, when the request names a wall, the wall grid. The request must be usable
// (FaultOf gives none).
IlluminanceResult Calculate(const summary::IntensityGrid& intensity,
                            const IlluminanceRequest& request);

} // namespace lumetra::illuminance
