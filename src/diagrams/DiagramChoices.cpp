#include "DiagramChoices.h"

#include <algorithm>
#include <cmath>

namespace lumetra::diagrams {

namespace {

void AddOnce(std::vector<PlaneChoice>& choices, const PlaneChoice& choice) {
    if (std::find(choices.begin(), choices.end(), choice) == choices.end())
        choices.push_back(choice);
}

} // namespace

std::vector<PlaneChoice> PlaneOptions(const DiagramData& data) {
    std::vector<PlaneChoice> choices = data.DefaultPlanes();
    if (!data.HasData())
        return choices;
    for (const long double angle : data.Grid().Planes.Angles) {
        const double plane = static_cast<double>(angle);
        if (data.TypeC() ? (plane >= 0 && plane < 180) : plane >= 0)
            AddOnce(choices, {plane, false});
    }
    return choices;
}

SolidView Turned(SolidView view, double azimuthDegrees, double elevationDegrees) {
    double azimuth = std::fmod(view.azimuth + azimuthDegrees, 360.0);
    if (azimuth <= -180)
        azimuth += 360;
    if (azimuth > 180)
        azimuth -= 360;
    view.azimuth = std::isfinite(azimuth) ? azimuth : 0;
    const double elevation = view.elevation + elevationDegrees;
    view.elevation = std::isfinite(elevation) ? std::clamp(elevation, -90.0, 90.0) : 0;
    return view;
}

SolidView Zoomed(SolidView view, double notches) {
    const double zoom = view.zoom * std::pow(kZoomPerNotch, notches);
    view.zoom = std::isfinite(zoom) ? std::clamp(zoom, kSmallestZoom, kLargestZoom) : 1;
    return view;
}

} // namespace lumetra::diagrams
