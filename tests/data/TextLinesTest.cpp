#include "data/TextLines.h"

#include <gtest/gtest.h>
#include <string>

namespace lumetra {
namespace {

using namespace std::string_literals;

TEST(LineBreaks, CrLfAndCrLfEachEndALine) {
    EXPECT_EQ(SplitIntoLines("a\nb"), (TextLines{"a", "b"}));
    EXPECT_EQ(SplitIntoLines("a\r\nb"), (TextLines{"a", "b"}));
    EXPECT_EQ(SplitIntoLines("a\rb"), (TextLines{"a", "b"}));
    EXPECT_EQ(SplitIntoLines("a\rb\nc\r\nd"), (TextLines{"a", "b", "c", "d"}));
}

TEST(LineBreaks, LfThenCrIsTwoBreaks) {
    EXPECT_EQ(SplitIntoLines("a\n\rb"), (TextLines{"a", "", "b"}));
    EXPECT_EQ(SplitIntoLines("a\r\r\nb"), (TextLines{"a", "", "b"}));
}

TEST(LineBreaks, BreakAtTheVeryEndStartsNoLine) {
    EXPECT_EQ(SplitIntoLines("a\n"), (TextLines{"a"}));
    EXPECT_EQ(SplitIntoLines("a\r\n"), (TextLines{"a"}));
    EXPECT_EQ(SplitIntoLines("a\r"), (TextLines{"a"}));
    EXPECT_EQ(SplitIntoLines("a\n\n"), (TextLines{"a", ""}));
    EXPECT_EQ(SplitIntoLines("\n"), (TextLines{""}));
    EXPECT_EQ(SplitIntoLines("\r\n\r\n"), (TextLines{"", ""}));
}

TEST(LineBreaks, EmptyTextHasNoLines) {
    EXPECT_TRUE(SplitIntoLines("").empty());
}

TEST(LineBreaks, NulEndsTheText) {
    EXPECT_EQ(SplitIntoLines("a\nb\0c\nd"s), (TextLines{"a", "b"}));
    EXPECT_EQ(SplitIntoLines("a\n\0b"s), (TextLines{"a"}));
    EXPECT_TRUE(SplitIntoLines("\0abc\n"s).empty());
}

TEST(LineBreaks, OtherControlCharactersStayInTheLine) {
    EXPECT_EQ(SplitIntoLines("a\tb\x1a\x0c\n \x0b"), (TextLines{"a\tb\x1a\x0c", " \x0b"}));
}

TEST(LineBreaks, JoinEndsEveryLineWithCrLf) {
    EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLinesCrLf({}), "");
}

} // namespace
} // namespace lumetra
