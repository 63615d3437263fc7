#include "gonio/Goniogram.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

TEST(PaintAreaLayout, SquareOnTheLimitingAxisCentredOnTheOther) {
    EXPECT_EQ(PaintAreaLayout(300, 200), (PaintAreaBounds{54, 4, 196}));
    EXPECT_EQ(PaintAreaLayout(200, 200), (PaintAreaBounds{4, 4, 196}));
    EXPECT_EQ(PaintAreaLayout(200, 300), (PaintAreaBounds{4, 54, 196}));
}

TEST(PaintAreaLayout, OddLeftoverTruncates) {
    // (301 - 196) / 2 = 52.5 truncates to 52, then 2 to the right.
    EXPECT_EQ(PaintAreaLayout(301, 200), (PaintAreaBounds{54, 4, 196}));
}

TEST(PaintAreaLayout, PanelSmallerThanTheInsetGivesAnEmptyArea) {
    EXPECT_EQ(PaintAreaLayout(3, 100).size, 0);
    EXPECT_EQ(PaintAreaLayout(0, 0), (PaintAreaBounds{2, 2, 0}));
}

} // namespace
} // namespace lumetra
