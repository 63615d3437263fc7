#include "illuminance/GridCsv.h"
#include "illuminance/IlluminanceRequest.h"
#include "illuminance/IlluminanceUnits.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lumetra::illuminance {
namespace {

TEST(IlluminanceRequest, WholeStepsAllowForDecimalRounding) {
    const struct {
        long double size, step;
        std::optional<std::size_t> steps;
    } cases[] = {
        {10, 0.5L, 20},    {0.3L, 0.1L, 3},
        {12, 0.1L, 120},   {1, 1, 1},
        {10, 0.3L, {}},    {10, 3, {}},
        {0.1L, 1, {}},     {10, 0, {}},
        {0, 1, {}},        {-4, 1, {}},
        {10, -1, {}},      {NAN, 1, {}},
        {1, INFINITY, {}}, {1e9L, 1e-3L, kMostSteps + 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WholeSteps(c.size, c.step), c.steps)
            << static_cast<double>(c.size) << " / " << static_cast<double>(c.step);
}

TEST(IlluminanceRequest, FirstFaultIsReported) {
    const struct {
        IlluminanceRequest request;
        std::optional<RequestFault> fault;
    } cases[] = {
        {{3, 10, 0.5L, {}}, {}},
        {{3, 10, 0.5L, 2}, {}},
        {{0, 10, 0.5L, {}}, RequestFault::HeightNotPositive},
        {{NAN, 10, 0.5L, {}}, RequestFault::HeightNotPositive},
        {{3, -1, 0.5L, {}}, RequestFault::SizeNotPositive},
        {{3, 10, 0, {}}, RequestFault::StepNotPositive},
        {{3, 10, 0.3L, {}}, RequestFault::StepsNotWhole},
        {{3, 10, 0.001L, {}}, RequestFault::TooManySteps},
        {{3, 10, 0.5L, 0}, RequestFault::WallNotPositive},
        {{3, 10, 0.5L, -2}, RequestFault::WallNotPositive},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaultOf(c.request), c.fault);
}

TEST(IlluminanceUnits, ImperialRequestsAndGridsConvert) {
    const IlluminanceRequest metres = InMetres({10, 20, 1, 5}, UnitSystem::Imperial);
    EXPECT_DOUBLE_EQ(static_cast<double>(metres.Height), 3.048);
    EXPECT_DOUBLE_EQ(static_cast<double>(metres.Size), 6.096);
    EXPECT_DOUBLE_EQ(static_cast<double>(*metres.Wall), 1.524);
    EXPECT_EQ(WholeSteps(metres.Size, metres.Step), 20u);

    PlaneGrid grid{{-0.3048L, 0.3048L}, {0, 0.6096L}, {10.763910416709722L, 0, 0, 0}, {}};
    grid.Figures = {10.763910416709722L, 0, 2.69097760417743L, 0, {-0.3048L, 0}};
    const PlaneGrid feet = InUnits(grid, UnitSystem::Imperial);
    EXPECT_NEAR(static_cast<double>(feet.U[0]), -1, 1e-15);
    EXPECT_NEAR(static_cast<double>(feet.V[1]), 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(feet.E[0]), 1, 1e-15);
    EXPECT_NEAR(static_cast<double>(feet.Figures.Max), 1, 1e-15);
    EXPECT_NEAR(static_cast<double>(feet.Figures.MaxAt[0]), -1, 1e-15);
    EXPECT_EQ(std::string(IlluminanceUnit(UnitSystem::Imperial)), "fc");
    EXPECT_EQ(InUnits(grid, UnitSystem::Metric).E, grid.E);
}

TEST(GridCsv, RowsRunByAscendingSecondAxis) {
    const PlaneGrid grid{{-1, 0, 1}, {0, 2}, {1, 2, 3, 4.5L, 5, 1.0L / 3}, {}};
    EXPECT_EQ(GridCsv(grid, "y", "z", UnitSystem::Metric), "\"z (m) \\ y (m), E (lx)\",-1,0,1\r\n"
                                                           "0,1,2,3\r\n"
                                                           "2,4.5,5,0.3333333333\r\n");
    EXPECT_EQ(CsvNumber(1234567.25L), "1234567.25");
    EXPECT_EQ(CsvNumber(1e-12L), "1e-12");
}

} // namespace
} // namespace lumetra::illuminance
