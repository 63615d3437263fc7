// Comparisons with known answers: a file with itself, scaled copies, a rotated copy, and files on
// different grids that sample one distribution.

#include "compare/Comparison.h"

#include "data/Loading.h"
#include "eulumdat/PhotometryFile.h"
#include "summary/SummaryRecords.h"
#include "support/Samples.h"
#include "support/TempFolder.h"
#include "writing/Writing.h"

#include <gtest/gtest.h>

namespace {

using namespace lumetra;
using namespace lumetra::compare;
using namespace lumetra::testing;

Luminaire Make(tIES record, long double lumensPerLamp = 1000, long double type = 1) {
    LuminaireFacts facts = FactsOfType(type);
    facts.NumberOfLamps = 1;
    facts.LumensPerLamp = lumensPerLamp;
    facts.InputWatts = 20;
    return {std::move(record), facts};
}

// A type C distribution over the whole turn, 1000 + 500 cos C sin gamma, on 15 x 5 degree steps.
tIES Asymmetric(long double rotation = 0, long double gammaStep = 5) {
    return Distribution(
        Steps(0, 345, 15), Steps(0, 180, gammaStep), [=](long double c, long double g) {
            return 1000 + 500 * std::cos(Radians(c - rotation)) * std::sin(Radians(g));
        });
}

Luminaire LoadSample(const std::string& path) {
    Luminaire file;
    TextLines lines, header;
    LoadPhotometryFile(path, file.Record, lines, header, nullptr, file.Facts);
    return file;
}

void ExpectNoDifference(const Comparison& c) {
    for (const FigureRow& row : c.Figures) {
        EXPECT_FALSE(AnyBeyond(row)) << row.Key << " " << row.Part;
        if (row.ToFirst[1].Absolute) {
            EXPECT_EQ(*row.ToFirst[1].Absolute, 0) << row.Key << " " << row.Part;
        }
    }
    ASSERT_TRUE(c.Largest[1]);
    EXPECT_EQ(c.Largest[1]->Value, 0);
    EXPECT_TRUE(c.SharedGrid);
}

TEST(Compare, AFileWithItselfShowsNoDifference) {
    for (const std::string& path :
         {lumetra::test::SamplePath("lm1995_263x361_crlf.ies"),
          lumetra::test::SamplePath("lm2002_typeb_flood_quadrant_crlf.ies"),
          lumetra::test::LdtSamplePath("ldt_isym3_36x37_synthetic_distinct_planes.ldt")}) {
        SCOPED_TRACE(path);
        const Luminaire file = LoadSample(path);
        const Luminaire twice[] = {file, file};
        ExpectNoDifference(Compare(twice, IntensityUnit::Candela));
        ExpectNoDifference(Compare(twice, IntensityUnit::CandelaPerKilolumen));
    }
}

const FigureRow& Row(const Comparison& c, const std::string& key, const std::string& part = {}) {
    for (const FigureRow& row : c.Figures)
        if (row.Key == key && row.Part == part)
            return row;
    throw std::logic_error("no row " + key);
}

// Twice the intensities from twice the lamp flux: every flux and intensity doubles, the shape and
// the light output ratio stay; per kilolumen nothing differs.
TEST(Compare, ScaledCopyDoublesFluxAndIntensityButNotShape) {
    Luminaire doubled = Make(Asymmetric(), 2000);
    doubled.Record.CandelaMultiplier = 2;
    const Luminaire files[] = {Make(Asymmetric()), doubled};
    const Comparison cd = Compare(files, IntensityUnit::Candela);
    for (const char* key : {"Flux", "DownwardFlux", "LampFlux", "MaxIntensity", "Efficacy"}) {
        const FigureRow& row = Row(cd, key);
        EXPECT_TRUE(Near(*row.ToFirst[1].Percent, 100, 1e-12L)) << key;
        EXPECT_TRUE(Near(*row.ToFirst[1].Absolute, *row.Values[0], 1e-9L)) << key;
        EXPECT_TRUE(row.ToFirst[1].BeyondTolerance) << key;
    }
    for (const char* key : {"LightOutputRatio", "DownwardFluxFraction"})
        EXPECT_FALSE(AnyBeyond(Row(cd, key))) << key;
    EXPECT_FALSE(AnyBeyond(Row(cd, "BeamAngle", "C0-C180")));
    ASSERT_TRUE(cd.Largest[1]);
    EXPECT_TRUE(Near(cd.Largest[1]->Value, 1500, 1e-12L)); // the peak itself: C0, gamma 90
    EXPECT_EQ(cd.Largest[1]->C, 0);
    EXPECT_EQ(cd.Largest[1]->Gamma, 90);
    const Comparison perKilolumen = Compare(files, IntensityUnit::CandelaPerKilolumen);
    EXPECT_TRUE(Near(perKilolumen.Largest[1]->Value, 0, 1e-12L));
}

// Rotated by 90 degrees, the difference is 500 sin gamma (sin C - cos C): largest 500 sqrt 2 at
// gamma 90, positive at C135 and negative at C315 (either may win by rounding). The flux stays;
// the maximum moves from C0 to C90.
TEST(Compare, RotatedCopyDiffersMostWhereTheRotationMovesMost) {
    const Luminaire files[] = {Make(Asymmetric()), Make(Asymmetric(90))};
    const Comparison c = Compare(files, IntensityUnit::Candela);
    ASSERT_TRUE(c.Largest[1]);
    EXPECT_TRUE(c.SharedGrid);
    const long double sign = c.Largest[1]->C == 135 ? 1 : -1;
    EXPECT_TRUE(c.Largest[1]->C == 135 || c.Largest[1]->C == 315) << c.Largest[1]->C;
    EXPECT_TRUE(Near(c.Largest[1]->Value, sign * 500 * std::sqrt(2.0L), 1e-9L));
    EXPECT_EQ(c.Largest[1]->Gamma, 90);
    EXPECT_TRUE(Near(*Row(c, "Flux").ToFirst[1].Percent, 0, 1e-12L));
    EXPECT_EQ(c.Largest[1]->Other - c.Largest[1]->First, c.Largest[1]->Value);
    EXPECT_EQ(*Row(c, "MaxIntensityC").ToFirst[1].Absolute, 90);
    EXPECT_TRUE(Row(c, "MaxIntensityC").ToFirst[1].BeyondTolerance);
}

// A distribution linear in gamma is sampled exactly by the interpolant, so files on different
// gamma steps agree everywhere except at a bump that only the finer file holds.
TEST(Compare, DifferentGridsCompareOnTheUnionThroughTheInterpolant) {
    const auto linear = [](long double, long double g) { return 100 + 2 * g; };
    tIES coarse = Distribution({0}, Steps(0, 180, 10), linear);
    tIES fine = Distribution({0}, Steps(0, 180, 5), linear);
    const Luminaire same[] = {Make(coarse), Make(fine)};
    const Comparison c = Compare(same, IntensityUnit::Candela);
    EXPECT_FALSE(c.SharedGrid);
    ASSERT_TRUE(c.Largest[1]);
    EXPECT_TRUE(Near(c.Largest[1]->Value, 0, 1e-15L));
    fine.Candela[0][9] += 7; // gamma 45, between the coarse file's 40 and 50
    const Luminaire bumped[] = {Make(coarse), Make(fine)};
    const Comparison d = Compare(bumped, IntensityUnit::Candela);
    EXPECT_TRUE(Near(d.Largest[1]->Value, 7, 1e-15L));
    EXPECT_EQ(d.Largest[1]->Gamma, 45);
}

// The same distribution stored as a quadrant and as the whole turn: symmetry completion makes
// them equal on the union of their planes.
TEST(Compare, SymmetryFormsOfOneDistributionAgree) {
    const auto shape = [](long double c, long double g) {
        return 500 + 200 * std::cos(2 * Radians(c)) * std::sin(Radians(g));
    };
    const Luminaire files[] = {Make(Distribution(Steps(0, 90, 15), Steps(0, 180, 5), shape)),
                               Make(Distribution(Steps(0, 345, 15), Steps(0, 180, 5), shape))};
    const Comparison c = Compare(files, IntensityUnit::Candela);
    EXPECT_FALSE(c.SharedGrid);
    ASSERT_TRUE(c.Largest[1]);
    EXPECT_TRUE(Near(c.Largest[1]->Value, 0, 1e-12L));
    EXPECT_TRUE(Near(*Row(c, "Flux").ToFirst[1].Percent, 0, 1e-12L));
}

TEST(Compare, IntensitiesOfDifferentTypesOrWithoutFluxAreNotCompared) {
    const Luminaire typeCAndB[] = {Make(Asymmetric()), Make(Asymmetric(), 1000, 2)};
    const Comparison c = Compare(typeCAndB, IntensityUnit::Candela);
    EXPECT_FALSE(c.Largest[1]);
    EXPECT_FALSE(LargestOverall(c));
    EXPECT_EQ(c.Summaries.size(), 2u); // the figures are still side by side
    Luminaire empty = Make(tIES{}, 0);
    const Luminaire withEmpty[] = {Make(Asymmetric()), empty};
    EXPECT_FALSE(Compare(withEmpty, IntensityUnit::Candela).Largest[1]);
    EXPECT_FALSE(Compare(withEmpty, IntensityUnit::CandelaPerKilolumen).Largest[1]);
}

TEST(Compare, AtMostFourFilesAndTheLargestOfThem) {
    std::vector<Luminaire> files;
    for (int i = 0; i < 6; ++i) {
        files.push_back(Make(Asymmetric()));
        files.back().Record.CandelaMultiplier = 1 + i / 10.0L;
    }
    const Comparison c = Compare(files, IntensityUnit::Candela);
    EXPECT_EQ(c.Summaries.size(), kMaxComparedFiles);
    ASSERT_TRUE(LargestOverall(c));
    EXPECT_EQ(LargestOverall(c)->File, 3u);
    EXPECT_TRUE(Near(LargestOverall(c)->Value, 0.3L * 1500, 1e-9L));
}

} // namespace

namespace {

using namespace lumetra;
using namespace lumetra::compare;

// An IES file and its EULUMDAT conversion differ by no more than the writers' round trip: one
// part in a billion of the largest intensity, and the same in every flux.
TEST(Compare, AnIesFileAndItsEulumdatConversionAgree) {
    const test::TempFolder folder;
    for (const char* name :
         {"lm1995_pendant_more_crlf.ies", "lm2002_roadway_quadrant_more_crlf.ies",
          "lm1995_bilateral_c90_c270.ies", "lm1986_spotlight_axial.ies"}) {
        SCOPED_TRACE(name);
        const std::string ies = lumetra::test::SamplePath(name);
        const std::string ldt = (folder.path() / (std::string(name) + ".ldt")).string();
        writing::ConvertFile(ies, ldt, {});
        const Luminaire files[] = {LoadSample(ies), LoadSample(ldt)};
        const Comparison c = Compare(files, IntensityUnit::Candela);
        ASSERT_TRUE(LargestOverall(c));
        const long double peak = *c.Summaries[0].MaxIntensity;
        EXPECT_LE(std::fabs(LargestOverall(c)->Value), 1e-9L * peak);
        for (const char* key : {"Flux", "DownwardFlux", "LampFlux", "LightOutputRatio"}) {
            const FigureRow& row = Row(c, key);
            if (!row.Values[0]) // absolute photometry states no lamp flux; EULUMDAT must
                continue;
            ASSERT_TRUE(row.ToFirst[1].Percent) << key;
            EXPECT_LE(std::fabs(*row.ToFirst[1].Percent), 1e-7L) << key;
        }
    }
}

} // namespace
