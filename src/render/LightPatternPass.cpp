#include "LightPatternPass.h"

#include "LeftHalfPlane.h"
#include "PairPeak.h"
#include "data/Errors.h"

#include <string>

namespace lumetra {

namespace {

void CheckPlaneHoldsEveryAngle(const tIES& record, int h) {
    if (static_cast<std::size_t>(h) >= record.Candela.size())
        throw LumetraError("Plane " + std::to_string(h) + " is not in the photometric data");
    if (record.Candela[static_cast<std::size_t>(h)].size() < record.VerticalAngles.size())
        throw LumetraError("Plane " + std::to_string(h) +
                           " holds fewer candela values than there are vertical angles");
}

} // namespace

LightPatternPass PrepareLightPatternPass(const tIES& record, const RenderSettings& settings) {
    if (record.VerticalAngles.empty() || record.HorizontalAngles.empty())
        throw LumetraError("The photometric data holds no vertical angle or no horizontal plane");
    LightPatternPass pass;
    pass.record = &record;
    pass.plane = settings.plane;
    pass.leftPlane = LeftHalfPlane(record.HorizontalAngles, settings.plane);
    CheckPlaneHoldsEveryAngle(record, pass.plane);
    CheckPlaneHoldsEveryAngle(record, pass.leftPlane);
    pass.peak = PairPeak(record, pass.plane, pass.leftPlane);
    pass.window = MakeAngleWindow(record.VerticalAngles);
    pass.search = VerticalSearch(record.VerticalAngles);
    pass.brightness = settings.brightness;
    pass.zoom = settings.zoom;
    pass.radiosity = settings.radiosity;
    return pass;
}

} // namespace lumetra
