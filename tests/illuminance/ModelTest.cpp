#include "illuminance/IlluminanceModel.h"
#include "illuminance/IlluminanceText.h"
#include "summary/SummaryRecords.h"

#include <gtest/gtest.h>

namespace lumetra::illuminance {
namespace {

const tIES kIsotropic =
    testing::Distribution({0}, {0, 90, 180}, [](long double, long double) { return 900; });

TEST(IlluminanceModel, FollowsRecordAndInputs) {
    IlluminanceModel model;
    EXPECT_FALSE(model.Result());
    EXPECT_EQ(model.Problem(), "No file is loaded.");
    model.SetRecord(kIsotropic, testing::FactsOfType(1));
    ASSERT_TRUE(model.Result());
    EXPECT_TRUE(model.Problem().empty());
    EXPECT_EQ(model.Result()->N, 20u);
    EXPECT_TRUE(testing::Near(model.Result()->Floor.Figures.Max, 100, 1e-12L)); // 900 cd at 3 m
    EXPECT_FALSE(model.Result()->Wall);

    IlluminanceInputs inputs = model.Inputs();
    inputs.Step = 0.3L;
    model.SetInputs(inputs);
    EXPECT_FALSE(model.Result());
    EXPECT_EQ(model.Problem(), RequestFaultText(RequestFault::StepsNotWhole));

    inputs.Step = 1;
    inputs.Wall = true;
    model.SetInputs(inputs);
    ASSERT_TRUE(model.Result() && model.Result()->Wall);
    ASSERT_TRUE(model.WallValueAt(0, 3));
    EXPECT_TRUE(testing::Near(*model.WallValueAt(0, 3), 900.0L / 4, 1e-12L)); // 2 m away, level

    model.SetRecord(kIsotropic, testing::FactsOfType(2));
    EXPECT_FALSE(model.Result());
    EXPECT_NE(model.Problem().find("needs type C photometry"), std::string::npos);
    model.ClearRecord("The file could not be read.");
    EXPECT_EQ(model.Problem(), "The file could not be read.");
    EXPECT_FALSE(model.FloorValueAt(0, 0));
}

TEST(IlluminanceModel, ImperialInputsAndValues) {
    IlluminanceModel model;
    model.SetRecord(kIsotropic, testing::FactsOfType(1));
    const IlluminanceInputs feet = InUnitsOf(model.Inputs(), UnitSystem::Imperial);
    EXPECT_EQ(feet.Height, 9.84L);
    EXPECT_EQ(feet.Size, 33);
    EXPECT_EQ(WholeSteps(feet.Size, feet.Step), 20u);
    EXPECT_EQ(InUnitsOf(feet, UnitSystem::Imperial), feet);
    model.SetInputs(feet);
    ASSERT_TRUE(model.FloorValueAt(0, 0));
    const long double metres = 9.84L * kMetresPerFoot;
    EXPECT_TRUE(testing::Near(*model.FloorValueAt(0, 0),
                              900 / (metres * metres) / kLuxPerFootCandle, 1e-12L));
}

} // namespace
} // namespace lumetra::illuminance
