#include "gonio/PointValue.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

// Planes 0, 90, 180, 270; plane 0 is drawn with plane 2 (180) on the left.
tIES FourPlanes() {
    tIES record;
    record.VerticalAngles = {0, 45, 90};
    record.HorizontalAngles = {0, 90, 180, 270};
    record.Candela = {{100, 50, 0}, {1, 1, 1}, {200, 100, 0}, {2, 2, 2}};
    return record;
}

std::string TextAt(const tIES& record, int x, int y, const std::string& separator = ".") {
    const auto value = ValueAtPoint(record, 0, 200, 200, x, y);
    return value ? PointValueText(*value, separator) : "none";
}

TEST(PointValue, ReadsTheHalfUnderThePointerAtItsVerticalAngle) {
    const tIES record = FourPlanes();
    EXPECT_EQ(TextAt(record, 100, 150), "C 0°  γ 0°  100 cd") << "straight down";
    EXPECT_EQ(TextAt(record, 150, 100), "C 0°  γ 90°  0 cd") << "straight right";
    EXPECT_EQ(TextAt(record, 50, 100), "C 180°  γ 90°  0 cd") << "straight left";
    EXPECT_EQ(TextAt(record, 50, 150), "C 180°  γ 45°  100 cd") << "down and left";
    EXPECT_EQ(TextAt(record, 150, 150), "C 0°  γ 45°  50 cd") << "down and right";
}

TEST(PointValue, InterpolatesLinearlyBetweenStoredAngles) {
    const tIES record = FourPlanes();
    const auto value = IntensityAt(record.VerticalAngles, record.Candela[0], 22.5L);
    ASSERT_TRUE(value.has_value());
    EXPECT_DOUBLE_EQ(static_cast<double>(*value), 75.0);
    // 41 pixels right of 100 below the centre: atan(0.41) = 22.29°, 100 - 22.29 / 45 * 50.
    EXPECT_EQ(TextAt(record, 141, 200, ","), "C 0°  γ 22,3°  75,2 cd");
}

TEST(PointValue, SaysSoOutsideTheStoredVerticalAngles) {
    const tIES record = FourPlanes();
    EXPECT_EQ(TextAt(record, 100, 20), "C 0°  γ 180°  outside the stored angles (0° to 90°)");
    EXPECT_FALSE(IntensityAt({10, 20}, {1, 2}, 5).has_value());
    EXPECT_FALSE(IntensityAt({}, {}, 0).has_value());
    EXPECT_EQ(IntensityAt({10}, {7}, 10), 7) << "a single stored angle answers only itself";
}

TEST(PointValue, NothingToShowWithoutPlanesOrOutsideThem) {
    tIES record = FourPlanes();
    EXPECT_FALSE(ValueAtPoint(record, 4, 200, 200, 100, 150).has_value());
    EXPECT_FALSE(ValueAtPoint(record, -1, 200, 200, 100, 150).has_value());
    record.Candela.clear();
    EXPECT_FALSE(ValueAtPoint(record, 0, 200, 200, 100, 150).has_value());
}

} // namespace
} // namespace lumetra
