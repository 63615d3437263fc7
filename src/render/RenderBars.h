#pragma once
// The render window's brightness and zoom bars: their ranges, starting positions and what a
// position means to the render pass. lumetra-cli takes the same positions.

#include "render/LightPattern.h"

namespace lumetra {

struct BarRange {
    int minimum;
    int maximum;
    int initial; // the position at creation and after a reset
};

inline constexpr BarRange kBrightnessBar{1, 100, 15};
inline constexpr BarRange kZoomBar{1, 10000, 500};

// A bar keeps any position it is given inside its range.
int ClampToBar(long long position, const BarRange& bar);

// B of the render pass: a tenth of the brightness bar's position.
long double BrightnessOf(int brightnessPosition);

// The zoom bar's caption: the bar's maximum minus its position.
int ZoomCaption(int zoomPosition);

// The render window's controls, as positions.
struct RenderControls {
    int brightness = kBrightnessBar.initial;
    int zoom = kZoomBar.initial;
    bool radiosity = false;
};

// What the render pass computes for a plane with these controls.
RenderSettings RenderSettingsOf(int plane, const RenderControls& controls);

} // namespace lumetra
