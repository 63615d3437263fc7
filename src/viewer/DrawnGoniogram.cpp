#include "DrawnGoniogram.h"

namespace lumetra {

void DrawnGoniogram::GridDrawn(std::uint64_t image) {
    bareGrid_ = image;
    withCurves_.reset();
}

void DrawnGoniogram::CurvesDrawn(const GoniogramScene& scene) {
    const bool overBareGrid = bareGrid_ == scene.image;
    Forget();
    if (overBareGrid)
        withCurves_ = scene;
}

bool DrawnGoniogram::Holds(const GoniogramScene& scene, bool curves) const {
    return curves ? withCurves_ == scene : bareGrid_ == scene.image;
}

void DrawnGoniogram::Forget() {
    bareGrid_.reset();
    withCurves_.reset();
}

} // namespace lumetra
