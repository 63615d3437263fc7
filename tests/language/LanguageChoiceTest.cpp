#include "language/LanguageChoice.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

struct LanguageCase {
    LocaleEnvironment environment;
    std::string_view setting;
    std::string_view expected;
};

TEST(LanguageChoice, FollowsTheSettingThenLanguageThenTheMessagesLocale) {
    const LanguageCase cases[] = {
        {{}, "", "en"},                                           // nothing set
        {{.lang = "de_DE.UTF-8"}, "", "de"},                      // LANG alone
        {{.lang = "de_DE.UTF-8"}, "auto", "de"},                  // "auto" follows the locale
        {{.lang = "de_DE.UTF-8"}, "fr", "fr"},                    // the setting wins
        {{.lang = "de_DE.UTF-8"}, "klingon", "de"},               // an unknown setting is ignored
        {{.lcAll = "es_ES.UTF-8", .lang = "de_DE"}, "", "es"},    // LC_ALL before LANG
        {{.lcMessages = "fr_CA", .lang = "de_DE"}, "", "fr"},     // LC_MESSAGES before LANG
        {{.language = "zh_CN:de", .lang = "de_DE"}, "", "zh_CN"}, // LANGUAGE first
        {{.language = "pt_BR:es", .lang = "de_DE"}, "", "es"},    // first language Lumetra has
        {{.language = "en_GB:de", .lang = "de_DE"}, "", "en"},    // English asked for first
        {{.language = "de", .lang = "C.UTF-8"}, "", "en"},        // C ignores LANGUAGE
        {{.lcAll = "POSIX", .lang = "de_DE"}, "", "en"},          // LC_ALL=POSIX
        {{.lang = "zh_TW.UTF-8"}, "", "en"},                      // no Traditional Chinese
        {{.lang = "zh_SG.UTF-8"}, "", "zh_CN"},                   // Singapore writes Simplified
        {{.lang = "de_AT.UTF-8@euro"}, "", "de"},                 // modifier and codeset
        {{.lang = "ja_JP.UTF-8"}, "", "en"},                      // a language not shipped
    };
    for (const LanguageCase& c : cases)
        EXPECT_EQ(ChooseLanguage(c.environment, c.setting), c.expected)
            << "LANGUAGE=" << c.environment.language << " LC_ALL=" << c.environment.lcAll
            << " LC_MESSAGES=" << c.environment.lcMessages << " LANG=" << c.environment.lang
            << " setting=" << c.setting;
}

struct UnitsCase {
    LocaleEnvironment environment;
    std::string_view setting;
    UnitSystem expected;
};

TEST(LanguageChoice, UnitsFollowTheSettingThenTheMeasurementLocale) {
    const UnitsCase cases[] = {
        {{}, "", UnitSystem::Metric},
        {{.lang = "en_US.UTF-8"}, "", UnitSystem::Imperial},
        {{.lang = "en_GB.UTF-8"}, "", UnitSystem::Metric},
        {{.lang = "en_US.UTF-8"}, "metric", UnitSystem::Metric},
        {{.lang = "de_DE.UTF-8"}, "imperial", UnitSystem::Imperial},
        {{.lcMeasurement = "de_DE", .lang = "en_US"}, "", UnitSystem::Metric},
        {{.lcAll = "en_US", .lcMeasurement = "de_DE"}, "", UnitSystem::Imperial},
        // Messages do not decide units: an American reading German still measures in feet.
        {{.lcMessages = "de_DE", .lang = "en_US"}, "", UnitSystem::Imperial},
    };
    for (const UnitsCase& c : cases)
        EXPECT_EQ(ChooseUnitSystem(c.environment, c.setting), c.expected)
            << "LC_ALL=" << c.environment.lcAll << " LC_MEASUREMENT=" << c.environment.lcMeasurement
            << " LANG=" << c.environment.lang << " setting=" << c.setting;
}

} // namespace
} // namespace lumetra
