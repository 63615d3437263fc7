// Beam and field angles on profiles whose crossings fall on straight pieces, so the expected
// angles are exact; walks that leave the stored range, meet, or start at nothing.

#include "SummaryRecords.h"
#include "summary/PhotometricSummary.h"

#include <optional>

namespace {

using namespace lumetra;
using namespace lumetra::testing;
using Angle = std::optional<long double>;

TEST(Angles, CrossingsOnStraightPiecesOfThePlanePairC0C180) {
    const auto none = std::nullopt;
    const struct {
        const char* name;
        tArrEx planes, gammas;
        long double (*intensity)(long double c, long double g);
        Angle beam, field, beamCIE, fieldCIE;
    } rows[] = {
        // clang-format off
        {"triangle", {0}, Steps(0, 180, 5), [](auto, auto g) { return std::max(0.0L, 100 - g); }, 100, 180, 100, 180},
        // Peaks at t = 30 and -30: max-based walks start at +30, centre-based ones at f(0) = 40.
        {"batwing", {0}, Steps(0, 180, 5), [](auto, auto g) { return std::max(0.0L, 100 - 2 * std::fabs(g - 30)); }, 50, 150, 140, 156},
        // Peak tilted to t = 20 on C0; C180 falls from f(0) = 60.
        {"tilted", Steps(0, 270, 90), Steps(0, 180, 5), [](auto c, auto g) { return std::max(0.0L, 100 - 2 * std::fabs((c == 180 ? -g : g) - 20)); }, 50, 90, 70, 94},
        {"isotropic: the walks meet", {0}, Steps(0, 180, 5), [](auto, auto) { return 7.0L; }, none, none, none, none},
        // Neither 0 nor 180 stored: from the peak at t = 10 the walk ends at both edges.
        {"edges of the stored range", {0}, Steps(10, 170, 10), [](auto, auto) { return 7.0L; }, 160, 160, none, none},
        {"nothing to start from", {0}, Steps(0, 90, 10), [](auto, auto) { return 0.0L; }, none, none, none, none},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto s =
            summary::Summarize(Distribution(row.planes, row.gammas, row.intensity), FactsOfType(1));
        ExpectFigures({{s.BeamAngle[0], row.beam},
                       {s.FieldAngle[0], row.field},
                       {s.BeamAngleCIE[0], row.beamCIE},
                       {s.FieldAngleCIE[0], row.fieldCIE}},
                      1e-12L);
    }
}

} // namespace
