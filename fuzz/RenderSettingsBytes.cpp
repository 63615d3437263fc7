#include "RenderSettingsBytes.h"

namespace lumetra::fuzz {

RenderSettings SettingsFromBytes(std::string_view bytes) {
    RenderSettings settings;
    if (bytes.size() < kSettingsBytes)
        return settings;
    const auto byte = [&bytes](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const unsigned zoomBits = static_cast<unsigned>(byte(1)) << 8 | byte(2);
    if ((byte(3) & 0x80u) == 0) {
        settings.brightness = static_cast<long double>(byte(0) % 100 + 1) / 10;
        settings.zoom = static_cast<long double>(zoomBits % 10000 + 1);
        settings.radiosity = byte(3) & 1;
    } else {
        settings.brightness = static_cast<long double>(static_cast<std::int8_t>(byte(0))) / 10;
        settings.zoom = static_cast<long double>(static_cast<std::int16_t>(zoomBits));
        settings.radiosity = static_cast<int>((byte(3) >> 1) & 3u) - 1;
    }
    return settings;
}

std::string_view FileBytes(std::string_view bytes) {
    return bytes.size() < kSettingsBytes ? std::string_view() : bytes.substr(kSettingsBytes);
}

} // namespace lumetra::fuzz
