#include "SummaryText.h"

#include <algorithm>
#include <cstdio>

namespace lumetra::summary {

namespace {

// A figure with its unit; "n/a" when undefined.
std::string Shown(const Figure& figure, const char* unit, long double factor = 1) {
    if (!figure)
        return "n/a";
    char text[64];
    std::snprintf(text, sizeof text, "%.6Lg", *figure * factor);
    std::string shown(text);
    std::replace(shown.begin(), shown.end(), ',', '.');
    return shown + " " + unit;
}

void AddAngles(const PhotometricSummary& s, std::vector<SummaryLine>& lines) {
    const auto names = AngleLineNames(s.Type);
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string line = std::string(" (") + names[i] + ")";
        lines.emplace_back("Beam angle" + line, Shown(s.BeamAngle[i], "degrees"));
        lines.emplace_back("Field angle" + line, Shown(s.FieldAngle[i], "degrees"));
        lines.emplace_back("Beam angle CIE" + line, Shown(s.BeamAngleCIE[i], "degrees"));
        lines.emplace_back("Field angle CIE" + line, Shown(s.FieldAngleCIE[i], "degrees"));
    }
}

} // namespace

std::string TypeName(PhotometricKind type) {
    switch (type) {
    case PhotometricKind::A:
        return "A";
    case PhotometricKind::B:
        return "B";
    case PhotometricKind::C:
        return "C";
    case PhotometricKind::Unknown:
        break;
    }
    return {};
}

std::vector<SummaryLine> SummaryLines(const PhotometricSummary& s) {
    const std::string type = TypeName(s.Type);
    std::vector<SummaryLine> lines{
        {"Photometric type", type.empty() ? "unknown (summarised as C)" : type},
        {"Symmetry", s.Symmetry},
        {"Luminous flux", Shown(s.Flux, "lm")},
        {"Downward flux", Shown(s.DownwardFlux, "lm")},
        {"Upward flux", Shown(s.UpwardFlux, "lm")},
        {"Downward flux fraction", Shown(s.DownwardFluxFraction, "%", 100)}};
    for (std::size_t z = 0; z < kZones.size(); ++z)
        lines.emplace_back(std::string("Zonal flux ") + kZones[z].Name + " degrees",
                           Shown(s.ZonalFlux[z], "lm"));
    lines.emplace_back("Lamp flux", Shown(s.LampFlux, "lm"));
    lines.emplace_back("Light output ratio", Shown(s.LightOutputRatio, "%", 100));
    lines.emplace_back("Input watts", Shown(s.InputWatts, "W"));
    lines.emplace_back("Efficacy", Shown(s.Efficacy, "lm/W"));
    lines.emplace_back("Maximum intensity", Shown(s.MaxIntensity, "cd") + " at C " +
                                                Shown(s.MaxIntensityC, "degrees") + ", gamma " +
                                                Shown(s.MaxIntensityGamma, "degrees"));
    AddAngles(s, lines);
    lines.emplace_back("Stated light output ratio", Shown(s.StatedLightOutputRatio, "%", 100));
    lines.emplace_back("Stated downward flux fraction",
                       Shown(s.StatedDownwardFluxFraction, "%", 100));
    return lines;
}

} // namespace lumetra::summary
