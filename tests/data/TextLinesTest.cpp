#include "data/TextLines.h"

#include <gtest/gtest.h>
#include <random>
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

// Counted eight bytes at a time, a CR LF split between two words still counts once.
TEST(LineBreaks, CountedAsSplittingCountsThem) {
    std::mt19937 random(34);
    const char bytes[] = {'\r', '\n', 'a', '\r', '\n', '\x8d', '\x8a'};
    for (int i = 0; i < 20'000; ++i) {
        std::string text(random() % 40, ' ');
        for (char& c : text)
            c = bytes[random() % sizeof bytes];
        std::size_t expected = 0;
        for (std::size_t at = 0; at < text.size(); ++at)
            expected += text[at] == '\n'   ? (at > 0 && text[at - 1] == '\r' ? 0 : 1)
                        : text[at] == '\r' ? 1
                                           : 0;
        ASSERT_EQ(CountLineBreaks(text), expected) << text;
    }
}

TEST(LineBreaks, JoinEndsEveryLineWithCrLf) {
    EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLinesCrLf({}), "");
}

} // namespace
} // namespace lumetra
