#include "DiagramData.h"

#include "DiagramTexts.h"
#include "gonio/NumberText.h"

#include <algorithm>
#include <cmath>

namespace lumetra::diagrams {

namespace {

constexpr Color kSeriesColors[] = {Rgb(200, 30, 30), Rgb(30, 80, 200), Rgb(20, 140, 60),
                                   Rgb(210, 120, 0)};
constexpr PenStyle kSeriesDashes[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::DashDot,
                                      PenStyle::Dot};

double Finite(long double value) {
    return std::isfinite(value) ? static_cast<double>(value) : 0.0;
}

std::string Replaced(std::string text, const std::string& value) {
    const auto at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

bool Before(const CurvePoint& a, const CurvePoint& b) {
    return a.angle < b.angle;
}

} // namespace

DiagramData::DiagramData(const tIES& record, const LuminaireFacts& facts)
    : summary_(summary::Summarize(record, facts)), hasData_(summary::HasPhotometricData(record)),
      typeC_(summary_.Type == PhotometricKind::C || summary_.Type == PhotometricKind::Unknown) {
    if (hasData_)
        grid_ = summary::SummaryGridOf(record, facts);
}

bool DiagramData::PerKilolumenAvailable() const {
    return summary_.LampFlux && *summary_.LampFlux > 0;
}

double DiagramData::UnitFactor(IntensityUnit unit) const {
    if (unit == IntensityUnit::Candela || !PerKilolumenAvailable())
        return 1;
    return Finite(1000 / *summary_.LampFlux);
}

const char* DiagramData::UnitName(IntensityUnit unit) {
    return summary::UnitName(unit);
}

tArrEx DiagramData::ProfileAt(double plane) const {
    if (!hasData_)
        return {};
    return summary::ProfileAtPlaneAngle(grid_.Grid, plane);
}

double DiagramData::Intensity(double plane, double vertical) const {
    if (!hasData_)
        return 0;
    const tArrEx profile = ProfileAt(plane);
    const summary::Bracket at = summary::BracketOn(grid_.Grid.Verticals.Angles, vertical);
    if (!at.Inside)
        return 0;
    return Finite((1 - at.Fraction) * profile[at.Lower] + at.Fraction * profile[at.Upper]);
}

std::vector<double> DiagramData::ColumnAt(double plane,
                                          const std::vector<double>& verticals) const {
    std::vector<double> column(verticals.size(), 0.0);
    if (!hasData_)
        return column;
    const tArrEx profile = ProfileAt(plane);
    for (std::size_t i = 0; i < verticals.size(); ++i) {
        const summary::Bracket at = summary::BracketOn(grid_.Grid.Verticals.Angles, verticals[i]);
        if (at.Inside)
            column[i] =
                Finite((1 - at.Fraction) * profile[at.Lower] + at.Fraction * profile[at.Upper]);
    }
    return column;
}

std::vector<PlaneChoice> DiagramData::DefaultPlanes() const {
    if (typeC_)
        return {{0, false}, {90, false}};
    return {{0, true}, {0, false}};
}

std::string AngleNumber(double angle) {
    return NumberText(std::round(angle * 1000) / 1000, ".");
}

std::string DiagramData::PlaneLabel(const PlaneChoice& plane) const {
    if (typeC_) {
        const double opposite = std::fmod(plane.angle + 180, 360.0);
        return "C" + AngleNumber(plane.angle) + "-C" + AngleNumber(opposite);
    }
    const std::string angle = AngleNumber(plane.angle) + texts::kDegree;
    return Replaced(plane.across ? texts::kHorizontalLine : texts::kVerticalLine, angle);
}

// Gamma on the plane c, and -gamma on the opposite plane, ascending.
std::vector<CurvePoint> DiagramData::PairPoints(double c) const {
    const tArrEx& gammas = grid_.Grid.Verticals.Angles;
    const tArrEx here = ProfileAt(c);
    const tArrEx opposite = ProfileAt(c + 180);
    std::vector<CurvePoint> points;
    for (std::size_t v = gammas.size(); v-- > 0;)
        if (gammas[v] != 0)
            points.push_back({-Finite(gammas[v]), Finite(opposite[v])});
    for (std::size_t v = 0; v < gammas.size(); ++v)
        points.push_back({Finite(gammas[v]), Finite(here[v])});
    std::stable_sort(points.begin(), points.end(), Before);
    return points;
}

std::vector<CurvePoint> DiagramData::LinePoints(const PlaneChoice& plane) const {
    const summary::IntensityGrid& grid = grid_.Grid;
    const tArrEx& angles = plane.across ? grid.Planes.Angles : grid.Verticals.Angles;
    const tArrEx values = plane.across ? summary::RowAtVerticalAngle(grid, plane.angle)
                                       : summary::ProfileAtPlaneAngle(grid, plane.angle);
    std::vector<CurvePoint> points;
    for (std::size_t i = 0; i < angles.size(); ++i)
        points.push_back({Finite(angles[i]), Finite(values[i])});
    return points;
}

Series DiagramData::PlaneSeries(const PlaneChoice& plane, IntensityUnit unit) const {
    Series series;
    series.label = PlaneLabel(plane);
    if (!hasData_)
        return series;
    series.points = typeC_ ? PairPoints(plane.angle) : LinePoints(plane);
    const double factor = UnitFactor(unit);
    for (CurvePoint& point : series.points)
        point.value *= factor;
    return series;
}

Color SeriesColor(std::size_t index) {
    return kSeriesColors[index % std::size(kSeriesColors)];
}

PenStyle SeriesDash(std::size_t index) {
    return kSeriesDashes[index % std::size(kSeriesDashes)];
}

} // namespace lumetra::diagrams
