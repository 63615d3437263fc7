#include "RenderBars.h"

#include <algorithm>

namespace lumetra {

int ClampToBar(long long position, const BarRange& bar) {
    return static_cast<int>(std::clamp<long long>(position, bar.minimum, bar.maximum));
}

long double BrightnessOf(int brightnessPosition) {
    return static_cast<long double>(brightnessPosition) / 10;
}

int ZoomCaption(int zoomPosition) {
    return kZoomBar.maximum - zoomPosition;
}

RenderSettings RenderSettingsOf(int plane, const RenderControls& controls) {
    RenderSettings settings;
    settings.plane = plane;
    settings.brightness = BrightnessOf(controls.brightness);
    settings.zoom = controls.zoom;
    settings.radiosity = controls.radiosity ? 1 : 0;
    return settings;
}

} // namespace lumetra
