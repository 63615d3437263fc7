#pragma once
// Small records for the renderer's tests, the sample files loaded as the viewer loads them, and
// the text of the floating-point fault that an operation meets.

#include "data/Errors.h"
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

// The text of the FloatingPointError that operation throws, or "none".
template <typename Operation> std::string FaultText(Operation operation) {
    try {
        operation();
    } catch (const FloatingPointError& error) {
        return error.what();
    }
    return "none";
}

} // namespace lumetra::testing
