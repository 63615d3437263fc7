// Every sample's grids against an independent evaluation of the definition: the summary's
// profile at the node's plane angle, interpolated here in gamma, and the inverse-square and
// cosine law written out.

#include "support/Samples.h"

#include "eulumdat/PhotometryFile.h"
#include "illuminance/Illuminance.h"
#include "summary/CompletedGrid.h"
#include "summary/PhotometricSummary.h"
#include "summary/SummaryRecords.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <numbers>

namespace lumetra::illuminance {
namespace {

constexpr long double kDegrees = 180 / std::numbers::pi_v<long double>;

long double InterpolatedInGamma(const tArrEx& angles, const tArrEx& profile, long double g) {
    if (angles.empty() || g < angles.front() || g > angles.back())
        return 0;
    const auto upper = std::upper_bound(angles.begin(), angles.end(), g);
    if (upper == angles.end())
        return profile.back();
    const auto k = static_cast<std::size_t>(upper - angles.begin());
    const long double t = (g - angles[k - 1]) / (angles[k] - angles[k - 1]);
    return profile[k - 1] + t * (profile[k] - profile[k - 1]);
}

// E at offset (dx, dy, dz) from the luminaire on a surface whose normal gives cos = facing / r.
long double Reference(const summary::IntensityGrid& grid, long double dx, long double dy,
                      long double dz, long double facing) {
    long double c = std::atan2(dy, dx) * kDegrees;
    if (c < 0)
        c += 360;
    const long double across = std::hypot(dx, dy);
    const long double gamma = std::atan2(across, -dz) * kDegrees;
    const long double r = std::sqrt(across * across + dz * dz);
    const tArrEx profile = summary::ProfileAtPlaneAngle(grid, c);
    return InterpolatedInGamma(grid.Verticals.Angles, profile, gamma) * facing / (r * r * r);
}

void ExpectSample(const std::filesystem::path& path) {
    SCOPED_TRACE(path.filename().string());
    tIES record;
    TextLines lines, header;
    LuminaireFacts facts;
    try {
        LoadPhotometryFile(path.string(), record, lines, header, nullptr, facts);
    } catch (const std::exception&) {
        return; // the broken samples
    }
    const auto intensity = TypeCIntensity(record, facts);
    if (!std::holds_alternative<summary::IntensityGrid>(intensity))
        return;
    const auto& grid = std::get<summary::IntensityGrid>(intensity);
    const long double h = 2.8L, wall = 1.2L;
    const auto result = Calculate(grid, {h, 8, 0.4L, wall});
    for (std::size_t j = 0; j <= result.N; j += 3)
        for (std::size_t i = 0; i <= result.N; ++i) {
            const long double x = result.Floor.U[i], y = result.Floor.V[j];
            const long double floor = Reference(grid, x, y, -h, h);
            ASSERT_TRUE(testing::Near(result.Floor.At(i, j), floor, 1e-9L * floor));
            const long double z = result.Wall->V[j];
            const long double onWall = Reference(grid, wall, x, z - h, wall);
            ASSERT_TRUE(testing::Near(result.Wall->At(i, j), onWall, 1e-9L * onWall));
        }
}

TEST(IlluminanceSamples, EverySampleEqualsTheDefinition) {
    int computed = 0;
    for (const std::string& folder : test::SampleFolders())
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (IsPhotometricFileName(entry.path().filename().string())) {
                ExpectSample(entry.path());
                ++computed;
            }
    EXPECT_GT(computed, 40);
}

} // namespace
} // namespace lumetra::illuminance
