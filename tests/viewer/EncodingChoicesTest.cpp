// Header encodings chosen per file: the most recent first, bounded, kept through the settings'
// text and read back only when valid.

#include "viewer/EncodingChoices.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

TEST(EncodingChoices, AChoiceIsPerFileAndTheGuessIsNoChoice) {
    EncodingChoices choices;
    choices.Choose("/a b/x.ies", "WINDOWS-1251");
    choices.Choose("/y.ldt", "GB18030");
    EXPECT_EQ(choices.For("/a b/x.ies"), "WINDOWS-1251");
    EXPECT_EQ(choices.For("/y.ldt"), "GB18030");
    EXPECT_EQ(choices.For("/z.ies"), "");
    choices.Choose("/a b/x.ies", "");
    EXPECT_EQ(choices.For("/a b/x.ies"), "");
    EXPECT_EQ(choices.Entries(), std::vector<std::string>{"GB18030 /y.ldt"});
}

TEST(EncodingChoices, TheMostRecentAreKeptWithinTheBound) {
    EncodingChoices choices;
    for (std::size_t i = 0; i <= EncodingChoices::kMostFiles; ++i)
        choices.Choose("/f" + std::to_string(i), "SHIFT_JIS");
    choices.Choose("/f1", "BIG5"); // chosen again: the most recent
    const auto entries = choices.Entries();
    ASSERT_EQ(entries.size(), EncodingChoices::kMostFiles);
    EXPECT_EQ(entries.front(), "BIG5 /f1");
    EXPECT_EQ(choices.For("/f0"), "") << "the oldest went";
    EXPECT_EQ(choices.For("/f2"), "SHIFT_JIS");
}

TEST(EncodingChoices, EntriesReadBackAndFaultyOnesAreLeftOut) {
    EncodingChoices choices;
    choices.Restore({"WINDOWS-1251 /a b/x.ies", "klingon /y.ies", "GB18030", "UHC ",
                     "cp1252 /z.ies", "BIG5 /a b/x.ies"});
    EXPECT_EQ(choices.For("/a b/x.ies"), "WINDOWS-1251") << "the first of two is the most recent";
    EXPECT_EQ(choices.For("/y.ies"), "");
    EXPECT_EQ(choices.For("/z.ies"), "CP1252") << "a name iconv knows, in capitals";
    EXPECT_EQ(choices.Entries(),
              (std::vector<std::string>{"WINDOWS-1251 /a b/x.ies", "CP1252 /z.ies"}));
}

} // namespace
} // namespace lumetra
