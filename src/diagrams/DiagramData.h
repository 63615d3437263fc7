#pragma once
// One loaded file as the diagrams read it: the summary's completed grid and interpolant, the
// summary's figures, and the factor from candela to the chosen unit. Curves of plane pairs
// (type C) or lines across the beam (types A and B) come out as series ready to draw.

#include "DiagramTypes.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"
#include "summary/IntensityUnit.h"
#include "summary/PhotometricSummary.h"

#include <string>
#include <vector>

namespace lumetra::diagrams {

using summary::IntensityUnit;

// Type C: the plane pair (angle, angle + 180). Types A and B: the vertical line at H = angle, or
// with across set the horizontal line at V = angle.
struct PlaneChoice {
    double angle = 0;
    bool across = false;
    bool operator==(const PlaneChoice&) const = default;
};

class DiagramData {
  public:
    // Keeps a reference to the record, which must outlive it.
    DiagramData(const tIES& record, const LuminaireFacts& facts);

    bool HasData() const { return hasData_; }
    bool TypeC() const { return typeC_; }
    const summary::PhotometricSummary& Summary() const { return summary_; }
    const summary::IntensityGrid& Grid() const { return grid_.Grid; }

    // cd/klm needs a positive lamp flux; absolute photometry has none.
    bool PerKilolumenAvailable() const;
    // Candela times this is the value in the unit; 1 for candela or without a lamp flux.
    double UnitFactor(IntensityUnit unit) const;
    static const char* UnitName(IntensityUnit unit);

    // The interpolated intensity in cd in a direction: (C, gamma) for type C, (H, V) otherwise.
    double Intensity(double plane, double vertical) const;
    // The interpolant along the grid's vertical angles at one plane angle, in cd.
    tArrEx ProfileAt(double plane) const;
    // The intensities in cd at one plane angle and many vertical angles (0 outside the grid):
    // one profile, then a bracket per angle.
    std::vector<double> ColumnAt(double plane, const std::vector<double>& verticals) const;

    // The C0-C180 and C90-C270 pairs, or the horizontal and the vertical line through the axis.
    std::vector<PlaneChoice> DefaultPlanes() const;
    // "C0-C180", "Horizontal at V 0°", ...
    std::string PlaneLabel(const PlaneChoice& plane) const;
    // The curve of a plane choice in the unit, labelled with PlaneLabel.
    Series PlaneSeries(const PlaneChoice& plane, IntensityUnit unit) const;

  private:
    std::vector<CurvePoint> PairPoints(double c) const;
    std::vector<CurvePoint> LinePoints(const PlaneChoice& plane) const;

    summary::PhotometricSummary summary_;
    summary::SummaryGrid grid_;
    bool hasData_ = false;
    bool typeC_ = true;
};

// Colours and dashes for the first series, the second and so on: distinct on screen and in
// grey print.
Color SeriesColor(std::size_t index);
PenStyle SeriesDash(std::size_t index);

// An angle as the labels show it: "90", "22.5" (at most three decimals).
std::string AngleNumber(double angle);

} // namespace lumetra::diagrams
