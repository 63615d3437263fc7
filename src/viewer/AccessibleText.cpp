#include "AccessibleText.h"

#include "gonio/Curves.h"
#include "gonio/PointValue.h"

namespace lumetra {

namespace {

bool HasPlane(const tIES& record, int plane) {
    return plane >= 0 && static_cast<std::size_t>(plane) < record.HorizontalAngles.size() &&
           static_cast<std::size_t>(plane) < record.Candela.size();
}

// "C 30° on the right, C 210° on the left", or one plane on both halves.
std::string PairText(const tIES& record, int right, const std::string& separator) {
    const int left = OppositePlane(record.HorizontalAngles, right);
    const std::string rightName = PlaneName(record, right, separator);
    if (left == right)
        return rightName + " on both halves";
    return rightName + " on the right, " + PlaneName(record, left, separator) + " on the left";
}

} // namespace

std::string PlaneName(const tIES& record, int plane, const std::string& decimalSeparator) {
    if (plane < 0 || static_cast<std::size_t>(plane) >= record.HorizontalAngles.size())
        return {};
    return "C " +
           DegreesText(record.HorizontalAngles[static_cast<std::size_t>(plane)], decimalSeparator);
}

std::string PlaneSelectorName(const tIES& record, int plane, const std::string& decimalSeparator) {
    const std::string name = PlaneName(record, plane, decimalSeparator);
    return name.empty() ? "C plane" : "C plane, " + name;
}

std::string GoniogramDescription(const tIES& record, const GonioView& view,
                                 const std::string& fileName) {
    if (fileName.empty() || !HasPlane(record, view.plane))
        return "Goniogram: no file loaded";
    const std::string& separator = view.decimalSeparator;
    std::string text = "Goniogram of " + fileName + ": " + PairText(record, view.plane, separator);
    const int orthogonal = OrthogonalPlane(record.HorizontalAngles);
    if (view.ortho && view.plane == 0 && orthogonal != 0)
        text += "; orthogonal pair " + PairText(record, orthogonal, separator);
    if (view.fit)
        text += "; fitted to the planes shown";
    return text;
}

std::string LightPatternDescription(const tIES& record, int plane, const RenderControls& controls,
                                    const std::string& fileName,
                                    const std::string& decimalSeparator) {
    return "Light pattern of " + fileName + " at " + PlaneName(record, plane, decimalSeparator) +
           "; brightness " + std::to_string(controls.brightness) + ", zoom " +
           std::to_string(ZoomCaption(controls.zoom)) + ", radiosity " +
           (controls.radiosity ? "on" : "off");
}

} // namespace lumetra
