// Intensity scaling, lamp flux, ratios and maximum intensity; types A and B over their
// rectangle; every sample summarised without a value that is not a number.

#include "SummaryRecords.h"
#include "data/Errors.h"
#include "data/Loading.h"
#include "summary/PhotometricSummary.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace lumetra;
using namespace lumetra::testing;
using summary::Figure;

struct DerivedRow {
    const char* name;
    LuminaireFacts facts;
    long double multiplier;
    Figure flux, lampFlux, ratio, efficacy;
};

LuminaireFacts Facts(long double type, long double lamps, long double lumens, long double ballast,
                     long double watts, Figure statedLampFlux = std::nullopt) {
    LuminaireFacts facts;
    facts.PhotometricType = type;
    facts.NumberOfLamps = lamps;
    facts.LumensPerLamp = lumens;
    facts.BallastFactor = ballast;
    facts.InputWatts = watts;
    facts.StatedLampFlux = statedLampFlux;
    return facts;
}

TEST(Derived, ScaledIntensityLampFluxAndRatios) {
    const long double f = 400 * kPi; // isotropic 1 cd x multiplier x ballast factor
    const auto none = std::nullopt;
    const DerivedRow rows[] = {
        {"relative", Facts(1, 2, 1000, 0.9L, 50), 2, 1.8L * f, 2000, 1.8L * f / 2000,
         1.8L * f / 50},
        {"absolute, no watts", Facts(1, 1, -1, 1, 0), 1, f, none, none, none},
        {"stated lamp flux wins", Facts(1, 2, 1000, 1, 10, 5000), 1, f, 5000, f / 5000, f / 10},
        {"unknown type is type C", Facts(7, 0, 1000, 1, 1), 1, f, 0, none, f},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        tIES record = Distribution({0}, Steps(0, 180, 10), [](auto, auto) { return 100.0L; });
        record.CandelaMultiplier = row.multiplier;
        const auto s = summary::Summarize(record, row.facts);
        const std::pair<Figure, Figure> figures[] = {{s.Flux, row.flux},
                                                     {s.LampFlux, row.lampFlux},
                                                     {s.LightOutputRatio, row.ratio},
                                                     {s.Efficacy, row.efficacy}};
        for (const auto& [actual, expected] : figures) {
            ASSERT_EQ(actual.has_value(), expected.has_value());
            if (expected) {
                EXPECT_TRUE(Near(*actual, *expected, std::fabs(*expected) * 1e-15L));
            }
        }
        EXPECT_EQ(*s.MaxIntensity, 100 * row.multiplier * row.facts.BallastFactor);
    }
}

TEST(Derived, MaxIntensityIsItsFirstOccurrence) {
    const tIES record = Distribution({0, 90, 180}, {0, 45, 90}, [](long double c, long double g) {
        return c + g >= 90 ? 5.0L : 1.0L;
    });
    const auto s = summary::Summarize(record, FactsOfType(1));
    EXPECT_EQ(*s.MaxIntensityC, 0);
    EXPECT_EQ(*s.MaxIntensityGamma, 90);
}

// Types A and B: 1 cd over the covered rectangle of H and V gives its solid angle.
TEST(Derived, TypesAAndBIntegrateTheirRectangle) {
    const struct {
        long double type;
        tArrEx h, v;
        long double solidAngle;
        const char* symmetry;
    } rows[] = {
        {2, Steps(0, 90, 10), Steps(-90, 90, 10), 2 * kPi, "bilateral H0"},
        {2, Steps(-90, 90, 10), Steps(-90, 90, 10), 2 * kPi, "none"},
        {3, Steps(-180, 180, 15), Steps(0, 90, 5), 4 * kPi, "bilateral V0"},
    };
    for (const auto& row : rows) {
        // A pyramid 100 - |H| - |V| keeps both lines' crossings on straight pieces.
        const auto flat = summary::Summarize(
            Distribution(row.h, row.v, [](auto, auto) { return 1.0L; }), FactsOfType(row.type));
        EXPECT_TRUE(Near(*flat.Flux, row.solidAngle, 1e-14L));
        EXPECT_EQ(flat.Symmetry, row.symmetry);
        EXPECT_FALSE(flat.DownwardFlux || flat.UpwardFlux || flat.ZonalFlux[0]);
        const auto pyramid = summary::Summarize(
            Distribution(row.h, row.v,
                         [](long double h, long double v) {
                             return std::max(0.0L, 100 - std::fabs(h) - std::fabs(v));
                         }),
            FactsOfType(row.type));
        EXPECT_TRUE(Near(*pyramid.BeamAngle[0], 100, 1e-12L));
        EXPECT_TRUE(Near(*pyramid.FieldAngleCIE[1], 180, 1e-12L));
    }
}

TEST(Derived, EverySampleGivesFiguresOrNulls) {
    int summarised = 0;
    for (const auto& entry : std::filesystem::directory_iterator(LUMETRA_SAMPLES_DIR)) {
        if (entry.path().extension() != ".ies")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        tIES record;
        TextLines lines, header;
        LuminaireFacts facts;
        try {
            LoadPhotometry(entry.path().string(), record, lines, header, nullptr, facts);
        } catch (const LumetraError&) {
            continue;
        }
        if (!summary::HasPhotometricData(record))
            continue;
        const auto s = summary::Summarize(record, facts);
        ++summarised;
        ASSERT_TRUE(s.Flux && s.MaxIntensity);
        for (const Figure& zone : s.ZonalFlux)
            EXPECT_TRUE(!zone || std::isfinite(*zone));
        for (const auto* pair : {&s.BeamAngle, &s.FieldAngle, &s.BeamAngleCIE, &s.FieldAngleCIE})
            for (const Figure& angle : *pair)
                EXPECT_TRUE(!angle || (*angle >= 0 && *angle <= 360));
    }
    EXPECT_GE(summarised, 40);
}

// The same ceiling washlight is also known from its EULUMDAT file: interpolant LOR 40.88 %,
// nothing downward.
TEST(Derived, KnownLuminaireMatchesItsOtherFile) {
    tIES record;
    TextLines lines, header;
    LuminaireFacts facts;
    LoadPhotometry(std::string(LUMETRA_SAMPLES_DIR) + "/lm1995_half_0_180_both_hemispheres.ies",
                   record, lines, header, nullptr, facts);
    const auto s = summary::Summarize(record, facts);
    EXPECT_TRUE(Near(*s.LightOutputRatio, 0.4088L, 0.00005L));
    EXPECT_TRUE(Near(*s.DownwardFluxFraction, 0, 0.00005L));
}

} // namespace
