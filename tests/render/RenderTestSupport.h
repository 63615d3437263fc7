#pragma once
// Small records for the renderer's tests, and the sample files loaded as the viewer loads them.

#include "data/Loading.h"
#include "data/Photometry.h"

#include <string>
#include <vector>

namespace lumetra::testing {

// A record whose every plane holds the given values; the plane angles default to a single 0.
inline tIES MakeRecord(tArrEx verticalAngles, std::vector<tArrEx> planes,
                       tArrEx horizontalAngles = {}) {
    tIES record;
    if (horizontalAngles.empty())
        for (std::size_t h = 0; h < planes.size(); ++h)
            horizontalAngles.push_back(static_cast<long double>(h));
    record.VerticalCount = static_cast<std::uint16_t>(verticalAngles.size());
    record.HorizontalCount = static_cast<std::uint16_t>(horizontalAngles.size());
    record.VerticalAngles = std::move(verticalAngles);
    record.HorizontalAngles = std::move(horizontalAngles);
    record.Candela = std::move(planes);
    return record;
}

inline tIES LoadSample(const std::string& name) {
    tIES record;
    TextLines fileLines;
    TextLines headerLines;
    LoadPhotometry(std::string(LUMETRA_SAMPLES_DIR) + "/" + name, record, fileLines, headerLines,
                   nullptr);
    return record;
}

} // namespace lumetra::testing
