// The numeric block written straight from a file's text, eight bytes at a time where it can, must
// be what splitting the text into lines and joining them after the TILT line gives: the same
// header lines, the same text and the same start of every line in it.

#include "data/NumericBlock.h"

#include "data/IesReader.h"
#include "data/TextLines.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace lumetra {
namespace {

using namespace std::string_literals;

NumericBlock ByLines(std::string_view fileText, TextLines& headerLines) {
    TextLines lines = SplitIntoLines(fileText);
    NumericBlock block;
    block.text = SplitHeader(lines, headerLines);
    std::size_t offset = 0;
    for (const std::string& line : lines) {
        block.lineStarts.push_back(offset);
        offset += line.size() + 2;
    }
    return block;
}

// Pieces that put breaks, commas, NULs and other control bytes at every place within a word of
// eight, and a TILT line now and then.
std::string RandomText(std::mt19937& random) {
    static const std::string pieces[] = {
        "1234.5678 ", "12",  ",", " ", "\r\n", "\n", "\r",       "\t",     "TILT=NONE\n",
        "abcdefgh",   "0.5", "-", "x", "\0"s,  ",,", "\r\r\n\n", "tilt=x", std::string(70, '7')};
    std::string text;
    const auto count = random() % 30;
    for (unsigned i = 0; i < count; ++i) {
        const auto piece = random() % std::size(pieces);
        if (piece != 13 || random() % 8 == 0) // NULs only now and then: they end the text
            text += pieces[piece];
    }
    return text;
}

TEST(NumericBlock, WrittenFromTheTextAsFromItsLines) {
    std::mt19937 random(2026);
    for (int i = 0; i < 20'000; ++i) {
        const std::string text = RandomText(random);
        TextLines headerByLines{"stale"};
        TextLines header{"stale"};
        const NumericBlock expected = ByLines(text, headerByLines);
        const NumericBlock block = SplitFileText(text, header);
        ASSERT_EQ(block.text, expected.text) << text;
        ASSERT_EQ(block.lineStarts, expected.lineStarts) << text;
        ASSERT_EQ(header, headerByLines) << text;
    }
}

// Header and numeric lines count alike; at the limit the text is split, beyond it nothing is kept.
TEST(NumericBlock, TextOfMoreLinesThanTheLimitGivesNothing) {
    const struct {
        std::string text;
        std::size_t lines;
    } cases[] = {{"IESNA\nTILT=NONE\n1 2\n3\n", 4},
                 {"IESNA\r\nTILT=NONE\r\n1 2\r\n3", 4},
                 {"1\n2\n3\n", 3},
                 {"a\nb\nc\nTILT=NONE\n", 4},
                 {"a\nb\nc\nTILT=NONE", 4},
                 {"\n\n\n\n\n", 5},
                 {"1\n2\0\n3\n4\n", 2}};
    for (const auto& c : cases) {
        TextLines header{"kept"};
        EXPECT_FALSE(SplitFileText(c.text, header, c.lines - 1)) << c.text;
        EXPECT_EQ(header, TextLines{"kept"}) << c.text;
        const auto block = SplitFileText(c.text, header, c.lines);
        ASSERT_TRUE(block) << c.text;
        EXPECT_EQ(header.size() + block->lineStarts.size(), c.lines) << c.text;
    }
}

// Short lines take more room than the text itself, a long run after them too.
TEST(NumericBlock, ShortLinesGetMoreRoom) {
    std::string shortLines;
    for (int i = 0; i < 200; ++i)
        shortLines += "1\n";
    const std::string texts[] = {"TILT=NONE\n" + std::string(1000, '\n') + "7",
                                 "TILT=NONE\n" + shortLines + std::string(400, '2') + "\n",
                                 shortLines + std::string(4000, '3')};
    for (const std::string& text : texts) {
        TextLines header;
        TextLines headerByLines;
        const NumericBlock block = SplitFileText(text, header);
        const NumericBlock expected = ByLines(text, headerByLines);
        EXPECT_EQ(block.text, expected.text);
        EXPECT_EQ(block.lineStarts, expected.lineStarts);
        EXPECT_EQ(header, headerByLines);
    }
}

} // namespace
} // namespace lumetra
