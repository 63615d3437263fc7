#include "LanguageChoice.h"

#include <algorithm>
#include <cstdlib>

namespace lumetra {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name); // NOLINT(concurrency-mt-unsafe): read at start-up
    return value != nullptr ? std::string(value) : std::string();
}

// The first of the variables that is set, as the C library picks a category's locale.
std::string_view FirstSet(std::initializer_list<std::string_view> values) {
    for (const std::string_view value : values)
        if (!value.empty())
            return value;
    return {};
}

bool IsPlainC(std::string_view locale) {
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

// "de_AT.UTF-8@euro" -> {"de", "AT"}.
struct LocaleParts {
    std::string_view language;
    std::string_view territory;
};

LocaleParts SplitLocale(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    const std::size_t underscore = name.find('_');
    if (underscore == std::string_view::npos)
        return {name, {}};
    return {name.substr(0, underscore), name.substr(underscore + 1)};
}

} // namespace

LocaleEnvironment LocaleEnvironment::OfProcess() {
    return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"),
            Variable("LC_MEASUREMENT"), Variable("LANG")};
}

std::string_view LanguageOfLocale(std::string_view localeName) {
    const LocaleParts parts = SplitLocale(localeName);
    if (parts.language == "zh") // Simplified Chinese only: Taiwan and Hong Kong write Traditional
        return parts.territory.empty() || parts.territory == "CN" || parts.territory == "SG"
                   ? "zh_CN"
                   : "";
    for (const std::string_view language : kLanguages)
        if (language == parts.language)
            return language;
    return {};
}

std::string_view ChooseLanguage(const LocaleEnvironment& environment, std::string_view setting) {
    if (const auto* named = std::find(kLanguages.begin(), kLanguages.end(), setting);
        named != kLanguages.end())
        return *named;
    const std::string_view messages =
        FirstSet({environment.lcAll, environment.lcMessages, environment.lang});
    if (IsPlainC(messages))
        return kLanguages.front(); // gettext ignores LANGUAGE under the C locale, and so do we
    std::string_view preferences = environment.language;
    while (!preferences.empty()) {
        const std::size_t colon = preferences.find(':');
        const std::string_view language = LanguageOfLocale(preferences.substr(0, colon));
        if (!language.empty())
            return language;
        preferences = colon == std::string_view::npos ? "" : preferences.substr(colon + 1);
    }
    const std::string_view language = LanguageOfLocale(messages);
    return language.empty() ? kLanguages.front() : language;
}

UnitSystem ChooseUnitSystem(const LocaleEnvironment& environment, std::string_view setting) {
    if (setting == kMetricSetting)
        return UnitSystem::Metric;
    if (setting == kImperialSetting)
        return UnitSystem::Imperial;
    const std::string_view territory =
        SplitLocale(FirstSet({environment.lcAll, environment.lcMeasurement, environment.lang}))
            .territory;
    const bool imperial = territory == "US" || territory == "LR" || territory == "MM";
    return imperial ? UnitSystem::Imperial : UnitSystem::Metric;
}

} // namespace lumetra
