#include "RoundLevels.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace lumetra::contours {

namespace {

constexpr double kDecadesDrawn = 3; // the 1-2-5 series goes down to high / 1000
constexpr std::size_t kLeastLogLevels = 3;
constexpr double kEvenStepsWanted = 5;
// A tick within this share of a step from an end is taken as lying on it.
constexpr double kTickTolerance = 1e-9;

// 1, 2, 5 x 10^k in (low, high), descending from high, at most `most`.
std::vector<double> Series125(double low, double high, std::size_t most) {
    const double floor = std::max(low, high / std::pow(10.0, kDecadesDrawn));
    std::vector<double> levels;
    for (int decade = static_cast<int>(std::floor(std::log10(high))); levels.size() < most;
         --decade) {
        const double power = std::pow(10.0, decade);
        for (const double mantissa : {5.0, 2.0, 1.0}) {
            const double level = mantissa * power;
            if (level <= floor || levels.size() >= most)
                return levels;
            if (level < high)
                levels.push_back(level);
        }
    }
    return levels;
}

// The round step (1, 2, 2.5, 5 x 10^k) nearest above span / wanted.
double EvenStep(double span, double wanted = kEvenStepsWanted) {
    const double raw = span / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double mantissa : {1.0, 2.0, 2.5, 5.0})
        if (mantissa * power >= raw)
            return mantissa * power;
    return 10 * power;
}

std::vector<double> EvenLevels(double low, double high) {
    const double step = EvenStep(high - low);
    std::vector<double> levels;
    for (double k = std::floor(low / step) + 1; k * step < high; ++k)
        if (k * step > low)
            levels.push_back(k * step);
    return levels;
}

} // namespace

std::vector<double> RoundLevels(double low, double high, std::size_t most) {
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low) || most == 0)
        return {};
    if (high > 0) {
        std::vector<double> levels = Series125(low, high, most);
        if (levels.size() >= kLeastLogLevels) {
            std::reverse(levels.begin(), levels.end());
            return levels;
        }
    }
    std::vector<double> levels = EvenLevels(low, high);
    if (levels.size() > most)
        levels.erase(levels.begin(), levels.end() - static_cast<std::ptrdiff_t>(most));
    return levels;
}

std::vector<double> EvenTicks(double low, double high, double wanted) {
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low) || !(wanted >= 1))
        return {};
    const double step = EvenStep(high - low, wanted);
    std::vector<double> ticks;
    for (double k = std::ceil(low / step - kTickTolerance);
         k * step <= high + kTickTolerance * step; ++k)
        ticks.push_back(std::fabs(k) < 0.5 ? 0.0 : k * step);
    return ticks;
}

std::string LevelText(double level) {
    const double rounded = level == 0 ? 0 : level;
    std::array<char, 32> buffer{};
    const bool large = std::fabs(rounded) >= 1e6 || (rounded != 0 && std::fabs(rounded) < 1e-3);
    const auto format = large ? std::chars_format::scientific : std::chars_format::fixed;
    const double magnitude = rounded == 0 ? 0 : std::floor(std::log10(std::fabs(rounded)));
    const int decimals = large ? 2 : std::clamp(2 - static_cast<int>(magnitude), 0, 3);
    auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded, format, decimals);
    if (error != std::errc())
        return "?";
    std::string text(buffer.data(), end);
    if (!large && text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

} // namespace lumetra::contours
