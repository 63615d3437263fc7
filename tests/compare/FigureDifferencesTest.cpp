// Differences of single figures against a tolerance, the rows' keys, and the unit factor.

#include "compare/FigureDifferences.h"

#include "compare/IntensityUnit.h"

#include <gtest/gtest.h>

namespace {

using namespace lumetra;
using namespace lumetra::compare;

TEST(FigureDifference, AbsolutePercentAndToleranceByKind) {
    const Tolerance tolerance{5, 2};
    const struct {
        Figure value, first;
        FigureKind kind;
        Figure absolute, percent;
        bool beyond;
    } rows[] = {
        // clang-format off
        {110, 100, FigureKind::Flux, 10, 10, true},
        {104, 100, FigureKind::Flux, 4, 4, false},
        {95, 100, FigureKind::Intensity, -5, -5, false},    // exactly at the tolerance
        {-12, -10, FigureKind::Flux, -2, -20, true},        // per cent of the magnitude
        {32, 30, FigureKind::Angle, 2, 100.0L * 2 / 30, false}, // angles by degrees alone
        {33, 30, FigureKind::Angle, 3, 10, true},
        {1, 0, FigureKind::Flux, 1, std::nullopt, true},    // any change from zero counts
        {0, 0, FigureKind::Flux, 0, std::nullopt, false},
        {std::nullopt, 100, FigureKind::Flux, std::nullopt, std::nullopt, true},
        {100, std::nullopt, FigureKind::Power, std::nullopt, std::nullopt, true},
        {std::nullopt, std::nullopt, FigureKind::Fraction, std::nullopt, std::nullopt, false},
        // clang-format on
    };
    for (const auto& row : rows) {
        const FigureDifference d = DifferenceOf(row.value, row.first, row.kind, tolerance);
        SCOPED_TRACE(row.value ? static_cast<double>(*row.value) : -1.0);
        ASSERT_EQ(d.Absolute.has_value(), row.absolute.has_value());
        ASSERT_EQ(d.Percent.has_value(), row.percent.has_value());
        if (row.absolute) {
            EXPECT_NEAR(static_cast<double>(*d.Absolute), static_cast<double>(*row.absolute),
                        1e-12);
        }
        if (row.percent) {
            EXPECT_NEAR(static_cast<double>(*d.Percent), static_cast<double>(*row.percent), 1e-12);
        }
        EXPECT_EQ(d.BeyondTolerance, row.beyond);
    }
}

TEST(FigureRows, KeysFollowTheSummaryJsonAndTheFirstFileIsTheReference) {
    summary::PhotometricSummary a, b;
    a.Flux = 1000;
    b.Flux = 1200;
    a.BeamAngle = {30, 40};
    b.BeamAngle = {30, 45};
    const summary::PhotometricSummary both[] = {a, b};
    const std::vector<FigureRow> rows = FigureRows(both, {});
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().Key, "Flux");
    EXPECT_EQ(*rows.front().ToFirst[1].Percent, 20);
    EXPECT_EQ(*rows.front().ToFirst[0].Absolute, 0);
    std::vector<std::string> zones, beamLines;
    for (const FigureRow& row : rows) {
        if (row.Key == "ZonalFlux")
            zones.push_back(row.Part);
        if (row.Key == "BeamAngle") {
            beamLines.push_back(row.Part);
            EXPECT_EQ(AnyBeyond(row), row.Part == "C90-C270") << row.Part;
        }
    }
    EXPECT_EQ(zones, (std::vector<std::string>{"0-30", "0-40", "0-60", "0-90", "90-180", "0-180"}));
    EXPECT_EQ(beamLines, (std::vector<std::string>{"C0-C180", "C90-C270"}));
}

TEST(IntensityUnit, FactorPerKilolumenOfLampFluxElseOfTheLuminairesOwn) {
    const struct {
        Figure lampFlux, flux;
        IntensityUnit unit;
        std::optional<long double> factor;
    } rows[] = {
        {2000, 1500, IntensityUnit::Candela, 1},
        {2000, 1500, IntensityUnit::CandelaPerKilolumen, 0.5L},
        {-1, 500, IntensityUnit::CandelaPerKilolumen, 2}, // absolute photometry
        {std::nullopt, 4000, IntensityUnit::CandelaPerKilolumen, 0.25L},
        {0, 0, IntensityUnit::CandelaPerKilolumen, std::nullopt},
        {std::nullopt, std::nullopt, IntensityUnit::Candela, 1},
    };
    for (const auto& row : rows) {
        summary::PhotometricSummary s;
        s.LampFlux = row.lampFlux;
        s.Flux = row.flux;
        EXPECT_EQ(UnitFactor(s, row.unit), row.factor);
    }
    EXPECT_EQ(UnitNamed("cdklm"), IntensityUnit::CandelaPerKilolumen);
    EXPECT_EQ(UnitNamed("cd"), IntensityUnit::Candela);
    EXPECT_EQ(UnitNamed("lm"), std::nullopt);
}

} // namespace
