// Beam and field angles on profiles whose crossings fall on straight pieces, so the expected
// angles are exact; walks that leave the stored range, meet, or start at nothing.

#include "SummaryRecords.h"
#include "summary/PhotometricSummary.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace lumetra;
using namespace lumetra::testing;
using Angle = std::optional<long double>;

struct AngleRow {
    const char* name;
    tArrEx gammas;
    long double (*intensity)(long double gamma);
    Angle beam, field, beamCIE, fieldCIE;
};

void ExpectAngle(const Angle& actual, const Angle& expected, const char* what) {
    ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_TRUE(Near(*actual, *expected, 1e-12L)) << what;
    }
}

TEST(Angles, AxialProfilesGiveTheCrossingsOfTheirStraightPieces) {
    const auto none = std::nullopt;
    const AngleRow rows[] = {
        {"triangle", Steps(0, 180, 5), [](long double g) { return std::max(0.0L, 100 - g); }, 100,
         180, 100, 180},
        // Peak at 30: max-based walks start there; centre-based ones from f(0) = 40.
        {"batwing", Steps(0, 180, 5),
         [](long double g) { return std::max(0.0L, 100 - 2 * std::fabs(g - 30)); }, 50, 150, 140,
         156},
        {"isotropic: the walks meet", Steps(0, 180, 5), [](long double) { return 7.0L; }, none,
         none, none, none},
        // Neither 0 nor 180 stored: from the peak at t = 10 the walk ends at both edges.
        {"edges of the stored range", Steps(10, 170, 10), [](long double) { return 7.0L; }, 160,
         160, none, none},
        {"nothing to start from", Steps(0, 90, 10), [](long double) { return 0.0L; }, none, none,
         none, none},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto s = summary::Summarize(
            Distribution({0}, row.gammas, [&](auto, long double g) { return row.intensity(g); }),
            FactsOfType(1));
        for (std::size_t i = 0; i < 2; ++i) {
            ExpectAngle(s.BeamAngle[i], row.beam, "beam");
            ExpectAngle(s.FieldAngle[i], row.field, "field");
            ExpectAngle(s.BeamAngleCIE[i], row.beamCIE, "beam CIE");
            ExpectAngle(s.FieldAngleCIE[i], row.fieldCIE, "field CIE");
        }
    }
}

// A peak tilted 20 degrees towards C0: the pair C0-C180 sees it off the axis, C90-C270 does not.
TEST(Angles, EachPlanePairWalksItsOwnCircle) {
    const auto tilted = [](long double c, long double g) {
        const long double t = c == 0 ? g : c == 180 ? -g : 20 + g; // 20 + g: plain fall-off
        return std::max(0.0L, 100 - 2 * std::fabs(t - 20));
    };
    const auto s = summary::Summarize(Distribution(Steps(0, 270, 90), Steps(0, 180, 5), tilted),
                                      FactsOfType(1));
    EXPECT_EQ(s.Symmetry, "none");
    EXPECT_TRUE(Near(*s.BeamAngle[0], 50, 1e-12L));    // >= 50 from t = -5 to 45
    EXPECT_TRUE(Near(*s.BeamAngleCIE[0], 70, 1e-12L)); // f(0) = 60; >= 30 from t = -15 to 55
    EXPECT_TRUE(Near(*s.BeamAngle[1], 50, 1e-12L));    // >= 50 up to gamma 25 on both sides
    EXPECT_TRUE(Near(*s.BeamAngleCIE[1], 50, 1e-12L));
}

} // namespace
