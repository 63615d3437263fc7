// Pins and the selection: what the Compare window compares, in which order.

#include "compare/CompareSelection.h"

#include <gtest/gtest.h>

namespace {

using lumetra::compare::CompareSelection;
using Files = std::vector<std::string>;

TEST(CompareSelection, PinsFirstThenTheSelection) {
    CompareSelection s;
    s.Select("a.ies");
    EXPECT_FALSE(s.CanCompare());
    EXPECT_TRUE(s.TogglePin("a.ies"));
    EXPECT_EQ(s.Files(), Files{"a.ies"}); // the pinned selection is not counted twice
    s.Select("b.ldt");
    EXPECT_EQ(s.Files(), (Files{"a.ies", "b.ldt"}));
    s.Select("c.ies");
    EXPECT_EQ(s.Files(), (Files{"a.ies", "c.ies"}));
    EXPECT_FALSE(s.TogglePin("a.ies")); // unpinned
    EXPECT_EQ(s.Files(), Files{"c.ies"});
}

TEST(CompareSelection, AFullSetOfPinsKeepsTheReferenceAndRoomForTheSelection) {
    CompareSelection s;
    for (const char* file : {"1", "2", "3", "4", "5"})
        s.TogglePin(file);
    EXPECT_EQ(s.Pins(), (Files{"1", "2", "5"}));
    s.Select("6");
    EXPECT_EQ(s.Files(), (Files{"1", "2", "5", "6"}));
    EXPECT_TRUE(s.IsPinned("5"));
    EXPECT_FALSE(s.IsPinned("6"));
    EXPECT_FALSE(s.TogglePin(""));
}

TEST(CompareSelection, AListHandedOverIsShownAloneUntilTheSelectionMoves) {
    CompareSelection s;
    s.Select("x");
    s.PinOnly({"a", "b", "a", "", "c", "d", "e"});
    EXPECT_EQ(s.Files(), (Files{"a", "b", "c", "d"}));
    s.PinOnly({"a", "b"});
    EXPECT_EQ(s.Files(), (Files{"a", "b"}));
    s.Select("y");
    EXPECT_EQ(s.Files(), (Files{"a", "b", "y"}));
    s.ClearPins();
    EXPECT_EQ(s.Files(), Files{"y"});
}

} // namespace
