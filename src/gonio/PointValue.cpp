#include "PointValue.h"

#include "Goniogram.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {

long double OneDecimal(long double value) {
    return std::nearbyintl(value * 10) / 10;
}

} // namespace

std::string DegreesText(long double angle, const std::string& decimalSeparator) {
    return NumberText(OneDecimal(angle), decimalSeparator) + "\u00B0";
}

std::optional<long double> IntensityAt(const tArrEx& verticalAngles, const tArrEx& values,
                                       long double gamma) {
    const std::size_t n = std::min(verticalAngles.size(), values.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (verticalAngles[i] == gamma)
            return values[i];
        if (i + 1 == n)
            break;
        const long double a = verticalAngles[i];
        const long double b = verticalAngles[i + 1];
        if (std::min(a, b) < gamma && gamma < std::max(a, b))
            return values[i] + (gamma - a) / (b - a) * (values[i + 1] - values[i]);
    }
    return std::nullopt;
}

std::optional<PointValue> ValueAtPoint(const tIES& record, int plane, int width, int height, int x,
                                       int y) {
    const int planes =
        static_cast<int>(std::min(record.Candela.size(), record.HorizontalAngles.size()));
    if (plane < 0 || plane >= planes || record.VerticalAngles.empty())
        return std::nullopt;
    const int cx = width / 2;
    const int cy = height / 2;
    const int shownPlane = x < cx ? OppositePlane(record.HorizontalAngles, plane) : plane;
    if (shownPlane < 0 || shownPlane >= planes)
        return std::nullopt;

    PointValue value;
    value.planeAngle = record.HorizontalAngles[static_cast<std::size_t>(shownPlane)];
    const long double dx = std::fabs(static_cast<long double>(x - cx));
    const long double dy = static_cast<long double>(y - cy);
    value.gamma = std::atan2(dx, dy) * 180 / 3.14159265358979323846264338327950288L;
    const auto [low, high] =
        std::minmax_element(record.VerticalAngles.begin(), record.VerticalAngles.end());
    value.lowestAngle = *low;
    value.highestAngle = *high;
    value.intensity = IntensityAt(
        record.VerticalAngles, record.Candela[static_cast<std::size_t>(shownPlane)], value.gamma);
    return value;
}

std::string PointValueText(const PointValue& value, const std::string& decimalSeparator,
                           Wording wording) {
    std::string text = "C " + DegreesText(value.planeAngle, decimalSeparator) + "  \u03B3 " +
                       DegreesText(value.gamma, decimalSeparator) + "  ";
    if (value.intensity)
        return text + NumberText(OneDecimal(*value.intensity), decimalSeparator) + " cd";
    const Message outside = LUMETRA_MESSAGE("Goniogram", "outside the stored angles (%1 to %2)")
                                .Arg(DegreesText(value.lowestAngle, decimalSeparator))
                                .Arg(DegreesText(value.highestAngle, decimalSeparator));
    return text + (wording ? wording(outside) : outside.English());
}

} // namespace lumetra
