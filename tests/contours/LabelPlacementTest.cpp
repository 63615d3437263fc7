#include "contours/LabelPlacement.h"

#include <gtest/gtest.h>
#include <random>

namespace lumetra::contours {
namespace {

const Box kPicture{0, 0, 200, 100};

TEST(LabelPlacement, FirstChoiceIsTheMiddleOfTheLine) {
    const std::vector<LabelRequest> requests{{{{20, 50}, {180, 50}}, 30, 10}};
    const auto placed = PlaceLabels(requests, kPicture, {});
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].anchor, (Point{100, 50}));
    EXPECT_EQ(placed[0].box.left, 85);
    EXPECT_EQ(placed[0].box.top, 45);
}

TEST(LabelPlacement, MovesAlongTheLineAwayFromTakenPlaces) {
    const std::vector<LabelRequest> requests{{{{20, 50}, {180, 50}}, 30, 10},
                                             {{{20, 50}, {180, 50}}, 30, 10}};
    const std::vector<Box> keepFree{{90, 0, 20, 20}}; // above the middle: not in the way
    const auto placed = PlaceLabels(requests, kPicture, keepFree);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[1].anchor, (Point{60, 50})); // a quarter of the way
}

TEST(LabelPlacement, LineWithoutRoomGetsNoLabel) {
    const std::vector<LabelRequest> requests{
        {{{-50, -50}, {-10, -10}}, 10, 10}, // outside the picture
        {{{2, 50}, {2, 60}}, 30, 10},       // too near the edge for its width
        {{{100, 50}, {100, 51}}, 30, 10},   // fits
        {{{100, 50}, {101, 50}}, 30, 10},   // same place, taken
        {{{150, 20}, {150, 80}}, 30, 10},   // under a kept-free box everywhere
    };
    const auto placed = PlaceLabels(requests, kPicture, {{120, 0, 60, 100}});
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].request, 2u);
}

TEST(LabelPlacement, RandomLinesNeverGiveOverlappingOrOutsideLabels) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> coordinate(-20, 220);
    std::vector<LabelRequest> requests(60);
    for (LabelRequest& request : requests) {
        for (int k = 0; k < 6; ++k)
            request.path.push_back({coordinate(random), coordinate(random) / 2});
        request.width = 24;
        request.height = 9;
    }
    const std::vector<Box> keepFree{{150, 60, 50, 40}};
    const auto placed = PlaceLabels(requests, kPicture, keepFree, 1);
    ASSERT_GT(placed.size(), 5u);
    for (std::size_t a = 0; a < placed.size(); ++a) {
        EXPECT_TRUE(placed[a].box.Inside(kPicture));
        EXPECT_FALSE(placed[a].box.Overlaps(keepFree[0]));
        for (std::size_t b = a + 1; b < placed.size(); ++b)
            EXPECT_FALSE(placed[a].box.Overlaps(placed[b].box));
    }
}

TEST(LabelPlacement, AlongPathMeasuresLength) {
    const std::vector<Point> path{{0, 0}, {3, 4}, {3, 14}}; // lengths 5 and 10
    EXPECT_EQ(AlongPath(path, 0), (Point{0, 0}));
    EXPECT_EQ(AlongPath(path, 1.0 / 3), (Point{3, 4}));
    EXPECT_EQ(AlongPath(path, 2.0 / 3), (Point{3, 9}));
    EXPECT_EQ(AlongPath(path, 1), (Point{3, 14}));
    EXPECT_EQ(AlongPath({}, 0.5), (Point{0, 0}));
}

} // namespace
} // namespace lumetra::contours
