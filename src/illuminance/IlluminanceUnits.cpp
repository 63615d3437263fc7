#include "IlluminanceUnits.h"

namespace lumetra::illuminance {

long double MetresPerUnit(UnitSystem units) {
    return units == UnitSystem::Imperial ? kMetresPerFoot : 1;
}

long double LuxPerUnit(UnitSystem units) {
    return units == UnitSystem::Imperial ? kLuxPerFootCandle : 1;
}

const char* LengthUnit(UnitSystem units) {
    return units == UnitSystem::Imperial ? "ft" : "m";
}

const char* IlluminanceUnit(UnitSystem units) {
    return units == UnitSystem::Imperial ? "fc" : "lx";
}

IlluminanceRequest InMetres(const IlluminanceRequest& shown, UnitSystem units) {
    const long double metres = MetresPerUnit(units);
    IlluminanceRequest request{shown.Height * metres, shown.Size * metres, shown.Step * metres, {}};
    if (shown.Wall)
        request.Wall = *shown.Wall * metres;
    return request;
}

PlaneGrid InUnits(const PlaneGrid& grid, UnitSystem units) {
    if (units == UnitSystem::Metric)
        return grid;
    const long double metres = MetresPerUnit(units);
    const long double lux = LuxPerUnit(units);
    PlaneGrid shown = grid;
    for (long double& u : shown.U)
        u /= metres;
    for (long double& v : shown.V)
        v /= metres;
    for (long double& e : shown.E)
        e /= lux;
    PlaneFigures& f = shown.Figures;
    f.Max /= lux;
    f.Min /= lux;
    f.Avg /= lux;
    f.MaxAt = {f.MaxAt[0] / metres, f.MaxAt[1] / metres};
    return shown;
}

} // namespace lumetra::illuminance
