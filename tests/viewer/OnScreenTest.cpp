// Windows kept inside the screen's available area.

#include "viewer/OnScreen.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

TEST(OnScreen, WindowsShrinkAndMoveInsideTheAvailableArea) {
    const WindowArea screen{0, 30, 1920, 1000}; // a panel takes the top 30 pixels
    const struct {
        WindowArea window, kept;
    } rows[] = {
        {{100, 100, 800, 600}, {100, 100, 800, 600}},    // inside: unchanged
        {{100, 100, 800, 1040}, {100, 30, 800, 1000}},   // too high at 200 %: capped, moved up
        {{-500, 10, 800, 600}, {0, 30, 800, 600}},       // off the left edge and under the panel
        {{5000, 5000, 800, 600}, {1120, 430, 800, 600}}, // a screen that is no longer there
        {{0, 0, 4000, 3000}, {0, 30, 1920, 1000}},       {{10, 40, 0, -5}, {10, 40, 1, 1}},
    };
    for (const auto& row : rows) {
        const WindowArea kept = KeptOnScreen(row.window, screen);
        EXPECT_EQ(kept, row.kept) << kept.left << "," << kept.top << " " << kept.width << "x"
                                  << kept.height;
    }
    EXPECT_EQ(KeptOnScreen({-9, -9, 5, 5}, {}), (WindowArea{-9, -9, 5, 5})); // no screen
}

TEST(OnScreen, AnAreaAwayFromTheOriginKeepsWindowsOnIt) {
    const WindowArea second{1920, 0, 1280, 1024};
    EXPECT_EQ(KeptOnScreen({100, 100, 400, 300}, second), (WindowArea{1920, 100, 400, 300}));
}

} // namespace
} // namespace lumetra
