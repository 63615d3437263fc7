#pragma once
// Render settings taken from the first bytes of a fuzz input; the rest is the file.

#include "render/LightPattern.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumetra::fuzz {

inline constexpr std::size_t kSettingsBytes = 4;

// Byte 0 is the brightness bar's position, bytes 1 and 2 the zoom bar's, bit 0 of byte 3 the
// radiosity box: the ranges the render window offers (brightness 0.1 to 10, zoom 1 to 10000).
// With bit 7 of byte 3 set the same bytes give values no control offers (zero and negative
// brightness and zoom, radiosity -1 to 2), which must end in an error, never in a crash.
// Inputs shorter than the settings use the defaults.
RenderSettings SettingsFromBytes(std::string_view bytes);

// The input without its settings bytes.
std::string_view FileBytes(std::string_view bytes);

} // namespace lumetra::fuzz
