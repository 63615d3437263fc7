#pragma once
// The language Lumetra speaks and the units it measures lengths and illuminance in.
//
// Both follow the user's locale as the C library reads it (LANGUAGE before LC_ALL, LC_MESSAGES
// and LANG for messages; LC_ALL, LC_MEASUREMENT and LANG for units), unless the settings name
// one. A C or POSIX locale means English, as gettext has it, so a machine with no locale set
// shows every text exactly as the English program does. Intensities stay in candela whatever the
// units.

#include "UnitSystem.h"

#include <array>
#include <string>
#include <string_view>

namespace lumetra {

// What the environment says, one member per variable; empty when the variable is unset.
struct LocaleEnvironment {
    std::string language{}; // LANGUAGE: a colon-separated list of preferences
    std::string lcAll{};
    std::string lcMessages{};
    std::string lcMeasurement{};
    std::string lang{};

    static LocaleEnvironment OfProcess();
};

// The languages Lumetra ships, as the translation files name them. "en" is the source text.
inline constexpr std::array<std::string_view, 5> kLanguages = {"en", "de", "fr", "es", "zh_CN"};

// The setting that means "follow the locale" (an empty or unknown setting means the same).
inline constexpr std::string_view kFollowLocale = "auto";

// One of kLanguages: the setting when it names one, otherwise the locale's.
std::string_view ChooseLanguage(const LocaleEnvironment& environment, std::string_view setting);

// The language a locale name ("de_AT.UTF-8@euro", "zh_CN", "C") asks for, if Lumetra has it;
// empty otherwise.
std::string_view LanguageOfLocale(std::string_view localeName);

inline constexpr std::string_view kMetricSetting = "metric";
inline constexpr std::string_view kImperialSetting = "imperial";

// Metric or imperial: the setting when it names one, otherwise the locale's measurement system
// (imperial in the United States, Liberia and Myanmar, as the C library's LC_MEASUREMENT has it).
UnitSystem ChooseUnitSystem(const LocaleEnvironment& environment, std::string_view setting);

} // namespace lumetra
