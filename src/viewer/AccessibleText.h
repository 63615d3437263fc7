#pragma once
// The words a screen reader says for the controls whose meaning changes with what is loaded:
// the plane selector, the goniogram and the light-pattern picture. UTF-8 text.

#include "gonio/Goniogram.h"
#include "render/RenderBars.h"

#include <string>

namespace lumetra {

// "C 30°": a plane of the record by its horizontal angle; empty for a plane the record lacks.
std::string PlaneName(const tIES& record, int plane, const std::string& decimalSeparator);

// "C plane, C 30°": the plane selector with the plane it selects.
std::string PlaneSelectorName(const tIES& record, int plane, const std::string& decimalSeparator);

// "Goniogram of a.ies: C 30° on the right, C 210° on the left" with the orthogonal pair and the
// fit when they show; "Goniogram: no file loaded" while there is nothing to draw.
std::string GoniogramDescription(const tIES& record, const GonioView& view,
                                 const std::string& fileName);

// "Light pattern of a.ies at C 30°; brightness 15, zoom 9500, radiosity off": what the last
// completed pass shows, with the bars as their labels show them.
std::string LightPatternDescription(const tIES& record, int plane, const RenderControls& controls,
                                    const std::string& fileName,
                                    const std::string& decimalSeparator);

} // namespace lumetra
