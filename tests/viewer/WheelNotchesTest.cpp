// Wheel messages counted as notches: whole notches of 120 units, the rest kept for the next
// message, and only the vertical wheel counts.

#include "viewer/WheelNotches.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumetra::test {
namespace {

TEST(WheelNotches, CountsWholeNotchesOfTheVerticalWheelAndKeepsTheRest) {
    struct Row {
        const char* what;
        std::vector<int> messages; // vertical movement of each message
        bool lastIsMessage;
        int towardUser, awayFromUser; // notches the last message completes
    };
    const Row rows[] = {
        {"one notch toward the user", {-120}, true, 1, 0},
        {"one notch away", {120}, true, 0, 1},
        {"three notches at once", {-360}, true, 3, 0},
        {"half a notch", {-60}, true, 0, 0},
        {"two halves make a notch", {-60, -60}, true, 1, 0},
        {"a notch and a half, then a half", {180, 60}, true, 0, 1},
        {"a half back cancels a half", {-60, 60, -60}, true, 0, 0},
        {"no vertical movement: a horizontal scroll", {0}, false, 0, 0},
        {"a horizontal scroll keeps the half before it", {-60, 0, -60}, true, 1, 0},
    };
    for (const Row& row : rows) {
        WheelNotches wheel;
        WheelTurn turn;
        for (const int vertical : row.messages)
            turn = wheel.Add(vertical);
        EXPECT_EQ(turn.message, row.lastIsMessage) << row.what;
        EXPECT_EQ(turn.towardUser, row.towardUser) << row.what;
        EXPECT_EQ(turn.awayFromUser, row.awayFromUser) << row.what;
    }
}

} // namespace
} // namespace lumetra::test
