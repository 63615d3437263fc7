#pragma once
// The light-pattern computation: a 301 x 301 grid of grey levels for one plane of the record.

#include "data/Photometry.h"

#include <array>
#include <cstdint>
#include <functional>

namespace lumetra {

inline constexpr int kPatternSize = 301;
// The progress sink hears of every row whose number is a multiple of this.
inline constexpr int kProgressRowStep = 20;

struct RenderSettings {
    int plane = 0;                 // P, the selected plane index
    long double brightness = 1.5L; // B, the brightness bar's position / 10
    long double zoom = 500;        // Z, the zoom bar's position
    int radiosity = 0;             // R, 1 when radiosity is on
};

// Grey levels by column x (0..300, left to right) and row y (0..300, top to bottom).
struct LightPatternGrid {
    std::array<std::uint8_t, kPatternSize * kPatternSize> grey{};
    std::uint8_t at(int x, int y) const {
        return grey[static_cast<std::size_t>(y * kPatternSize + x)];
    }
    std::uint8_t& at(int x, int y) { return grey[static_cast<std::size_t>(y * kPatternSize + x)]; }
};

// Receives the row number (0, 20, ..., 300) before that row is computed.
using ProgressSink = std::function<void(int row)>;

// Renders the record. Throws FloatingPointError ("Floating point division by zero", ...) when a
// sample meets a floating-point fault; the grid is then incomplete and must not be used.
void RenderLightPattern(const tIES& record, const RenderSettings& settings,
                        const ProgressSink& progress, LightPatternGrid& grid);

} // namespace lumetra
