// Intensity scaling, lamp flux, ratios and maximum intensity; types A and B over their
// rectangle; every sample summarised without a value that is not a number.

#include "SummaryRecords.h"
#include "data/Errors.h"
#include "data/Loading.h"
#include "summary/PhotometricSummary.h"
#include "support/Samples.h"

#include <filesystem>

namespace {

using namespace lumetra;
using namespace lumetra::testing;
using summary::Figure;

TEST(Derived, ScaledIntensityLampFluxAndRatios) {
    const long double f = 400 * kPi; // isotropic 1 cd x multiplier x ballast factor
    const auto none = std::nullopt;
    const struct {
        LuminaireFacts facts;
        long double multiplier;
        Figure flux, lampFlux, ratio, efficacy;
    } rows[] = {
        {{2, 1000, 1, 0, 0, 0, 0.9L, 50, {}, {}, {}},
         2,
         1.8L * f,
         2000,
         1.8L * f / 2000,
         1.8L * f / 50},
        {{1, -1, 1, 0, 0, 0, 1, 0, {}, {}, {}}, 1, f, none, none, none}, // absolute photometry, no
                                                                         // watts
        {{2, 1000, 1, 0, 0, 0, 1, 10, 5000, {}, {}}, 1, f, 5000, f / 5000, f / 10}, // stated lamp
                                                                                    // flux
        {{0, 1000, 7, 0, 0, 0, 1, 1, {}, {}, {}}, 1, f, 0, none, f}, // unknown type: summarised as
                                                                     // C
    };
    for (const auto& row : rows) {
        tIES record = Distribution({0}, Steps(0, 180, 10), [](auto, auto) { return 100.0L; });
        record.CandelaMultiplier = row.multiplier;
        const auto s = summary::Summarize(record, row.facts);
        ExpectFigures({{s.Flux, row.flux},
                       {s.LampFlux, row.lampFlux},
                       {s.LightOutputRatio, row.ratio},
                       {s.Efficacy, row.efficacy}},
                      -1e-15L);
        EXPECT_EQ(*s.MaxIntensity, 100 * row.multiplier * row.facts.BallastFactor);
        EXPECT_EQ(summary::LightOutputRatioOf(record, row.facts), s.LightOutputRatio);
    }
    const auto first = summary::Summarize( // equal maxima: the first in plane, then vertical order
        Distribution({0, 90, 180}, {0, 45, 90},
                     [](auto c, auto g) { return c + g >= 90 ? 5.0L : 1; }),
        FactsOfType(1));
    EXPECT_EQ(*first.MaxIntensityC, 0);
    EXPECT_EQ(*first.MaxIntensityGamma, 90);
}

// 1 cd over the covered rectangle of H and V gives its solid angle; a pyramid 100 - |H| - |V|
// puts both lines' crossings on straight pieces.
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
    const auto pyramid = [](long double h, long double v) {
        return std::max(0.0L, 100 - std::fabs(h) - std::fabs(v));
    };
    for (const auto& row : rows) {
        const auto flat = summary::Summarize(
            Distribution(row.h, row.v, [](auto, auto) { return 1.0L; }), FactsOfType(row.type));
        EXPECT_TRUE(Near(*flat.Flux, row.solidAngle, 1e-14L));
        EXPECT_EQ(flat.Symmetry, row.symmetry);
        EXPECT_FALSE(flat.DownwardFlux || flat.UpwardFlux || flat.ZonalFlux[0]);
        const auto s =
            summary::Summarize(Distribution(row.h, row.v, pyramid), FactsOfType(row.type));
        ExpectFigures({{s.BeamAngle[0], 100}, {s.FieldAngleCIE[1], 180}}, 1e-12L);
    }
}

// Every figure finite or null; the ceiling washlight also known from its EULUMDAT file
// (interpolant LOR 40.88 %, nothing downward) agrees.
TEST(Derived, EverySampleGivesFiguresOrNulls) {
    int summarised = 0;
    bool known = false;
    for (const auto& entry : std::filesystem::directory_iterator(lumetra::test::SamplesFolder())) {
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
        const auto s = summary::Summarize(record, facts);
        EXPECT_EQ(summary::LightOutputRatioOf(record, facts), s.LightOutputRatio);
        if (!summary::HasPhotometricData(record))
            continue;
        ++summarised;
        ASSERT_TRUE(s.Flux && s.MaxIntensity && s.MaxIntensityC && s.MaxIntensityGamma);
        for (const Figure& zone : s.ZonalFlux)
            EXPECT_TRUE(!zone || std::isfinite(*zone));
        for (const auto* pair : {&s.BeamAngle, &s.FieldAngle, &s.BeamAngleCIE, &s.FieldAngleCIE})
            for (const Figure& angle : *pair)
                EXPECT_TRUE(!angle || (*angle >= 0 && *angle <= 360));
        if (entry.path().filename() == "lm1995_half_0_180_both_hemispheres.ies") {
            known = true;
            EXPECT_TRUE(Near(*s.LightOutputRatio, 0.4088L, 0.00005L));
            EXPECT_TRUE(Near(*s.DownwardFluxFraction, 0, 0.00005L));
        }
    }
    EXPECT_GE(summarised, 40);
    EXPECT_TRUE(known);
}

} // namespace
